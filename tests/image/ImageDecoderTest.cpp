#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "ImageTestSupport.h"
#include "TestNames.h"
#include "image/ImageDecoder.h"
#include "image/ImageLayout.h"

namespace qav {
namespace {

using namespace layout;
using test::EnglishContext;
using test::Put;
using test::PutFreq;

MemoryImage AllFF() {
    MemoryImage image(kQav750);
    image.Fill(0xFF);
    return image;
}

// A channel record in the 400-470 MHz band, channel ch (0-based).
void PutChannel(MemoryImage& image, int ch, const char* rx, const char* tx) {
    const int b = ch * kChannelRecordSize;
    PutFreq(image, b, rx);
    if (tx != nullptr) {
        PutFreq(image, b + kRecTxFreq, tx);
    }
    Put(image, b + kRecRxTone, {0x85, 0x08});
    Put(image, b + kRecTxTone, {0xFF, 0xFF});
    image.at(b + kRecFlags) = 0x5B;  // 0101 1011
}

TEST(DecodeImage, EveryByteFFGivesTheFallbacks) {
    const DecodedImage d = DecodeImage(AllFF(), EnglishContext());
    const Form3Fields& f3 = d.fields.form3;
    const Form2Fields& f2 = d.fields.form2;
    EXPECT_EQ(f3.Combo1, 1);
    EXPECT_EQ(f3.Text2, "");
    EXPECT_EQ(f3.Combo3, 1);
    EXPECT_EQ(f2.Combo1, 0);
    EXPECT_EQ(f3.Combo5, 5);
    EXPECT_EQ(f3.Text6, "");
    for (int v : {f3.Combo7, f3.Combo8, f3.Combo9, f3.ComboMod, f3.Combo10, f3.Combo18, f3.Combo11}) {
        EXPECT_EQ(v, 1);
    }
    EXPECT_EQ(f3.Check12, 0);
    EXPECT_EQ(f3.Check13, 0);
    EXPECT_EQ(f3.Combo14, 5);
    EXPECT_EQ(f3.Combo15, 1);
    EXPECT_EQ(f2.Combo16, 1);
    EXPECT_EQ(f2.Combo17, 6);
    EXPECT_EQ(f2.Combo18, 0);
    EXPECT_EQ(f3.Combo19, 4);
    EXPECT_EQ(d.BandCode, 255);
    EXPECT_EQ(d.fields.mdiForm1.Combo1, 0);
    EXPECT_EQ(f3.Text31, "");
    EXPECT_EQ(f3.Text20, "FFF.F0000");  // FreqBcd text through SnapToStepList, no band test
    EXPECT_EQ(f3.Text21, "0.00000");
    EXPECT_EQ(f3.Combo22, 0);
    EXPECT_EQ(f3.Combo23, 0);
    for (int v : {f3.Combo24, f3.Combo25, f3.Combo26, f3.Combo27, f3.Combo28, f3.Combo12, f3.Combo29}) {
        EXPECT_EQ(v, 1);
    }
    EXPECT_EQ(f3.Combo30, std::nullopt);  // no range rule: the control keeps its value
    EXPECT_EQ(f2.Text4, "");
    EXPECT_EQ(f2.Text2, "");
    for (int k = 0; k < kFmChannelCount; ++k) {
        EXPECT_EQ(d.fm.FmChannelFreq[static_cast<std::size_t>(k)], "");
        EXPECT_EQ(d.fields.form5.MSFGrid[static_cast<std::size_t>(k)], "");
    }
    EXPECT_EQ(d.fm.FmChannelNo, 255);
    EXPECT_EQ(d.fm.FmDisplayMode, 255);
    EXPECT_EQ(d.fm.FmStep, 255);
    EXPECT_EQ(d.fields.form5.Combo1_0, "255");
    EXPECT_EQ(d.fields.form5.Combo1_1, std::nullopt);
    EXPECT_EQ(d.fields.form5.Combo1_2, std::nullopt);
    EXPECT_EQ(d.fm.FmFrequency, "");
    EXPECT_EQ(d.fields.form5.Text2, "");
    EXPECT_EQ(f3.Combo2, 1);  // FM radio on
    EXPECT_EQ(f3.Combo6, 1);
    EXPECT_EQ(f3.Combo13, 0);  // de-emphasis off
    EXPECT_EQ(f3.Combo16, 0);
    for (int g : d.grades.PowerGrades) {
        EXPECT_EQ(g, 255);
    }
    EXPECT_EQ(d.grades.LowPowerLowGrade, 255);
    EXPECT_EQ(d.tables, ChannelTables(kQav750));  // every channel empty, every name empty
}

// One settings byte, one control: the rule "v < n: index v; else fallback".
struct ByteRule {
    const char* name;
    int offset;
    int value;
    std::function<std::optional<int>(const ImageFields&)> control;
    std::optional<int> expected;
};

void PrintTo(const ByteRule& rule, std::ostream* os) {
    *os << rule.name << " byte " << rule.offset << " = " << rule.value;
}

class SettingsByteTest : public ::testing::TestWithParam<ByteRule> {};

TEST_P(SettingsByteTest, FollowsItsRule) {
    MemoryImage image = AllFF();
    image.at(GetParam().offset) = static_cast<std::uint8_t>(GetParam().value);
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(GetParam().control(d.fields), GetParam().expected)
        << GetParam().name << " byte " << GetParam().value;
}

#define FIELD(path) [](const ImageFields& f) -> std::optional<int> { return f.path; }

INSTANTIATE_TEST_SUITE_P(
    Layout, SettingsByteTest,
    ::testing::Values(ByteRule{"DisplayMode", kDisplayMode, 3, FIELD(form3.Combo1), 3},
                      ByteRule{"DisplayMode", kDisplayMode, 4, FIELD(form3.Combo1), 1},
                      ByteRule{"Step", kStepFrequency, 3, FIELD(form3.Combo3), 3},
                      ByteRule{"Step 25 kHz", kStepFrequency, 4, FIELD(form3.Combo3), 4},  // sound behaviour
                      ByteRule{"Step", kStepFrequency, 5, FIELD(form3.Combo3), 1},
                      ByteRule{"AniSendMode", kAniSendMode, 2, FIELD(form2.Combo1), 2},
                      ByteRule{"AniSendMode", kAniSendMode, 3, FIELD(form2.Combo1), std::nullopt},
                      ByteRule{"AniSendMode", kAniSendMode, 4, FIELD(form2.Combo1), 0},
                      ByteRule{"Squelch", kSquelchLevel, 9, FIELD(form3.Combo5), 9},
                      ByteRule{"Squelch", kSquelchLevel, 10, FIELD(form3.Combo5), 5},
                      ByteRule{"Check12", kVoxAllowCancel, 1, FIELD(form3.Check12), 1},
                      ByteRule{"Check12", kVoxAllowCancel, 2, FIELD(form3.Check12), 0},
                      ByteRule{"Check13", kVoxInhibitOnReceive, 1, FIELD(form3.Check13), 1},
                      ByteRule{"Check13", kVoxInhibitOnReceive, 2, FIELD(form3.Check13), 0},
                      ByteRule{"VoxGain", kVoxGain, 0, FIELD(form3.Combo14), 0},
                      ByteRule{"VoxGain", kVoxGain, 10, FIELD(form3.Combo14), 5},
                      ByteRule{"VoxDelay", kVoxDelay, 5, FIELD(form3.Combo15), 5},
                      ByteRule{"VoxDelay", kVoxDelay, 6, FIELD(form3.Combo15), 1},
                      ByteRule{"DtmfRate", kDtmfRate, 0, FIELD(form2.Combo16), 0},
                      ByteRule{"DtmfRate", kDtmfRate, 2, FIELD(form2.Combo16), 1},
                      ByteRule{"FirstDigit", kFirstDigitDelay, 9, FIELD(form2.Combo17), 9},
                      ByteRule{"FirstDigit", kFirstDigitDelay, 10, FIELD(form2.Combo17), 6},
                      ByteRule{"Group *", kGroupCallCode, 42, FIELD(form2.Combo18), 1},
                      ByteRule{"Group #", kGroupCallCode, 35, FIELD(form2.Combo18), 2},
                      ByteRule{"Group A", kGroupCallCode, 65, FIELD(form2.Combo18), 3},
                      ByteRule{"Group D", kGroupCallCode, 68, FIELD(form2.Combo18), 6},
                      ByteRule{"Group E", kGroupCallCode, 69, FIELD(form2.Combo18), 0},
                      ByteRule{"Group a", kGroupCallCode, 97, FIELD(form2.Combo18), 0},
                      ByteRule{"Timeout", kTxTimeout, 40, FIELD(form3.Combo19), 40},
                      ByteRule{"Timeout", kTxTimeout, 41, FIELD(form3.Combo19), 4},
                      ByteRule{"Band 3", kBandCode, 3, FIELD(mdiForm1.Combo1), 1},
                      ByteRule{"Band 4", kBandCode, 4, FIELD(mdiForm1.Combo1), 2},
                      ByteRule{"Band 0", kBandCode, 0, FIELD(mdiForm1.Combo1), 0},
                      ByteRule{"Band 1", kBandCode, 1, FIELD(mdiForm1.Combo1), 0},
                      ByteRule{"Band 2", kBandCode, 2, FIELD(mdiForm1.Combo1), 0},
                      ByteRule{"Band 5", kBandCode, 5, FIELD(mdiForm1.Combo1), 0},
                      ByteRule{"Offset dir", kVfoOffsetDirection, 2, FIELD(form3.Combo30), 2},
                      ByteRule{"Offset dir", kVfoOffsetDirection, 3, FIELD(form3.Combo30), std::nullopt},
                      ByteRule{"FM display", kFmDisplayMode, 1, FIELD(form5.Combo1_1), 1},
                      ByteRule{"FM display", kFmDisplayMode, 2, FIELD(form5.Combo1_1), std::nullopt},
                      ByteRule{"FM step", kFmStep, 2, FIELD(form5.Combo1_2), 2},
                      ByteRule{"FM step", kFmStep, 3, FIELD(form5.Combo1_2), std::nullopt},
                      ByteRule{"FmFunction", kFmFunction, 0, FIELD(form3.Combo2), 0},
                      ByteRule{"FmFunction", kFmFunction, 2, FIELD(form3.Combo2), 1},
                      ByteRule{"Scrambler", kScramblerSwitch, 0, FIELD(form3.Combo6), 0},
                      ByteRule{"Scrambler", kScramblerSwitch, 2, FIELD(form3.Combo6), 1},
                      ByteRule{"DeEmphasis", kDeEmphasis, 1, FIELD(form3.Combo13), 1},
                      ByteRule{"DeEmphasis", kDeEmphasis, 2, FIELD(form3.Combo13), 0},
                      ByteRule{"VfoSwitch", kVfoSwitch, 1, FIELD(form3.Combo16), 1},
                      ByteRule{"VfoSwitch", kVfoSwitch, 2, FIELD(form3.Combo16), 0}),
    [](const auto& tc) { return qav::test::CaseName(tc.param.name, tc.index); });

TEST(DecodeImage, ChannelNumberTexts) {
    for (const auto& [byte, text] : std::initializer_list<std::pair<int, const char*>>{
             {0, "0"}, {1, "1"}, {7, "7"}, {128, "128"}, {129, ""}, {255, ""}}) {
        MemoryImage image = AllFF();
        image.at(kPriorityChannel) = static_cast<std::uint8_t>(byte);
        image.at(kPresentChannel) = static_cast<std::uint8_t>(byte);
        const DecodedImage d = DecodeImage(image, EnglishContext());
        EXPECT_EQ(d.fields.form3.Text2, text) << byte;
        EXPECT_EQ(d.fields.form3.Text6, text) << byte;
    }
}

TEST(DecodeImage, FlagBitsGoToTheirControls) {
    MemoryImage image = AllFF();
    image.at(kFunctionFlags) = 0b1010'0101;  // bits 0, 2, 5, 7
    image.at(kVfoFlags) = 0b0101'1000;       // bits 3, 4, 6
    const DecodedImage d = DecodeImage(image, EnglishContext());
    const Form3Fields& f = d.fields.form3;
    EXPECT_EQ(f.Combo7, 1);
    EXPECT_EQ(f.Combo8, 1);
    EXPECT_EQ(f.Combo9, 0);
    EXPECT_EQ(f.ComboMod, 0);
    EXPECT_EQ(f.Combo10, 1);
    EXPECT_EQ(f.Combo18, 0);
    EXPECT_EQ(f.Combo11, 1);
    EXPECT_EQ(f.Combo24, 0);
    EXPECT_EQ(f.Combo25, 0);
    EXPECT_EQ(f.Combo26, 1);
    EXPECT_EQ(f.Combo27, 1);
    EXPECT_EQ(f.Combo28, 0);
    EXPECT_EQ(f.Combo12, 1);
    EXPECT_EQ(f.Combo29, 0);
}

TEST(DecodeImage, BitOneIsNeverRead) {
    MemoryImage set = AllFF();
    PutChannel(set, 0, "435.12500", "435.12500");
    set.at(kBandCode) = 4;
    MemoryImage clear = set;
    set.at(kRecFlags) |= 0x02;
    clear.at(kRecFlags) &= static_cast<std::uint8_t>(~0x02);
    set.at(kFunctionFlags) = 0x57;
    clear.at(kFunctionFlags) = 0x55;
    set.at(kVfoFlags) = 0xAB;
    clear.at(kVfoFlags) = 0xA9;
    const DecodedImage a = DecodeImage(set, EnglishContext());
    const DecodedImage b = DecodeImage(clear, EnglishContext());
    EXPECT_EQ(a.fields, b.fields);
    EXPECT_EQ(a.tables, b.tables);
}

TEST(DecodeImage, ChannelIntoTheTables) {
    MemoryImage image = AllFF();
    image.at(kBandCode) = 4;
    PutChannel(image, 2, "435.12500", "440.00000");
    const DecodedImage d = DecodeImage(image, EnglishContext());
    const ChannelTables& t = d.tables;
    EXPECT_EQ(t.ChannelFreq(2, 0), "435.12500");
    EXPECT_EQ(t.ChannelFreq(2, 1), "440.00000");
    EXPECT_EQ(t.ChannelOptionText(2, 0), "88.5");
    EXPECT_EQ(t.ChannelOptions(2, 0), 9);
    EXPECT_EQ(t.ChannelOptionText(2, 1), "Off");
    EXPECT_EQ(t.ChannelOptions(2, 1), 0);
    // Flags 0x5B = bits 0, 1, 3, 4, 6: power 1, busy 0, scan 1, band 1, ANI 0, scr 1, comp 0.
    const int expected[] = {1, 0, 1, 1, 0, 1, 0};
    const char* texts[] = {"High", "Carry", "On", "wide", "On", "Off", "Off"};
    for (int c = 2; c <= 8; ++c) {
        EXPECT_EQ(t.ChannelOptions(2, c), expected[c - 2]) << c;
        EXPECT_EQ(t.ChannelOptionText(2, c), texts[c - 2]) << c;
    }
}

TEST(DecodeImage, OffToneTextFollowsTheLanguage) {
    MemoryImage image = AllFF();
    image.at(kBandCode) = 4;
    PutChannel(image, 0, "435.12500", nullptr);
    DecodeContext context = EnglishContext();
    context.language = LangSimplified;
    EXPECT_EQ(DecodeImage(image, context).tables.ChannelOptionText(0, 1), "关闭");
    context.language = LangTraditional;
    EXPECT_EQ(DecodeImage(image, context).tables.ChannelOptionText(0, 1), "關閉");
}

TEST(DecodeImage, NoTransmitFrequencyIsAnEmptyText) {
    MemoryImage image = AllFF();
    image.at(kBandCode) = 4;
    PutChannel(image, 0, "435.12500", nullptr);
    image.at(kRecTxFreq + 1) = 0x12;  // only +4 decides
    EXPECT_EQ(DecodeImage(image, EnglishContext()).tables.ChannelFreq(0, 1), "");
}

TEST(DecodeImage, ReceiveByteFFClearsTheChannelWhateverElseItHolds) {
    MemoryImage image = AllFF();
    image.at(kBandCode) = 4;
    PutChannel(image, 5, "435.12500", "435.12500");
    image.at(5 * kChannelRecordSize) = 0xFF;
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.tables.ChannelFreq(5, 0), "");
    EXPECT_EQ(d.tables.ChannelFreq(5, 1), "");
    EXPECT_EQ(d.tables.ChannelOptions(5, 2), 0);
}

TEST(DecodeImage, ChannelOutsideTheBandIsRemovedButKeepsItsName) {
    MemoryImage image = AllFF();
    image.at(kBandCode) = 0;  // 136-174 MHz
    PutChannel(image, 0, "435.12500", "435.12500");
    PutChannel(image, 1, "150.00000", "150.00000");
    PutChannel(image, 2, "174.00000", "174.00000");  // the upper limit is outside
    PutChannel(image, 3, "136.00000", "136.00000");  // the lower limit is inside
    Put(image, kChannelNameBlock, {'C', 'H', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.tables.ChannelFreq(0, 0), "");
    EXPECT_EQ(d.tables.ChannelOptionText(0, 0), "");
    EXPECT_EQ(d.tables.ChannelName(0), "CH1");
    EXPECT_EQ(d.tables.ChannelFreq(1, 0), "150.00000");
    EXPECT_EQ(d.tables.ChannelFreq(2, 0), "");
    EXPECT_EQ(d.tables.ChannelFreq(3, 0), "136.00000");
}

TEST(DecodeImage, BandLimitsComeFromTheBandTexts) {
    MemoryImage image = AllFF();
    image.at(kBandCode) = 3;
    PutChannel(image, 0, "360.00000", nullptr);
    DecodeContext context = EnglishContext();
    EXPECT_EQ(DecodeImage(image, context).tables.ChannelFreq(0, 0), "360.00000");
    context.bandTexts = {"136-174MHz", "370-390MHz", "400-470MHz"};
    EXPECT_EQ(DecodeImage(image, context).tables.ChannelFreq(0, 0), "");
}

TEST(DecodeImage, TextsOfTheSettingsBlock) {
    MemoryImage image = AllFF();
    Put(image, kPowerOnText, {0x41, 0xFF, 0x42, 0xFF, 0xFF, 0xFF});
    Put(image, kAniEndCode, {'1', '2', '#'});
    Put(image, kAniStartCode,
        {'A', 'B', 'C', 'D', '*', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A'});
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.fields.form3.Text31, "AB");
    EXPECT_EQ(d.fields.form2.Text4, "12#");
    EXPECT_EQ(d.fields.form2.Text2, "ABCD*0123456789A");
}

TEST(DecodeImage, VfoFrequencyAndOffset) {
    MemoryImage image = AllFF();
    PutFreq(image, kVfoFrequency, "435.13100");  // not on the step list
    PutFreq(image, kVfoOffset, "010.00000");
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.fields.form3.Text20, "435.13125");
    EXPECT_EQ(d.fields.form3.Text21, "10.00000");
    PutFreq(image, kVfoFrequency, "100.00000");  // no band test
    PutFreq(image, kVfoOffset, "005.18300");
    const DecodedImage e = DecodeImage(image, EnglishContext());
    EXPECT_EQ(e.fields.form3.Text20, "100.00000");
    EXPECT_EQ(e.fields.form3.Text21, "5.18125");
}

TEST(DecodeImage, VfoTonesDecodeLikeChannelTones) {
    MemoryImage image = AllFF();
    Put(image, kVfoRxTone, {0x85, 0x08});
    Put(image, kVfoTxTone, {0x03, 0x87});
    DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.fields.form3.Combo22, 9);
    EXPECT_EQ(d.fields.form3.Combo23, 148);
    Put(image, kVfoRxTone, {0x50, 0x00});  // "05.0", in no table
    d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.fields.form3.Combo22, 0);
}

TEST(DecodeImage, FmChannelsAndSettings) {
    MemoryImage image = AllFF();
    Put(image, kFmChannelBlock, {0x01, 0x00});
    Put(image, kFmChannelBlock + 2, {0x02, 0x80});
    Put(image, kFmChannelBlock + 4, {0x02, 0x81});
    Put(image, kFmChannelBlock + 62, {0x00, 0xE6});
    Put(image, kFmChannelNo, {16, 1, 2});
    Put(image, kFmFrequency, {0x02, 0x00});
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.fm.FmChannelFreq[0], "88.80");
    EXPECT_EQ(d.fm.FmChannelFreq[1], "108.00");
    EXPECT_EQ(d.fm.FmChannelFreq[2], "");
    EXPECT_EQ(d.fm.FmChannelFreq[31], "87.50");
    EXPECT_EQ(d.fields.form5.MSFGrid, d.fm.FmChannelFreq);
    EXPECT_EQ(d.fm.FmChannelNo, 16);
    EXPECT_EQ(d.fields.form5.Combo1_0, "16");
    EXPECT_EQ(d.fm.FmDisplayMode, 1);
    EXPECT_EQ(d.fields.form5.Combo1_1, 1);
    EXPECT_EQ(d.fm.FmStep, 2);
    EXPECT_EQ(d.fields.form5.Combo1_2, 2);
    EXPECT_EQ(d.fm.FmFrequency, "101.60");
    EXPECT_EQ(d.fields.form5.Text2, "101.60");
}

TEST(DecodeImage, PowerGrades) {
    MemoryImage image = AllFF();
    Put(image, kTuningBlock, {11, 0xFF, 44, 10, 22, 0xFF, 0xFF, 33, 55});
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.grades.PowerGrades[0], 10);
    EXPECT_EQ(d.grades.PowerGrades[1], 11);
    EXPECT_EQ(d.grades.PowerGrades[2], 22);
    EXPECT_EQ(d.grades.PowerGrades[3], 33);
    EXPECT_EQ(d.grades.PowerGrades[4], 44);
    EXPECT_EQ(d.grades.LowPowerLowGrade, 55);
}

TEST(DecodeImage, NamesForEveryChannel) {
    MemoryImage image = AllFF();
    const int last = kQav750.channelCount - 1;
    Put(image, kChannelNameBlock + last * kChannelNameSize, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'});
    Put(image, kChannelNameBlock + 8, {'X', 0xFF, 'Y', 0xFF});
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.tables.ChannelName(last), "ABCDEFGH");
    EXPECT_EQ(d.tables.ChannelName(1), "X\xC3\xBFY");
    EXPECT_EQ(d.tables.ChannelName(0), "");
}

TEST(DecodeImage, MissingOptionItemsGiveEmptyTexts) {
    MemoryImage image = AllFF();
    image.at(kBandCode) = 4;
    PutChannel(image, 0, "435.12500", nullptr);
    DecodeContext context;  // no option items
    const DecodedImage d = DecodeImage(image, context);
    EXPECT_EQ(d.tables.ChannelOptions(0, 2), 1);
    EXPECT_EQ(d.tables.ChannelOptionText(0, 2), "");
}

TEST(DecodeImage, ASmallerImageIsReadAsErasedPastItsEnd) {
    ModelProfile small = kQav750;
    small.imageSize = 2000;
    small.imageArraySize = 2001;
    MemoryImage image(small);
    image.Fill(0);
    const DecodedImage d = DecodeImage(image, EnglishContext());
    EXPECT_EQ(d.fields.form3.Combo2, 1);  // 2016 missing: 0xFF, FM radio on
    EXPECT_EQ(d.grades.LowPowerLowGrade, 255);
    EXPECT_EQ(d.tables.ChannelName(0), "");
}

TEST(DecodeImage, TablesSizedFromTheContextsProfile) {
    ModelProfile small = kQav750;
    small.channelCount = 16;
    small.optionColumns = 10;
    DecodeContext context = EnglishContext();
    context.profile = &small;
    MemoryImage image = AllFF();
    image.at(kBandCode) = 4;
    PutChannel(image, 15, "435.12500", nullptr);
    PutChannel(image, 16, "435.12500", nullptr);
    const DecodedImage d = DecodeImage(image, context);
    EXPECT_EQ(d.tables.channelCount(), 16);
    EXPECT_EQ(d.tables.ChannelFreq(15, 0), "435.12500");
    EXPECT_EQ(d.fields.form3.Text2, "");  // 255 > 16 channels
}

}  // namespace
}  // namespace qav
