#pragma once
// The one conversion between the program's texts (UTF-8) and the text bytes
// of the memory image (power-on text, ANI codes, group-call code, channel
// names): one byte per character. Decoding takes byte b as the character
// U+00bb, so every byte value round-trips; encoding refuses any character
// above U+00FF (and text that is not valid UTF-8). Every part of the codec
// that turns image bytes into text or back uses this pair.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qav {

// Image bytes -> UTF-8 text, one character per byte.
std::string ImageBytesToText(std::span<const std::uint8_t> bytes);

// One image byte -> its UTF-8 character.
std::string ImageByteToText(std::uint8_t byte);

// UTF-8 text -> image bytes, one byte per character; std::nullopt when the
// text is not valid UTF-8 or holds a character above U+00FF.
std::optional<std::vector<std::uint8_t>> TextToImageBytes(std::string_view text);

// Number of characters (code points) of a UTF-8 text; bytes that do not form
// a valid sequence count one each.
std::size_t TextLength(std::string_view text);

}  // namespace qav
