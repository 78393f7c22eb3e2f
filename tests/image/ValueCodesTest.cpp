#include <gtest/gtest.h>

#include <array>
#include <string>

#include "TestNames.h"
#include "image/ValueCodes.h"

namespace qav {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;
using Bytes2 = std::array<std::uint8_t, 2>;

// ---- FreqBcd -----------------------------------------------------------------

struct FreqCase {
    const char* text;
    Bytes4 bytes;
};

class FreqBcdTest : public ::testing::TestWithParam<FreqCase> {};

TEST_P(FreqBcdTest, DecodesAndEncodes) {
    const FreqCase& c = GetParam();
    EXPECT_EQ(FreqBcdText(c.bytes), c.text);
    EXPECT_EQ(FreqBcdBytes(c.text), c.bytes);
    // FreqBcdByte: byte +0 from n = 4, +1 from 3, +2 from 2, +3 from 1.
    EXPECT_EQ(FreqBcdByte(c.text, 4), c.bytes[0]);
    EXPECT_EQ(FreqBcdByte(c.text, 3), c.bytes[1]);
    EXPECT_EQ(FreqBcdByte(c.text, 2), c.bytes[2]);
    EXPECT_EQ(FreqBcdByte(c.text, 1), c.bytes[3]);
}

INSTANTIATE_TEST_SUITE_P(Vectors, FreqBcdTest,
                         ::testing::Values(FreqCase{"435.12500", {0x00, 0x25, 0x51, 0x43}},
                                           FreqCase{"136.00000", {0x00, 0x00, 0x60, 0x13}},
                                           FreqCase{"173.99999", {0x99, 0x99, 0x39, 0x17}},
                                           FreqCase{"010.00000", {0x00, 0x00, 0x00, 0x01}},
                                           FreqCase{"000.00000", {0x00, 0x00, 0x00, 0x00}},
                                           FreqCase{"999.99999", {0x99, 0x99, 0x99, 0x99}},
                                           // Bytes that are no BCD go back as they came, pair by pair.
                                           FreqCase{"FFF.FFFFF", {0xFF, 0xFF, 0xFF, 0xFF}},
                                           FreqCase{"FFF.F0000", {0x00, 0x00, 0xFF, 0xFF}},
                                           FreqCase{"435.1A500", {0x00, 0xA5, 0x51, 0x43}},
                                           FreqCase{"0B0.0000C", {0x0C, 0x00, 0x00, 0x0B}}),
                         [](const auto& tc) { return qav::test::CaseName(tc.param.text, tc.index); });

TEST(FreqBcd, DecodesAnyBytesAsHexDigits) {
    EXPECT_EQ(FreqBcdText(Bytes4{0xFF, 0xFF, 0xFF, 0xFF}), "FFF.FFFFF");
    EXPECT_EQ(FreqBcdText(Bytes4{0x00, 0xA5, 0x51, 0x43}), "435.1A500");
}

TEST(FreqBcd, EncodesShorterDecimalTextsByValue) {
    EXPECT_EQ(FreqBcdBytes("435.125"), (Bytes4{0x00, 0x25, 0x51, 0x43}));
    EXPECT_EQ(FreqBcdBytes("10.00000"), (Bytes4{0x00, 0x00, 0x00, 0x01}));
    EXPECT_EQ(FreqBcdBytes("435"), (Bytes4{0x00, 0x00, 0x50, 0x43}));
}

TEST(FreqBcd, RefusesWhatIsNoFrequency) {
    for (const char* text :
         {"", "abc", "-1.00000", " 435.125", "435.125001", "1000.00000", "435,12500", "4.3.5",
          // Hex digits only in the full form a read gives, upper case.
          "FFF.FFFF", "FFF.FFFFFF", "FFFF.FFFF", "43A.125", "435.1a500", "43G.12500", "435.1A500 "}) {
        EXPECT_FALSE(FreqBcdBytes(text)) << text;
    }
}

TEST(FreqBcdByte, OtherByteNumbersGiveZero) {
    EXPECT_EQ(FreqBcdByte("435.12500", 5), 0);
    EXPECT_EQ(FreqBcdByte("435.12500", 0), 0);
    EXPECT_EQ(FreqBcdByte("", 1), 0);
    EXPECT_EQ(FreqBcdByte("4", 3), 0);
}

// ---- ToneCode ----------------------------------------------------------------

struct ToneCase {
    const char* text;
    Bytes2 bytes;  // low, high
    int index;
};

class ToneCodeTest : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneCodeTest, DecodesAndEncodes) {
    const ToneCase& c = GetParam();
    const DecodedTone tone = DecodeToneCode(c.bytes[0], c.bytes[1], LangEnglish);
    EXPECT_EQ(tone.text, c.text);
    EXPECT_EQ(tone.index, c.index);
    EXPECT_EQ(ToneCodeBytes(c.text), c.bytes);
    EXPECT_EQ(ToneCodeText(c.text), HexByte(c.bytes[0]) + HexByte(c.bytes[1]));
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, ToneCodeTest,
    ::testing::Values(ToneCase{"88.5", {0x85, 0x08}, 9}, ToneCase{"100.0", {0x00, 0x10}, 13},
                      ToneCase{"67.0", {0x70, 0x06}, 1}, ToneCase{"199.9", {0x99, 0x19}, 40},
                      ToneCase{"254.1", {0x41, 0x25}, 50}, ToneCase{"D023N", {0x23, 0x80}, 51},
                      ToneCase{"D754N", {0x54, 0x87}, 155}, ToneCase{"D703N", {0x03, 0x87}, 148},
                      ToneCase{"D023I", {0x23, 0xC0}, 156}, ToneCase{"D754I", {0x54, 0xC7}, 260}),
    [](const auto& tc) { return qav::test::CaseName(tc.param.text, tc.index); });

TEST(ToneCode, OffPairGivesTheOffTextOfTheLanguage) {
    EXPECT_EQ(DecodeToneCode(0xFF, 0xFF, LangEnglish).text, "Off");
    EXPECT_EQ(DecodeToneCode(0xFF, 0xFF, LangSimplified).text, "关闭");
    EXPECT_EQ(DecodeToneCode(0xFF, 0xFF, LangTraditional).text, "關閉");
    EXPECT_EQ(DecodeToneCode(0xFF, 0x12, LangEnglish).index, 0);  // low byte decides
}

TEST(ToneCode, TextInNoTableGivesIndexZero) {
    const DecodedTone tone = DecodeToneCode(0x50, 0x00, LangEnglish);
    EXPECT_EQ(tone.text, "05.0");
    EXPECT_EQ(tone.index, 0);
    EXPECT_EQ(DecodeToneCode(0x23, 0x8A, LangEnglish).text, "DA23N");
    EXPECT_EQ(DecodeToneCode(0x23, 0x8A, LangEnglish).index, 0);
}

TEST(ToneCode, StrictEncoderRefusesNonTableTexts) {
    for (const char* text : {"", "Off", "关闭", "05.0", "d023n", "D777N", "88.55", "D02"}) {
        EXPECT_FALSE(ToneCodeBytes(text)) << text;
    }
}

TEST(ToneCodeText, FollowsTheEncodingRules) {
    EXPECT_EQ(ToneCodeText("D023N"), "2380");
    EXPECT_EQ(ToneCodeText("D754I"), "54C7");
    EXPECT_EQ(ToneCodeText("88.5"), "8508");
    EXPECT_EQ(ToneCodeText("67.0"), "7006");
    EXPECT_EQ(ToneCodeText("N"), "");  // too short for its rule, no read past the end
}

// ---- FmFreqCode --------------------------------------------------------------

struct FmCase {
    const char* text;
    Bytes2 bytes;  // high, low
};

class FmFreqCodeTest : public ::testing::TestWithParam<FmCase> {};

TEST_P(FmFreqCodeTest, DecodesAndEncodes) {
    const FmCase& c = GetParam();
    EXPECT_EQ(FmFreqCodeText(c.bytes[0], c.bytes[1]), c.text);
    EXPECT_EQ(FmFreqCodeBytes(c.text), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Vectors, FmFreqCodeTest,
                         ::testing::Values(FmCase{"76.00", {0x00, 0x00}}, FmCase{"87.50", {0x00, 0xE6}},
                                           FmCase{"88.80", {0x01, 0x00}}, FmCase{"101.60", {0x02, 0x00}},
                                           FmCase{"101.65", {0x02, 0x01}}, FmCase{"107.95", {0x02, 0x7F}},
                                           FmCase{"108.00", {0x02, 0x80}}),
                         [](const auto& tc) { return qav::test::CaseName(tc.param.text, tc.index); });

TEST(FmFreqCode, EmptyPairsAndAbove108AreEmpty) {
    EXPECT_EQ(FmFreqCodeText(0xFF, 0xFF), "");
    EXPECT_EQ(FmFreqCodeText(0x02, 0x81), "");  // 108.05
    EXPECT_EQ(FmFreqCodeText(0xFF, 0x00), "");
    EXPECT_EQ(FmFreqCodeText(0x00, 0xFF), "88.75");
}

TEST(FmFreqCode, EncodesWholeHundredthsNotFloatingPoint) {
    // (101.6 - 76) * 20 is 511.99999999999994 in floating point.
    EXPECT_EQ(FmFreqCodeBytes("101.6"), (Bytes2{0x02, 0x00}));
    EXPECT_EQ(FmFreqCodeBytes("76"), (Bytes2{0x00, 0x00}));
    for (int steps = 0; steps <= 640; ++steps) {
        const std::string text =
            FmFreqCodeText(static_cast<std::uint8_t>(steps / 256), static_cast<std::uint8_t>(steps % 256));
        ASSERT_EQ(FmFreqCodeBytes(text),
                  (Bytes2{static_cast<std::uint8_t>(steps / 256), static_cast<std::uint8_t>(steps % 256)}))
            << text;
    }
}

TEST(FmFreqCode, RefusesWhatIsNoFmFrequency) {
    for (const char* text : {"", "abc", "75.95", "108.05", "101.62", "101.625", "-80", "1e2"}) {
        EXPECT_FALSE(FmFreqCodeBytes(text)) << text;
    }
}

// ---- channel-name code -------------------------------------------------------

TEST(ChannelCode, OneBytePerCharacter) {
    EXPECT_EQ(ChannelCode(""), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(ChannelCode("CH1"), "434831FFFFFFFFFF");
    EXPECT_EQ(ChannelCode("ABCDEFGH"), "4142434445464748");
    EXPECT_EQ(ChannelCode("ABCDEFGHI"), "4142434445464748");  // first 8 kept
    // A character that needs no two hex digits does not shift the others.
    EXPECT_EQ(ChannelCode("A\tB"), "410942FFFFFFFFFF");
    EXPECT_EQ(ChannelCode("\xC3\xA9"), "E9FFFFFFFFFFFFFF");  // é
    EXPECT_FALSE(ChannelCode("CH\xE5\x90\x8D"));             // 名 does not fit a byte
}

TEST(ChannelName, BytesBothWays) {
    using Name = std::array<std::uint8_t, kChannelNameBytes>;
    EXPECT_EQ(ChannelNameBytes("CH1"), (Name{0x43, 0x48, 0x31, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ChannelNameText(Name{0x43, 0x48, 0x31, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "CH1");
    EXPECT_EQ(ChannelNameText(Name{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "");
    // A 0xFF between other characters stays in the name.
    EXPECT_EQ(ChannelNameText(Name{0x41, 0xFF, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
              "A\xC3\xBF"
              "B");
    EXPECT_EQ(ChannelNameBytes("A\xC3\xBF"
                               "B"),
              (Name{0x41, 0xFF, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

// ---- padded texts ------------------------------------------------------------

TEST(PaddedText, SkipsFFWhereverItStands) {
    const std::array<std::uint8_t, 6> bytes = {0x41, 0xFF, 0x42, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(PaddedTextFromBytes(bytes), "AB");
    const std::array<std::uint8_t, 6> none = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(PaddedTextFromBytes(none), "");
}

TEST(PaddedText, PadsWithFFAndCutsAtTheWidth) {
    EXPECT_EQ(PaddedTextBytes("AB", 6), (std::vector<std::uint8_t>{0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(PaddedTextBytes("ABCDEFG", 6), (std::vector<std::uint8_t>{0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_FALSE(PaddedTextBytes("\xE5\x90\x8D", 6));
}

// ---- helpers -----------------------------------------------------------------

TEST(HexToDouble, FollowsThePart) {
    EXPECT_EQ(HexToDouble("FF"), 255);
    EXPECT_EQ(HexToDouble("ff"), 255);
    EXPECT_EQ(HexToDouble("0E6"), 230);
    EXPECT_EQ(HexToDouble(""), 0);
    EXPECT_EQ(HexToDouble("1G"), 16);  // a character that is no digit counts 0
    EXPECT_EQ(HexToDouble("\xC3\xA9"
                          "1"),
              1);  // one character, counting 0
}

TEST(TrimPadding, DropsOnlyTrailingCode255) {
    EXPECT_EQ(TrimPadding("AB\xC3\xBF\xC3\xBF"), "AB");
    EXPECT_EQ(TrimPadding("\xC3\xBF"
                          "A"),
              "\xC3\xBF"
              "A");
    EXPECT_EQ(TrimPadding("\xC3\xBF\xC3\xBF"), "");
    EXPECT_EQ(TrimPadding(""), "");
    EXPECT_EQ(TrimPadding("\xBF"), "\xBF");
}

TEST(HexByte, KeepsTheLeadingZero) {
    EXPECT_EQ(HexByte(0x03), "03");
    EXPECT_EQ(HexByte(0xC7), "C7");
}

}  // namespace
}  // namespace qav
