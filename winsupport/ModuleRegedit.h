#pragma once
// Reading a settings value as text and storing a one-byte setting as a 4-byte
// binary value, over the per-user settings store.

#include <QString>

#include "winsupport/Registry.h"

namespace qav {

// Runtime error numbers a conversion reports.
constexpr int kErrOverflow = 6;
constexpr int kErrTypeMismatch = 13;

// The value as text by its type: a string up to its first NUL; a binary value's
// first two bytes as a signed 16-bit little-endian number in decimal; empty text
// for any other type, a missing value or a failed read.
QString RegQueryValueText(win::Registry& registry, win::HKEY key, const QString& valueName);

// Opens root\subKey, reads the value as above, closes the key. A missing key
// gives empty text.
QString RegGetValueText(win::Registry& registry, win::HKEY root, const QString& subKey,
                        const QString& valueName);

// Stores the number in valueText (0 to 255) as the four bytes [n, 0, 0, 0] of a
// binary value under root\subKey, creating the key. Returns 0, or the conversion
// error (kErrTypeMismatch, kErrOverflow) before anything is written. The result
// of the store itself is not reported.
int RegSetBinaryByte(win::Registry& registry, win::HKEY root, const QString& subKey, const QString& valueName,
                     const QString& valueText);

}  // namespace qav
