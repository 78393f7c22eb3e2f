#include "winsupport/SubclassError.h"

namespace qav::win {

SubclassError::SubclassError(int code, std::string source, std::string description)
    : std::runtime_error(description),
      code_(code),
      source_(std::move(source)),
      description_(std::move(description)) {}

}  // namespace qav::win
