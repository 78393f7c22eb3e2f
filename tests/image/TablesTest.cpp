// MemoryImage, ChannelTables, band helpers and the layout constants.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "image/Band.h"
#include "image/ChannelTables.h"
#include "image/ImageLayout.h"
#include "image/MemoryImage.h"
#include "image/ModelProfile.h"

namespace qav {
namespace {

// The first model's sizes (Overview): 16 channels, ten option columns, 2000
// travelling bytes in an array of 2001.
ModelProfile SmallProfile() {
    ModelProfile p = kQav750;
    p.channelCount = 16;
    p.optionColumns = 10;
    p.imageSize = 2000;
    p.imageArraySize = 2001;
    return p;
}

TEST(MemoryImage, StartsAsZerosWithOneSpareByte) {
    const MemoryImage image(kQav750);
    EXPECT_EQ(image.size(), kQav750.imageSize);
    EXPECT_EQ(image.arraySize(), kQav750.imageArraySize);
    EXPECT_EQ(image.bytes().size(), static_cast<std::size_t>(kQav750.imageSize));
    for (const std::uint8_t b : image.bytes()) {
        ASSERT_EQ(b, 0);
    }
}

TEST(MemoryImage, TheSpareByteIsOutOfReach) {
    MemoryImage image(kQav750);
    const int spare = kQav750.imageSize;
    EXPECT_FALSE(image.Contains(spare));
    EXPECT_THROW(image.at(spare), std::out_of_range);
    EXPECT_THROW(image.at(-1), std::out_of_range);
    EXPECT_EQ(image.ValueOr(spare, 0xFF), 0xFF);
    EXPECT_EQ(image.ValueOr(-5, 0x12), 0x12);
    image.Fill(0xAA);
    EXPECT_EQ(image.ValueOr(spare, 0x00), 0x00);
}

TEST(MemoryImage, AssignCopiesIntoTheTravellingBytesOnly) {
    MemoryImage image(kQav750);
    const std::vector<std::uint8_t> block(16, 0x5A);
    image.Assign(block, 16);
    EXPECT_EQ(image.at(15), 0);
    EXPECT_EQ(image.at(16), 0x5A);
    EXPECT_EQ(image.at(31), 0x5A);
    EXPECT_EQ(image.at(32), 0);
    image.Assign(block, image.size() - 4);  // only 4 fit
    EXPECT_EQ(image.at(image.size() - 1), 0x5A);
    image.Assign(block, image.size());  // nothing fits
    image.Assign(block, -3);
    const std::vector<std::uint8_t> big(static_cast<std::size_t>(image.size()) + 10, 1);
    image.Assign(big);
    EXPECT_EQ(image.at(image.size() - 1), 1);
}

TEST(MemoryImage, EqualityComparesTheTravellingBytes) {
    MemoryImage a(kQav750);
    MemoryImage b(kQav750);
    EXPECT_EQ(a, b);
    b.at(100) = 1;
    EXPECT_NE(a, b);
}

TEST(MemoryImage, SizedFromTheProfile) {
    const MemoryImage image(SmallProfile());
    EXPECT_EQ(image.size(), 2000);
    EXPECT_EQ(image.arraySize(), 2001);
}

TEST(ChannelTables, SizedFromTheProfile) {
    const ChannelTables big(kQav750);
    EXPECT_EQ(big.channelCount(), kQav750.channelCount);
    EXPECT_EQ(big.optionColumns(), kQav750.optionColumns);
    ChannelTables small(SmallProfile());
    EXPECT_EQ(small.channelCount(), 16);
    EXPECT_EQ(small.optionColumns(), 10);
    small.ChannelOptions(15, 9) = 1;  // the Reverse column of the first model
    EXPECT_THROW(small.ChannelOptions(16, 0), std::out_of_range);
    EXPECT_THROW(small.ChannelOptions(0, 10), std::out_of_range);
    EXPECT_THROW(small.ChannelFreq(0, 2), std::out_of_range);
    EXPECT_THROW(small.ChannelName(-1), std::out_of_range);
    EXPECT_TRUE(small.HasChannel(15));
    EXPECT_FALSE(small.HasChannel(16));
}

TEST(ChannelTables, ClearChannelEmptiesEveryEntryOfOneChannel) {
    ChannelTables t(kQav750);
    for (int ch : {4, 5}) {
        t.ChannelFreq(ch, 0) = "435.12500";
        t.ChannelFreq(ch, 1) = "435.12500";
        for (int c = 0; c < t.optionColumns(); ++c) {
            t.ChannelOptions(ch, c) = 1;
            t.ChannelOptionText(ch, c) = "x";
        }
        t.ChannelName(ch) = "CH";
    }
    t.ClearChannel(4);
    EXPECT_EQ(t.ChannelFreq(4, 0), "");
    EXPECT_EQ(t.ChannelFreq(4, 1), "");
    for (int c = 0; c < t.optionColumns(); ++c) {
        EXPECT_EQ(t.ChannelOptions(4, c), 0);
        EXPECT_EQ(t.ChannelOptionText(4, c), "");
    }
    EXPECT_EQ(t.ChannelName(4), "");
    EXPECT_EQ(t.ChannelName(5), "CH");
    t.ClearAll();
    EXPECT_EQ(t, ChannelTables(kQav750));
}

TEST(Band, CodesAndIndexes) {
    EXPECT_EQ(BandIndexFromCode(3), 1);
    EXPECT_EQ(BandIndexFromCode(4), 2);
    for (int code : {0, 1, 2, 5, 255, -1}) {
        EXPECT_EQ(BandIndexFromCode(code), 0) << code;
    }
    EXPECT_EQ(BandCodeFromIndex(0), 0);
    EXPECT_EQ(BandCodeFromIndex(1), 3);
    EXPECT_EQ(BandCodeFromIndex(2), 4);
    EXPECT_FALSE(BandCodeFromIndex(-1));
    EXPECT_FALSE(BandCodeFromIndex(3));
}

TEST(Band, BoundsFromTheItemText) {
    const BandBounds b = BandBoundsFromText("400-470MHz");
    EXPECT_EQ(b.low, 400);
    EXPECT_EQ(b.high, 470);
    EXPECT_EQ(BandBoundsFromText("136-174MHz").high, 174);
    EXPECT_EQ(BandBoundsFromText("").low, 0);
    EXPECT_EQ(BandBoundsFromText("12").high, 0);
}

TEST(Layout, RegionsFollowEachOtherAndFitTheProfile) {
    using namespace layout;
    EXPECT_EQ(kChannelSlots, kQav750.channelCount);
    EXPECT_EQ(kChannelNameBlock + kQav750.channelCount * kChannelNameSize, kQav750.imageSize);
    EXPECT_EQ(kSettingsBlock + 48, kAniCodes);
    EXPECT_EQ(kAniEndCode + kAniCodeSize, kAniStartCode);
    EXPECT_EQ(kAniStartCode + kAniCodeSize, kAniFiller);
    EXPECT_EQ(kUnwrittenSize, 10);
    // Fillers do not overlap one another.
    std::vector<int> owner(static_cast<std::size_t>(kQav750.imageSize), 0);
    for (const ByteRange& r : kFillerRanges) {
        for (int i = r.first; i < r.first + r.count; ++i) {
            EXPECT_EQ(owner[static_cast<std::size_t>(i)]++, 0) << i;
        }
    }
}

}  // namespace
}  // namespace qav
