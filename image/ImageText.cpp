#include "image/ImageText.h"

namespace qav {
namespace {

// Decodes one UTF-8 sequence at text[i]; returns the code point and moves i
// past it, or returns -1 (and moves i by one byte) for an invalid sequence.
long NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    long cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++i;
        return -1;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are invalid.
    if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

}  // namespace

std::string ImageByteToText(std::uint8_t byte) {
    std::string text;
    if (byte < 0x80) {
        text += static_cast<char>(byte);
    } else {
        text += static_cast<char>(0xC0 | (byte >> 6));
        text += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return text;
}

std::string ImageBytesToText(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t b : bytes) {
        text += ImageByteToText(b);
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> TextToImageBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const long cp = NextCodePoint(text, i);
        if (cp < 0 || cp > 0xFF) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(cp));
    }
    return bytes;
}

std::size_t TextLength(std::string_view text) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        NextCodePoint(text, i);
        ++count;
    }
    return count;
}

}  // namespace qav
