#include "image/Band.h"

#include "image/NumberText.h"

namespace qav {

int BandIndexFromCode(int bandCode) {
    if (bandCode == 3 || bandCode == 4) {
        return bandCode - 2;
    }
    return 0;
}

std::optional<int> BandCodeFromIndex(int bandIndex) {
    if (bandIndex < 0 || bandIndex >= static_cast<int>(kBandTexts.size())) {
        return std::nullopt;
    }
    return bandIndex == 0 ? 0 : bandIndex + 2;
}

BandBounds BandBoundsFromText(std::string_view bandText) {
    BandBounds bounds;
    bounds.low = Val(bandText.substr(0, 3));
    if (bandText.size() > 4) {
        bounds.high = Val(bandText.substr(4, 3));
    }
    return bounds;
}

}  // namespace qav
