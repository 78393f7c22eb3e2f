#pragma once
// Readable names for parameterised cases: "435_12500_0" instead of a dump of
// the parameter's bytes.

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

namespace qav::test {

inline std::string CaseName(std::string_view text, std::size_t index) {
    std::string name;
    for (const char c : text) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name + "_" + std::to_string(index);
}

}  // namespace qav::test
