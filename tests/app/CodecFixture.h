#pragma once
// A started program run with the simulated radio as port 1, and the means of
// the codec tests: images to decode through the real forms, the image the
// forms encode, and a look at image bytes.

#include <QApplication>
#include <random>

#include "app/ImageBinding.h"
#include "app/MDIForm1.h"
#include "image/ImageLayout.h"
#include "tests/image/ImageTestSupport.h"
#include "tests/support/RadioFixture.h"

namespace qav::test {

class CodecFixture : public RadioFixture {
  protected:
    void SetUp() override {
        StartWithRadio();
        QApplication::setActiveWindow(&Run().MainWindow());
    }

    RunState& State() { return Run().state; }
    ImageBinding Binding() { return ImageBinding(Run()); }

    // The image as a read or a file leaves it, decoded into the forms.
    void Decode(const MemoryImage& image) {
        State().ReadImage = image;
        Run().DecodeImage();
    }
    // What the forms encode to now; fails the test when they are refused.
    MemoryImage Encoded() {
        EXPECT_TRUE(Run().EncodeImage()) << answerer.Texts().join('|').toStdString();
        return State().WriteImage;
    }

    // An image of valid values whose band is that of the band code (0, 3 or 4).
    static MemoryImage ValidImageOfBand(int bandCode, unsigned seed = 1) {
        for (;; ++seed) {
            std::mt19937 rng(seed);
            MemoryImage image = MakeValidImage(rng);
            if (image.at(layout::kBandCode) == bandCode) return image;
        }
    }

    static std::vector<std::uint8_t> Slice(const MemoryImage& image, int offset, int count) {
        std::vector<std::uint8_t> bytes;
        for (int i = offset; i < offset + count; ++i) bytes.push_back(image.at(i));
        return bytes;
    }
    static std::vector<std::uint8_t> ImageBytes(const MemoryImage& image) {
        return Slice(image, 0, image.size());
    }
};

}  // namespace qav::test
