#pragma once
// Helpers shared by the image tests: a decode context with the English option
// lists, a valid working state (the forms' StartForm defaults), and seeded
// generators of valid and of arbitrary images.

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string_view>

#include "image/ChannelTables.h"
#include "image/ImageDecoder.h"
#include "image/ImageFields.h"
#include "image/MemoryImage.h"
#include "image/RadioValues.h"

namespace qav::test {

// The channel editor's option lists (Part 4.101), English.
DecodeContext EnglishContext();

// Everything EncodeImage reads.
struct WorkingState {
    ImageFields fields;
    ChannelTables tables{kQav750};
    FmValues fm;
    PowerGradeValues grades;
};

// The defaults of a new data set (StartForm of Forms 2 and 3, band
// 400-470 MHz, tuning defaults), with no channels: encodes without faults.
WorkingState DefaultState();

// The working state a decode yields.
WorkingState StateOf(const DecodedImage& decoded);

// Puts bytes at an offset.
void Put(MemoryImage& image, int offset, std::initializer_list<std::uint8_t> bytes);
// Puts the FreqBcd bytes of a frequency text.
void PutFreq(MemoryImage& image, int offset, std::string_view text);

// An image made only of valid values (Part 1.104's decoder applies no
// fallback and no snapping to it, and SetGrid removes no channel): every byte
// the encoder writes comes back from encode(decode(image)). Bytes 2006..2015
// are random.
MemoryImage MakeValidImage(std::mt19937& rng);

// Every byte random.
MemoryImage MakeRandomImage(std::mt19937& rng);

// Random bytes drawn mostly from the values the rules test for (0, 1, 0xFF,
// BCD digits, small numbers), to reach the decoder's branches more often.
MemoryImage MakeEdgyImage(std::mt19937& rng);

}  // namespace qav::test
