#include "image/ValueCodes.h"

#include "image/ImageText.h"
#include "image/NumberText.h"
#include "image/ToneTable.h"

namespace qav {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// UTF-8 of U+00FF, the character a 0xFF image byte decodes to.
constexpr std::string_view kPaddingCharacter = "\xC3\xBF";

constexpr std::int64_t kMaxFreqTenHz = 99999999;      // 999.99999 MHz, eight digits
constexpr std::int64_t kFmLowestHundredths = 7600;    // 76.00 MHz, code 00 00
constexpr std::int64_t kFmHighestHundredths = 10800;  // 108.00 MHz
constexpr std::int64_t kFmStepHundredths = 5;         // 50 kHz

// The value of an upper-case hex digit (a decimal digit is one too).
int HexDigitValue(char c) {
    return c >= 'A' ? c - 'A' + 10 : c - '0';
}

std::uint8_t DigitPair(std::string_view digits, std::size_t at) {
    return static_cast<std::uint8_t>((HexDigitValue(digits[at]) << 4) | HexDigitValue(digits[at + 1]));
}

// The four bytes in image order of eight digits d1..d8: +0 = d7 d8 .. +3 = d1 d2.
std::array<std::uint8_t, 4> PackedDigits(std::string_view digits) {
    return {DigitPair(digits, 6), DigitPair(digits, 4), DigitPair(digits, 2), DigitPair(digits, 0)};
}

// The text a read gives for any four bytes: three digits, a point, five
// digits, every digit 0-9 or A-F. The radio's memory need not hold decimal
// digits (an erased one holds FF), and such a text must go back as it came.
bool IsReadFrequencyText(std::string_view text) {
    if (text.size() != 9 || text[3] != '.') {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i != 3 && !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

std::string SafeSubstr(std::string_view text, std::size_t pos, std::size_t count) {
    if (pos >= text.size()) {
        return {};
    }
    return std::string(text.substr(pos, count));
}

}  // namespace

std::string HexByte(std::uint8_t value) {
    std::string text(2, '0');
    text[0] = kHexDigits[value >> 4];
    text[1] = kHexDigits[value & 0x0F];
    return text;
}

// ---- FreqBcd ---------------------------------------------------------------

std::string FreqBcdText(std::span<const std::uint8_t, 4> bytes) {
    const std::string digits = HexByte(bytes[3]) + HexByte(bytes[2]) + HexByte(bytes[1]) + HexByte(bytes[0]);
    return digits.substr(0, 3) + "." + digits.substr(3);
}

int FreqBcdByte(std::string_view text, int n) {
    std::string digits;
    for (const char c : text) {
        if (c != '.') {
            digits += c;
        }
    }
    switch (n) {
        case 1:
            return static_cast<int>(HexToDouble(SafeSubstr(text, 0, 2)));
        case 2:
            return static_cast<int>(HexToDouble(SafeSubstr(digits, 2, 2)));
        case 3:
            return static_cast<int>(HexToDouble(SafeSubstr(digits, 4, 2)));
        case 4:
            return static_cast<int>(HexToDouble(text.size() >= 2 ? text.substr(text.size() - 2) : text));
        default:
            return 0;
    }
}

std::optional<std::array<std::uint8_t, 4>> FreqBcdBytes(std::string_view text) {
    if (IsReadFrequencyText(text)) {
        // Pair by pair, as read: "FFF.F0000" is 00 00 FF FF.
        return PackedDigits(std::string(text.substr(0, 3)) + std::string(text.substr(4)));
    }
    const std::optional<std::int64_t> tenHz = ParseScaledDecimal(text, 5, kMaxFreqTenHz);
    if (!tenHz) {
        return std::nullopt;
    }
    std::string digits = std::to_string(*tenHz);
    digits.insert(0, 8 - digits.size(), '0');
    return PackedDigits(digits);
}

// ---- ToneCode --------------------------------------------------------------

DecodedTone DecodeToneCode(std::uint8_t low, std::uint8_t high, Language language) {
    if (low == 0xFF) {
        return {std::string(OffToneText(language)), 0};
    }
    const std::string h = HexByte(high);
    const std::string l = HexByte(low);
    std::string text;
    if (h[0] == '8') {
        text = "D" + h.substr(1) + l + "N";
    } else if (h[0] == 'C') {
        text = "D" + h.substr(1) + l + "I";
    } else {
        text = (high < 0x10 ? h.substr(1) : h) + l.substr(0, 1) + "." + l.substr(1);
    }
    const int index = ToneIndex(text);
    return {std::move(text), index};
}

std::string ToneCodeText(std::string_view toneText) {
    const bool normal = toneText.find('N') != std::string_view::npos;
    const bool inverted = !normal && toneText.find('I') != std::string_view::npos;
    if (normal || inverted) {
        if (toneText.size() < 4) {
            return {};
        }
        return std::string(toneText.substr(2, 2)) + (normal ? "8" : "C") + toneText[1];
    }
    std::string digits;
    for (const char c : toneText) {
        if (c != '.') {
            digits += c;
        }
    }
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), '0');
    }
    return digits.substr(digits.size() - 2) + digits.substr(0, 2);
}

std::optional<std::array<std::uint8_t, 2>> ToneCodeBytes(std::string_view toneText) {
    if (ToneIndex(toneText) == 0) {
        return std::nullopt;
    }
    const std::string code = ToneCodeText(toneText);
    if (code.size() != 4) {
        return std::nullopt;
    }
    return std::array<std::uint8_t, 2>{
        static_cast<std::uint8_t>(HexToDouble(std::string_view(code).substr(0, 2))),
        static_cast<std::uint8_t>(HexToDouble(std::string_view(code).substr(2, 2)))};
}

// ---- FmFreqCode ------------------------------------------------------------

std::string FmFreqCodeText(std::uint8_t high, std::uint8_t low) {
    if (high == 0xFF && low == 0xFF) {
        return {};
    }
    const std::int64_t steps = high * 256 + low;
    const std::int64_t hundredths = kFmLowestHundredths + steps * kFmStepHundredths;
    if (hundredths > kFmHighestHundredths) {
        return {};
    }
    std::string decimals = std::to_string(hundredths % 100);
    decimals.insert(0, 2 - decimals.size(), '0');
    return std::to_string(hundredths / 100) + "." + decimals;
}

std::optional<std::array<std::uint8_t, 2>> FmFreqCodeBytes(std::string_view text) {
    const std::optional<std::int64_t> hundredths = ParseScaledDecimal(text, 2, kFmHighestHundredths);
    if (!hundredths || *hundredths < kFmLowestHundredths ||
        (*hundredths - kFmLowestHundredths) % kFmStepHundredths != 0) {
        return std::nullopt;
    }
    const std::int64_t steps = (*hundredths - kFmLowestHundredths) / kFmStepHundredths;
    return std::array<std::uint8_t, 2>{static_cast<std::uint8_t>(steps / 256),
                                       static_cast<std::uint8_t>(steps % 256)};
}

// ---- channel-name code -----------------------------------------------------

std::optional<std::array<std::uint8_t, kChannelNameBytes>> ChannelNameBytes(std::string_view name) {
    const std::optional<std::vector<std::uint8_t>> bytes = PaddedTextBytes(name, kChannelNameBytes);
    if (!bytes) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kChannelNameBytes> result{};
    for (std::size_t i = 0; i < result.size(); ++i) {
        result[i] = (*bytes)[i];
    }
    return result;
}

std::optional<std::string> ChannelCode(std::string_view name) {
    const auto bytes = ChannelNameBytes(name);
    if (!bytes) {
        return std::nullopt;
    }
    std::string code;
    for (const std::uint8_t b : *bytes) {
        code += HexByte(b);
    }
    return code;
}

std::string ChannelNameText(std::span<const std::uint8_t, kChannelNameBytes> bytes) {
    return TrimPadding(ImageBytesToText(bytes));
}

// ---- padded texts ----------------------------------------------------------

std::string PaddedTextFromBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        if (b != 0xFF) {
            text += ImageByteToText(b);
        }
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> PaddedTextBytes(std::string_view text, int width) {
    std::optional<std::vector<std::uint8_t>> bytes = TextToImageBytes(text);
    if (!bytes || width < 0) {
        return std::nullopt;
    }
    bytes->resize(static_cast<std::size_t>(width), 0xFF);
    return bytes;
}

// ---- small helpers ---------------------------------------------------------

double HexToDouble(std::string_view text) {
    double value = 0.0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xC0) {
            continue;  // continuation byte: part of the character before
        }
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        }
        value = value * 16.0 + digit;
    }
    return value;
}

std::string TrimPadding(std::string_view text) {
    while (text.size() >= kPaddingCharacter.size() &&
           text.substr(text.size() - kPaddingCharacter.size()) == kPaddingCharacter) {
        text.remove_suffix(kPaddingCharacter.size());
    }
    return std::string(text);
}

}  // namespace qav
