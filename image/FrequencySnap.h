#pragma once
// Part 1.103: bringing frequencies onto the radio's rasters. All three
// routines work on the decimal text, are pure and never fail: a text outside
// their contract (see each) is handled as told there instead of raising.

#include <array>
#include <string>
#include <string_view>

namespace qav {

// The 32 raster points below 100 kHz, in units of 10 Hz, ascending
// (5 kHz and 6.25 kHz rasters merged); the first two characters of each are
// its whole kHz and no two entries share them.
extern const std::array<std::string_view, 32> kStepList;

// The frequency moved down onto the nearer of the 5 kHz / 6.25 kHz raster
// points below it; the text is one formatted "0.00000" (its last four
// characters count 10 Hz below 100 kHz). 435.12600 -> 435.125,
// 435.13200 -> 435.13125. Outside the contract (fewer than four characters,
// or last four not a number 0..9999) the result is the plain value of the
// text.
double SnapFrequency(std::string_view text);

// The text with its last four characters replaced by the last step-list
// entry whose whole kHz do not exceed the whole kHz of the text
// (435.13100 -> 435.13125). A text of fewer than four characters is returned
// unchanged; whole kHz below 0 (not a number there) give the entry 0000.
std::string SnapToStepList(std::string_view text);

// A number text with exactly two decimals, the second 0 or 5, truncating
// towards the lower 50 kHz step: 88 -> 88.00, 88.57 -> 88.55, 87.549 ->
// 87.50. The first point is taken as the decimal point; the other characters
// are not examined (a text that is no number keeps its characters).
std::string FormatHalfStep(std::string_view text);

}  // namespace qav
