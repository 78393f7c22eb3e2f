#include <gtest/gtest.h>

#include <vector>

#include "image/ImageText.h"

namespace qav {
namespace {

TEST(ImageText, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(b)};
        const std::string text = ImageBytesToText(bytes);
        EXPECT_EQ(TextLength(text), 1u) << b;
        const auto back = TextToImageBytes(text);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, bytes) << b;
    }
}

TEST(ImageText, BytesAreLatin1Characters) {
    const std::vector<std::uint8_t> bytes = {0x43, 0x48, 0x31, 0xE9, 0xFF};
    EXPECT_EQ(ImageBytesToText(bytes), "CH1\xC3\xA9\xC3\xBF");  // CH1éÿ
    EXPECT_EQ(ImageByteToText(0x41), "A");
    EXPECT_EQ(ImageByteToText(0xFF), "\xC3\xBF");
}

TEST(ImageText, RefusesWhatDoesNotFitOneByte) {
    EXPECT_FALSE(TextToImageBytes("CH\xE5\x90\x8D"));    // 名, U+540D
    EXPECT_FALSE(TextToImageBytes("\xC4\x80"));          // U+0100
    EXPECT_FALSE(TextToImageBytes("\xF0\x9F\x98\x80"));  // U+1F600
}

TEST(ImageText, RefusesInvalidUtf8) {
    EXPECT_FALSE(TextToImageBytes("\xFF"));
    EXPECT_FALSE(TextToImageBytes("\xC3"));          // cut short
    EXPECT_FALSE(TextToImageBytes("\xC0\x81"));      // overlong
    EXPECT_FALSE(TextToImageBytes("\xE0\x80\x81"));  // overlong
    EXPECT_FALSE(TextToImageBytes("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(TextToImageBytes("\xC3\x41"));      // bad continuation
}

TEST(ImageText, EmptyTextIsNoBytes) {
    const auto bytes = TextToImageBytes("");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->empty());
    EXPECT_EQ(ImageBytesToText({}), "");
}

TEST(ImageText, TextLengthCountsCharacters) {
    EXPECT_EQ(TextLength("关闭"), 2u);
    EXPECT_EQ(TextLength("Off"), 3u);
    EXPECT_EQ(TextLength("\xFF\xFE"), 2u);
}

}  // namespace
}  // namespace qav
