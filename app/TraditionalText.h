#pragma once
// The Traditional Chinese form of a Simplified text, for the few texts the
// program converts at run time instead of holding them.

#include <QString>

namespace qav {

// TODO(lang): call ToTraditional of lang/ModuleStringJorF here once that
// conversion is in the tree; until then the Simplified text is returned as it is.
inline QString TraditionalText(const QString& simplified) {
    return simplified;
}

}  // namespace qav
