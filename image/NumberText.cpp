#include "image/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace qav {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips blanks from position i on and returns the next position holding
// something else (or the end).
std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return i;
}

// A decimal exponent large enough that any double overflows or underflows
// with it; exponents are clamped here so their digits cannot overflow.
constexpr long kExponentClamp = 100000;

}  // namespace

double Val(std::string_view text) {
    std::string mantissa;  // digits and at most one point, without sign
    bool negative = false;
    std::size_t i = SkipBlanks(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        i = SkipBlanks(text, i + 1);
    }
    bool seenPoint = false;
    bool seenDigit = false;
    int intDigits = 0;         // significant digits before the point
    int leadingFracZeros = 0;  // zeros after the point before the first other digit
    bool significantSeen = false;
    while (i < text.size()) {
        const char c = text[i];
        if (IsDigit(c)) {
            seenDigit = true;
            mantissa += c;
            if (c != '0') {
                significantSeen = true;
            }
            if (!seenPoint && significantSeen) {
                ++intDigits;
            } else if (seenPoint && !significantSeen) {
                ++leadingFracZeros;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            mantissa += c;
        } else if (!IsBlank(c)) {
            break;
        }
        ++i;
    }
    if (!seenDigit) {
        return 0.0;
    }
    // Exponent: E or D, optional sign, at least one digit; otherwise the
    // letter ends the number.
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = SkipBlanks(text, i + 1);
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            j = SkipBlanks(text, j + 1);
        }
        bool expDigit = false;
        long value = 0;
        while (j < text.size() && (IsDigit(text[j]) || IsBlank(text[j]))) {
            if (IsDigit(text[j])) {
                expDigit = true;
                if (value < kExponentClamp) {
                    value = value * 10 + (text[j] - '0');
                }
            }
            ++j;
        }
        if (expDigit) {
            exponent = expNegative ? -value : value;
        }
    }
    if (!significantSeen) {
        return 0.0;  // all zeros, whatever the exponent
    }
    std::string number = mantissa;
    if (number.front() == '.') {
        number.insert(number.begin(), '0');
    }
    if (exponent != 0) {
        number += 'e';
        number += std::to_string(exponent);
    }
    double result = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), result);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Decimal magnitude of the first significant digit decides whether
        // the number was too large or too small.
        const long magnitude = (intDigits > 0 ? intDigits : -leadingFracZeros) + exponent;
        result = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc()) {
        result = 0.0;
    }
    return negative ? -result : result;
}

bool IsNumeric(std::string_view text) {
    std::size_t i = SkipBlanks(text, 0);
    std::size_t end = text.size();
    while (end > i && IsBlank(text[end - 1])) {
        --end;
    }
    if (i >= end) {
        return false;
    }
    if (text[i] == '+' || text[i] == '-') {
        ++i;
    }
    bool digit = false;
    bool point = false;
    while (i < end && (IsDigit(text[i]) || (text[i] == '.' && !point))) {
        if (text[i] == '.') {
            point = true;
        } else {
            digit = true;
        }
        ++i;
    }
    if (!digit) {
        return false;
    }
    if (i < end && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        bool expDigit = false;
        while (i < end && IsDigit(text[i])) {
            expDigit = true;
            ++i;
        }
        if (!expDigit) {
            return false;
        }
    }
    return i == end;
}

std::string FormatFixed(double value, int decimals, int minIntegerDigits) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    if (decimals < 0) {
        decimals = 0;
    } else if (decimals > 20) {
        decimals = 20;
    }
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        return FormatFixed(0.0, decimals, minIntegerDigits);
    }
    std::string text(buffer, end);
    bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.erase(text.begin());
        if (text.find_first_not_of("0.") == std::string::npos) {
            negative = false;  // rounded to zero: no sign
        }
    }
    const std::size_t point = text.find('.');
    const std::size_t integerDigits = point == std::string::npos ? text.size() : point;
    if (minIntegerDigits > 0 && integerDigits < static_cast<std::size_t>(minIntegerDigits)) {
        text.insert(0, static_cast<std::size_t>(minIntegerDigits) - integerDigits, '0');
    }
    return negative ? "-" + text : text;
}

std::string FormatPlain(double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return "0";
    }
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, end);
}

std::optional<std::int64_t> RoundToWhole(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.0e18) {
        return std::nullopt;
    }
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto whole = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
        ++whole;
    }
    return whole;
}

std::optional<std::int64_t> ParseScaledDecimal(std::string_view text, int decimals, std::int64_t maxScaled) {
    if (decimals < 0 || decimals > 9 || maxScaled < 0) {
        return std::nullopt;
    }
    std::int64_t scale = 1;
    for (int d = 0; d < decimals; ++d) {
        scale *= 10;
    }
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c == '.') {
            if (point) {
                return std::nullopt;
            }
            point = true;
        } else if (IsDigit(c)) {
            digit = true;
            const int d = c - '0';
            if (!point) {
                whole = whole * 10 + d;
                if (whole > maxScaled / scale) {
                    return std::nullopt;
                }
            } else if (fractionDigits < decimals) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (d != 0) {
                return std::nullopt;  // a significant decimal beyond the scale
            }
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    for (int d = fractionDigits; d < decimals; ++d) {
        fraction *= 10;
    }
    const std::int64_t scaled = whole * scale + fraction;
    if (scaled > maxScaled) {
        return std::nullopt;
    }
    return scaled;
}

}  // namespace qav
