#pragma once
// The four byte encodings of the memory image and their small
// conversion routines. All pure; none throws or reads outside what it is
// given.
//
//   FreqBcd     4 bytes, a radio frequency: eight BCD digits in 10 Hz, last
//               pair first (435.12500 MHz is 00 25 51 43); +0 = 0xFF: none.
//   ToneCode    2 bytes, low first: FF FF off; high 0x8d DCS normal, 0xCd DCS
//               inverted ("D023N" 23 80, "D754I" 54 C7); else CTCSS in tenths
//               of a hertz as BCD (88.5 Hz is 85 08).
//   FmFreqCode  2 bytes, HIGH first: (MHz - 76) x 20; FF FF empty; above
//               108 MHz also empty. Computed in whole hundredths of a MHz,
//               never in floating point (101.60 is 02 00).
//   channel-name code  8 bytes, one per character, 0xFF after the name.
//
// The `...Bytes` encoders are the strict halves the encoder uses: they return
// std::nullopt for a text they cannot encode, so the caller can report it
// instead of writing stale or shifted bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/Language.h"

namespace qav {

// ---- FreqBcd ---------------------------------------------------------------

// The text of 4 FreqBcd bytes in image order (+0..+3): the eight hex digits of
// +3, +2, +1, +0 with a point after the third ("435.12500"). No test for
// valid BCD digits is made (a byte 0x1A gives the digits "1A").
std::string FreqBcdText(std::span<const std::uint8_t, 4> bytes);

// `FreqBcdByte`: n = 1 the first two characters of the text
// read as hex, 2 and 3 characters 3-4 and 5-6 of the text without its point,
// 4 the last two characters; any other n gives 0. Missing characters are
// simply absent (a short text never reads out of range).
int FreqBcdByte(std::string_view text, int n);

// Strict encoder -> the 4 bytes in image order, for
// - a text as FreqBcdText gives it, three digits, a point and five digits,
//   each 0-9 or A-F: pair by pair as hex, so that what a read gave goes back
//   unchanged ("FFF.FFFFF" FF FF FF FF, "435.1A500" 00 A5 51 43);
// - a decimal frequency text in MHz (digits with at most one point, at most
//   three integer digits and five significant decimals, e.g. "435.125",
//   "10.00000"), by its value.
// Anything else (empty, other letters, lower case, sign, blanks, >= 1000 MHz)
// gives nullopt.
std::optional<std::array<std::uint8_t, 4>> FreqBcdBytes(std::string_view text);

// ---- ToneCode --------------------------------------------------------------

struct DecodedTone {
    std::string text;  // tone text, or the off text of the language
    int index = 0;     // ToneTable index; 0 for off and for texts in no table
};

// Decodes a tone pair (low byte L first, high byte H): L = 0xFF is off; a
// high hex digit 8 gives "D" + second digit of H + L as two digits + "N", C
// the same with "I"; otherwise CTCSS: H as hex without leading zero, the
// first hex digit of L, ".", the second ("67.0" from 70 06).
DecodedTone DecodeToneCode(std::uint8_t low, std::uint8_t high, Language language);

// `ToneCodeText`: the four hex digits of the two ToneCode bytes
// in image order ("D023N" -> "2380", "88.5" -> "8508"). A text too short for
// its rule gives the empty text.
std::string ToneCodeText(std::string_view toneText);

// Strict encoder: a text of the ToneTable (entries 1..260) -> the two bytes
// in image order (low, high). Any other text, the off texts included, gives
// nullopt (the caller writes FF FF for list index 0 itself).
std::optional<std::array<std::uint8_t, 2>> ToneCodeBytes(std::string_view toneText);

// ---- FmFreqCode ------------------------------------------------------------

// FM text of a pair (high byte first): FF FF or above 108 MHz -> empty; else
// the frequency with two decimals ("87.50", "101.60").
std::string FmFreqCodeText(std::uint8_t high, std::uint8_t low);

// Strict encoder: an FM frequency text 76..108 MHz on the 50 kHz raster
// ("101.6", "87.50", "76") -> {high, low}. Anything else gives nullopt.
std::optional<std::array<std::uint8_t, 2>> FmFreqCodeBytes(std::string_view text);

// ---- channel-name code -----------------------------------------------------

inline constexpr int kChannelNameBytes = 8;

// `ChannelCode`, one byte per character: 16 hex digits, each
// character's code as two digits, "FF" for each missing character, only the
// first 8 characters of a longer name. A character that does not fit one byte
// gives nullopt (it is never allowed to shift the following bytes).
std::optional<std::string> ChannelCode(std::string_view name);

// The same as the 8 bytes themselves.
std::optional<std::array<std::uint8_t, kChannelNameBytes>> ChannelNameBytes(std::string_view name);

// A name from its 8 bytes: each byte one character (0xFF included), then
// TrimPadding; a 0xFF between other characters stays.
std::string ChannelNameText(std::span<const std::uint8_t, kChannelNameBytes> bytes);

// ---- padded texts (power-on text, ANI codes) -------------------------------

// The bytes other than 0xFF, each as one character, joined (0xFF skipped
// wherever it stands): 41 FF 42 FF FF FF gives "AB".
std::string PaddedTextFromBytes(std::span<const std::uint8_t> bytes);

// `width` bytes: character i's code for i < length, 0xFF after the text; only
// the first `width` characters of a longer text. A character that does not fit
// one byte gives nullopt.
std::optional<std::vector<std::uint8_t>> PaddedTextBytes(std::string_view text, int width);

// ---- small helpers ---------------------------------------------------------

// `HexToDouble`: "A".."F"/"a".."f" count 10..15, "0".."9" their
// value, any other character 0; value = sum of digit x 16^(characters after
// it). The empty text gives 0. ("FF" 255, "0E6" 230.)
double HexToDouble(std::string_view text);

// `TrimPadding`: the text without trailing characters of code 255 (U+00FF,
// the character an image byte 0xFF decodes to).
std::string TrimPadding(std::string_view text);

// Two upper-case hex digits of a byte, leading zero kept.
std::string HexByte(std::uint8_t value);

}  // namespace qav
