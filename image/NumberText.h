#pragma once
// Number <-> text conversions of the codec and the forms. All of them are
// independent of the locale (a point is always the decimal separator), never
// throw and never read past the text they are given.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qav {

// The Basic `Val`: the value of the number at the start of the text. Leading
// blanks (space, tab, CR, LF) are skipped and blanks inside the number are
// ignored, as Basic does; an optional sign, digits, one decimal point and an
// exponent (E or D, optional sign, digits) are read up to the first character
// that cannot continue the number. No number (the empty text included) gives 0.
// A value beyond the range of a double gives the largest double of its sign;
// one too small to hold gives 0.
double Val(std::string_view text);

// The Basic `IsNumeric` for the texts this program handles: optional blanks
// around, an optional sign, digits with at most one decimal point (at least
// one digit) and an optional exponent. The empty text is not numeric.
bool IsNumeric(std::string_view text);

// The value formatted with a fixed number of decimals and at least
// `minIntegerDigits` integer digits, padded with leading zeros: the Basic
// Format(value, "0.00000") is FormatFixed(value, 5) and "000.00000" is
// FormatFixed(value, 5, 3). Rounds to the nearest, ties as the binary value
// lies. A negative zero is written without sign; a value that is not finite
// is formatted as 0.
std::string FormatFixed(double value, int decimals, int minIntegerDigits = 1);

// The number written as Basic writes a double (`CStr`): at most 15
// significant digits, no trailing zeros, no exponent for the values the
// program meets (|value| below 1e15). A value that is not finite gives "0".
std::string FormatPlain(double value);

// Rounded to the nearest whole number, ties to the even one (Basic's CInt /
// CByte). Not finite, or outside the range of int64: std::nullopt.
std::optional<std::int64_t> RoundToWhole(double value);

// An exact decimal text scaled by 10^decimals: digits with at most one point,
// no sign, no blanks, at least one digit. "101.6" with 2 decimals gives 10160,
// "435.125" with 5 gives 43512500. Further decimals must be zeros ("1.2300"
// with 2 gives 123); a text that is not such a number, has more significant
// decimals or exceeds `maxScaled` gives std::nullopt.
std::optional<std::int64_t> ParseScaledDecimal(std::string_view text, int decimals, std::int64_t maxScaled);

}  // namespace qav
