#include "lang/OpenCCConverter.h"

#include <opencc/opencc.h>

#include <QtGlobal>
#include <exception>
#include <opencc/SimpleConverter.hpp>

namespace qav {

OpenCCConverter::OpenCCConverter() = default;
OpenCCConverter::~OpenCCConverter() = default;

std::optional<std::string> OpenCCConverter::operator()(const std::string& utf8) {
    if (unavailable_) return std::nullopt;
    try {
        if (!converter_)
            converter_ = std::make_shared<opencc::SimpleConverter>(OPENCC_DEFAULT_CONFIG_SIMP_TO_TRAD);
        return converter_->Convert(utf8);
    } catch (const std::exception& error) {
        if (!converter_) {
            unavailable_ = true;
            qWarning("Traditional Chinese captions unavailable: %s", error.what());
        }
        return std::nullopt;
    }
}

}  // namespace qav
