#pragma once
// The band selector of the main window (`MDIForm1.Combo1`) as far as the
// image is concerned: its item texts, the radio's band digit `BandCode`
// (image byte 1814) and the band limits read from an item text.

#include <array>
#include <optional>
#include <string_view>

namespace qav {

// The band selector's items, in list order.
inline constexpr std::array<std::string_view, 3> kBandTexts = {"136-174MHz", "350-390MHz", "400-470MHz"};

// Band selector index for a `BandCode`: 3 -> 1, 4 -> 2, any other -> 0.
int BandIndexFromCode(int bandCode);

// Byte 1814 for a band selector index: 0 -> 0, n > 0 -> n + 2. An index
// below 0 (no selection) or past the band list gives nullopt.
std::optional<int> BandCodeFromIndex(int bandIndex);

struct BandBounds {
    double low = 0;   // numeric value of characters 1..3 of the item text
    double high = 0;  // numeric value of characters 5..7
};

// "400-470MHz" gives 400 and 470. Never fails: missing characters give 0.
BandBounds BandBoundsFromText(std::string_view bandText);

}  // namespace qav
