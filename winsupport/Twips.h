#pragma once
// Sizes the window layouts give in twips: 15 twips are one pixel at 96 dpi.
// Qt's device-independent pixels already follow the screen's scale.

namespace qav {

constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace qav
