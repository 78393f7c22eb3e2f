#pragma once
// OpenCC's Simplified-to-Traditional conversion of one text. The library finds
// its configuration and dictionaries in its own data folder by the name of its
// default Simplified-to-Traditional configuration; no path is kept here.

#include <memory>
#include <optional>
#include <string>

namespace opencc {
class SimpleConverter;
}

namespace qav {

class OpenCCConverter {
  public:
    OpenCCConverter();
    ~OpenCCConverter();

    // The converted UTF-8 text, or nothing when the conversion cannot be done
    // (the library's data is missing, or it refused the text). The dictionaries
    // are loaded on the first call; a load that failed is not tried again, so
    // a missing installation costs one attempt, not one per caption.
    std::optional<std::string> operator()(const std::string& utf8);

  private:
    std::shared_ptr<opencc::SimpleConverter> converter_;  // shared by copies of this object
    bool unavailable_ = false;
};

}  // namespace qav
