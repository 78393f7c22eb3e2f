#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ImageTestSupport.h"
#include "image/ImageDecoder.h"
#include "image/ImageEncoder.h"
#include "image/ImageLayout.h"

namespace qav {
namespace {

using namespace layout;
using test::DefaultState;
using test::WorkingState;

constexpr std::uint8_t kStale = 0x5A;  // what WriteImage held before

MemoryImage StaleImage() {
    MemoryImage image(kQav750);
    image.Fill(kStale);
    return image;
}

std::vector<EncodeFault> Encode(const WorkingState& s, MemoryImage& image) {
    return EncodeImage(s.fields, s.tables, s.fm, s.grades, image);
}

std::vector<std::uint8_t> Slice(const MemoryImage& image, int offset, int count) {
    return {image.bytes().begin() + offset, image.bytes().begin() + offset + count};
}

void SetChannel(WorkingState& s, int ch, const char* rx, const char* tx) {
    s.tables.ChannelFreq(ch, 0) = rx;
    s.tables.ChannelFreq(ch, 1) = tx;
    for (int c = 0; c < s.tables.optionColumns(); ++c) {
        s.tables.ChannelOptions(ch, c) = c < 2 ? 0 : 1;
    }
    s.tables.ChannelOptionText(ch, 0) = "Off";
    s.tables.ChannelOptionText(ch, 1) = "Off";
}

bool HasFault(const std::vector<EncodeFault>& faults, const std::string& field, EncodeProblem problem) {
    return std::ranges::any_of(
        faults, [&](const EncodeFault& f) { return f.field == field && f.problem == problem; });
}

std::string Listed(const std::vector<EncodeFault>& faults) {
    std::string text;
    for (const EncodeFault& f : faults) {
        text += Describe(f) + "\n";
    }
    return text;
}

TEST(EncodeImage, DefaultStateEncodesWithoutFaults) {
    MemoryImage image = StaleImage();
    const auto faults = Encode(DefaultState(), image);
    EXPECT_TRUE(faults.empty()) << Listed(faults);
    // Every channel empty: 13 x 0xFF, every name 8 x 0xFF.
    for (int i = 0; i < kChannelFiller; ++i) {
        ASSERT_EQ(image.at(i), 0xFF) << i;
    }
    for (int i = kChannelNameBlock; i < image.size(); ++i) {
        ASSERT_EQ(image.at(i), 0xFF) << i;
    }
    EXPECT_EQ(image.at(kDisplayMode), 1);
    EXPECT_EQ(image.at(kPriorityChannel), 1);
    EXPECT_EQ(image.at(kStepFrequency), 4);
    EXPECT_EQ(image.at(kFunctionFlags), 0xBF);  // Combo18 (bit 6) 0, others 1
    EXPECT_EQ(image.at(kBandCode), 4);
    EXPECT_EQ(Slice(image, kVfoFrequency, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0x50, 0x43}));
    EXPECT_EQ(Slice(image, kVfoOffset, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x01}));
    EXPECT_EQ(Slice(image, kTuningBlock, 9),
              (std::vector<std::uint8_t>{208, 0xFF, 116, 220, 220, 0xFF, 0xFF, 130, 130}));
}

TEST(EncodeImage, FixedValuesAndFillers) {
    WorkingState s = DefaultState();
    s.fields.form3.Combo6 = 0;  // 2017 is written 1 whatever Combo6 shows
    for (auto* v :
         {&s.fields.form3.Combo7, &s.fields.form3.Combo8, &s.fields.form3.Combo9, &s.fields.form3.ComboMod,
          &s.fields.form3.Combo10, &s.fields.form3.Combo18, &s.fields.form3.Combo11, &s.fields.form3.Combo24,
          &s.fields.form3.Combo25, &s.fields.form3.Combo26, &s.fields.form3.Combo27, &s.fields.form3.Combo28,
          &s.fields.form3.Combo12, &s.fields.form3.Combo29}) {
        *v = 0;
    }
    SetChannel(s, 0, "435.12500", "435.12500");
    for (int c = 2; c <= 8; ++c) {
        s.tables.ChannelOptions(0, c) = 0;
    }
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(image.at(kScramblerSwitch), 1);
    EXPECT_EQ(image.at(kFunctionFlags), 0x02);
    EXPECT_EQ(image.at(kVfoFlags), 0x02);
    EXPECT_EQ(image.at(kRecFlags), 0x02);
    EXPECT_EQ(std::string(image.bytes().begin() + kImageIdent, image.bytes().begin() + kImageIdent + 6),
              "RL-700");
    for (const ByteRange& r : kFillerRanges) {
        for (int i = r.first; i < r.first + r.count; ++i) {
            ASSERT_EQ(image.at(i), 0xFF) << i;
        }
    }
}

TEST(EncodeImage, AllOptionsOneGiveFF) {
    WorkingState s = DefaultState();
    SetChannel(s, 0, "435.12500", "435.12500");
    s.tables.ChannelOptions(0, 8) = 1;
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(image.at(kRecFlags), 0xFF);
}

TEST(EncodeImage, NeverTouchesTheUnwrittenBytes) {
    MemoryImage image(kQav750);  // WriteImage starts as zeros
    ASSERT_TRUE(Encode(DefaultState(), image).empty());
    ASSERT_TRUE(Encode(DefaultState(), image).empty());
    for (int i = kUnwritten; i < kUnwritten + kUnwrittenSize; ++i) {
        EXPECT_EQ(image.at(i), 0) << i;
    }
    MemoryImage stale = StaleImage();
    ASSERT_TRUE(Encode(DefaultState(), stale).empty());
    for (int i = kUnwritten; i < kUnwritten + kUnwrittenSize; ++i) {
        EXPECT_EQ(stale.at(i), kStale) << i;
    }
}

TEST(EncodeImage, WritesEveryOtherByte) {
    // Two runs over differently filled images give the same bytes everywhere
    // but 2006..2015: nothing else keeps what WriteImage held.
    MemoryImage zeros(kQav750);
    MemoryImage stale = StaleImage();
    ASSERT_TRUE(Encode(DefaultState(), zeros).empty());
    ASSERT_TRUE(Encode(DefaultState(), stale).empty());
    for (int i = 0; i < zeros.size(); ++i) {
        if (i >= kUnwritten && i < kUnwritten + kUnwrittenSize) {
            continue;
        }
        ASSERT_EQ(zeros.at(i), stale.at(i)) << i;
    }
}

TEST(EncodeImage, ChannelRecord) {
    WorkingState s = DefaultState();
    SetChannel(s, 1, "435.12500", "136.00000");
    s.tables.ChannelOptions(1, 0) = 9;
    s.tables.ChannelOptionText(1, 0) = "88.5";
    s.tables.ChannelOptions(1, 1) = 260;
    s.tables.ChannelOptionText(1, 1) = "D754I";
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, 13, 13), (std::vector<std::uint8_t>{0x00, 0x25, 0x51, 0x43, 0x00, 0x00, 0x60, 0x13,
                                                               0x85, 0x08, 0x54, 0xC7, 0xFF}));
}

TEST(EncodeImage, EmptyReceiveTextMakesTheWholeRecordFF) {
    WorkingState s = DefaultState();
    SetChannel(s, 0, "", "435.12500");
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, 0, 13), std::vector<std::uint8_t>(13, 0xFF));
}

TEST(EncodeImage, EmptyTransmitTextGivesFourFF) {
    WorkingState s = DefaultState();
    SetChannel(s, 0, "435.12500", "");
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, 4, 4), std::vector<std::uint8_t>(4, 0xFF));
}

TEST(EncodeImage, ToneIndexZeroIsFFWhateverTheText) {
    WorkingState s = DefaultState();
    SetChannel(s, 0, "435.12500", "435.12500");
    s.tables.ChannelOptionText(0, 0) = "88.5";
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, kRecRxTone, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
}

TEST(EncodeImage, BandSelector) {
    for (const auto& [index, code] : std::initializer_list<std::pair<int, int>>{{0, 0}, {1, 3}, {2, 4}}) {
        WorkingState s = DefaultState();
        s.fields.mdiForm1.Combo1 = index;
        MemoryImage image = StaleImage();
        ASSERT_TRUE(Encode(s, image).empty());
        EXPECT_EQ(image.at(kBandCode), code) << index;
    }
}

TEST(EncodeImage, GroupCallCode) {
    const std::uint8_t expected[] = {0xFF, 42, 35, 65, 66, 67, 68};
    for (int index = 0; index < 7; ++index) {
        WorkingState s = DefaultState();
        s.fields.form2.Combo18 = index;
        MemoryImage image = StaleImage();
        ASSERT_TRUE(Encode(s, image).empty());
        EXPECT_EQ(image.at(kGroupCallCode), expected[index]) << index;
    }
}

TEST(EncodeImage, TextsArePaddedWithFF) {
    WorkingState s = DefaultState();
    s.fields.form3.Text31 = "AB";
    s.fields.form2.Text4 = "12#";
    s.fields.form2.Text2 = "ABCD*0123456789AB";  // 17 characters: 16 kept
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, kPowerOnText, 6), (std::vector<std::uint8_t>{0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(image, kAniEndCode, 4), (std::vector<std::uint8_t>{'1', '2', '#', 0xFF}));
    EXPECT_EQ(image.at(kAniStartCode + 15), 'A');
}

TEST(EncodeImage, ChannelNumbersAndTheirRange) {
    WorkingState s = DefaultState();
    s.fields.form3.Text2 = "";
    s.fields.form3.Text6 = "128";
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(image.at(kPriorityChannel), 0xFF);
    EXPECT_EQ(image.at(kPresentChannel), 128);
    s.fields.form3.Text2 = "2.5";  // rounded as Basic does, to even
    s.fields.form3.Text6 = "255";
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(image.at(kPriorityChannel), 2);
    EXPECT_EQ(image.at(kPresentChannel), 255);
}

TEST(EncodeImage, VfoTonesFromTheListIndex) {
    WorkingState s = DefaultState();
    s.fields.form3.Combo22 = 9;
    s.fields.form3.Combo23 = 148;
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, kVfoRxTone, 4), (std::vector<std::uint8_t>{0x85, 0x08, 0x03, 0x87}));
}

TEST(EncodeImage, VfoFrequencyAsItStandsAndTheOffsetFormattedFirst) {
    struct Case {
        const char* text20;
        const char* text21;
        std::vector<std::uint8_t> bytes;  // 1824..1831
    };
    const Case cases[] = {
        {"435.12500", "10.00000", {0x00, 0x25, 0x51, 0x43, 0x00, 0x00, 0x00, 0x01}},
        {"FFF.F0000", "0.00000", {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}},  // an erased VFO, read
        {"435.1A500", "5.18125", {0x00, 0xA5, 0x51, 0x43, 0x25, 0x81, 0x51, 0x00}},
        {"136", "10", {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x00, 0x01}},
        // "000.00000" rounds what lies below 10 Hz.
        {"136.00000", "10.000004", {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x00, 0x01}},
        {"136.00000", "9.999996", {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x00, 0x01}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text20) + " / " + c.text21);
        WorkingState s = DefaultState();
        s.fields.form3.Text20 = c.text20;
        s.fields.form3.Text21 = c.text21;
        MemoryImage image = StaleImage();
        const auto faults = Encode(s, image);
        EXPECT_TRUE(faults.empty()) << Listed(faults);
        EXPECT_EQ(Slice(image, kVfoFrequency, 8), c.bytes);
    }
}

// A radio whose memory holds digits outside 0..9 (an erased VFO, a stray
// nibble in a channel) is written back as it was read: nothing blocks the
// save or the write until the user retypes the frequency.
TEST(EncodeImage, FrequenciesReadOutsideDecimalDigitsGoBackAsTheyCame) {
    MemoryImage read(kQav750);
    read.Fill(0xFF);
    test::Put(read, kChannelBlock,
              {0x00, 0xA5, 0x51, 0x43, 0x00, 0x00, 0x5A, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    test::Put(read, kBandCode, {4});
    test::Put(read, kVfoOffsetDirection, {1});  // a list with no fallback
    const DecodedImage decoded = DecodeImage(read, test::EnglishContext());
    ASSERT_EQ(decoded.tables.ChannelFreq(0, 0), "435.1A500");
    ASSERT_EQ(decoded.fields.form3.Text20, "FFF.F0000");
    MemoryImage image = StaleImage();
    const auto faults = Encode(test::StateOf(decoded), image);
    EXPECT_TRUE(faults.empty()) << Listed(faults);
    EXPECT_EQ(Slice(image, kChannelBlock, 8),
              (std::vector<std::uint8_t>{0x00, 0xA5, 0x51, 0x43, 0x00, 0x00, 0x5A, 0x43}));
    EXPECT_EQ(Slice(image, kVfoFrequency, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0xFF, 0xFF}));
}

TEST(EncodeImage, FmChannelsAndSettings) {
    WorkingState s = DefaultState();
    s.fm.FmChannelFreq[0] = "87.50";
    s.fields.form5.MSFGrid[0] = "87.50";
    s.fm.FmChannelFreq[1] = "101.60";  // the grid cell is empty: FF FF all the same
    s.fm.FmChannelFreq[2] = "108.00";
    s.fields.form5.MSFGrid[2] = "108.00";
    s.fm.FmChannelNo = 16;
    s.fm.FmDisplayMode = 1;
    s.fm.FmStep = 2;
    s.fm.FmFrequency = "101.60";
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, kFmChannelBlock, 6),
              (std::vector<std::uint8_t>{0x00, 0xE6, 0xFF, 0xFF, 0x02, 0x80}));
    EXPECT_EQ(Slice(image, kFmChannelNo, 6), (std::vector<std::uint8_t>{0x10, 0x01, 0x02, 0xFF, 0x02, 0x00}));
    s.fm.FmChannelNo = 32;
    s.fm.FmFrequency = "";
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(image.at(kFmChannelNo), 0x20);
    EXPECT_EQ(Slice(image, kFmFrequency, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
    s.fm.FmFrequency = "76.00";
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, kFmFrequency, 2), (std::vector<std::uint8_t>{0x00, 0x00}));
    s.fm.FmFrequency = "0";  // value 0: FF FF
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, kFmFrequency, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
}

TEST(EncodeImage, ChannelNames) {
    WorkingState s = DefaultState();
    s.tables.ChannelName(0) = "ABCDEFGH";
    s.tables.ChannelName(1) = "CH1";
    s.tables.ChannelName(2) = "";
    MemoryImage image = StaleImage();
    ASSERT_TRUE(Encode(s, image).empty());
    EXPECT_EQ(Slice(image, kChannelNameBlock, 24),
              (std::vector<std::uint8_t>{'A',  'B',  'C',  'D',  'E',  'F',  'G',  'H',   //
                                         'C',  'H',  '1',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  //
                                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

// ---- faults ------------------------------------------------------------------

TEST(EncodeFaults, NoSelectionInAFlagListLeavesTheFlagByte) {
    WorkingState s = DefaultState();
    s.fields.form3.Combo9 = -1;
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    ASSERT_EQ(faults.size(), 1u) << Listed(faults);
    EXPECT_EQ(faults[0].field, "Form3.Combo9");
    EXPECT_EQ(faults[0].offset, kFunctionFlags);
    EXPECT_EQ(faults[0].problem, EncodeProblem::NoSelection);
    EXPECT_EQ(image.at(kFunctionFlags), kStale);  // the -1 leaked into no bit
}

TEST(EncodeFaults, AChannelOptionOutsideZeroOneLeavesTheChannelFlags) {
    WorkingState s = DefaultState();
    SetChannel(s, 3, "435.12500", "435.12500");
    s.tables.ChannelOptions(3, 4) = -1;
    s.tables.ChannelOptions(3, 5) = 2;
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    ASSERT_EQ(faults.size(), 2u) << Listed(faults);
    EXPECT_TRUE(HasFault(faults, "ChannelOptions(3, 4)", EncodeProblem::NoSelection));
    EXPECT_TRUE(HasFault(faults, "ChannelOptions(3, 5)", EncodeProblem::NotAnItem));
    EXPECT_EQ(faults[0].index, 3);
    EXPECT_EQ(image.at(3 * kChannelRecordSize + kRecFlags), kStale);
    EXPECT_EQ(image.at(3 * kChannelRecordSize), 0x00);  // the rest of the record written
}

TEST(EncodeFaults, ListsWithNoSelection) {
    WorkingState s = DefaultState();
    s.fields.mdiForm1.Combo1 = -1;
    s.fields.form2.Combo1 = std::nullopt;
    s.fields.form3.Combo30 = -1;
    s.fields.form3.Combo1 = -1;
    s.fields.form3.Combo2 = -1;
    s.fields.form3.Combo22 = -1;
    s.fields.form2.Combo18 = -1;
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    EXPECT_EQ(faults.size(), 7u) << Listed(faults);
    for (const char* field : {"MDIForm1.Combo1", "Form2.Combo1", "Form3.Combo30", "Form3.Combo1",
                              "Form3.Combo2", "Form3.Combo22", "Form2.Combo18"}) {
        EXPECT_TRUE(HasFault(faults, field, EncodeProblem::NoSelection)) << field;
    }
    for (int at : {kBandCode, kAniSendMode, kVfoOffsetDirection, kDisplayMode, kFmFunction, kVfoRxTone,
                   kVfoRxTone + 1, kGroupCallCode}) {
        EXPECT_EQ(image.at(at), kStale) << at;
    }
}

TEST(EncodeFaults, IndexesThatAreNoItems) {
    WorkingState s = DefaultState();
    s.fields.form3.Combo1 = 4;
    s.fields.form3.Combo19 = 41;
    s.fields.form3.Check12 = 2;
    s.fields.mdiForm1.Combo1 = 3;
    s.fields.form3.Combo22 = 261;
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    EXPECT_EQ(faults.size(), 5u) << Listed(faults);
    for (const char* field :
         {"Form3.Combo1", "Form3.Combo19", "Form3.Check12", "MDIForm1.Combo1", "Form3.Combo22"}) {
        EXPECT_TRUE(HasFault(faults, field, EncodeProblem::NotAnItem)) << field;
    }
}

TEST(EncodeFaults, NumbersOutsideAByte) {
    WorkingState s = DefaultState();
    s.grades.PowerGrades[1] = 256;
    s.grades.LowPowerLowGrade = -1;
    s.fm.FmChannelNo = 300;
    s.fm.FmDisplayMode = -1;
    s.fields.form3.Text2 = "300";
    s.fields.form3.Text6 = "abc";
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    EXPECT_EQ(faults.size(), 6u) << Listed(faults);
    EXPECT_TRUE(HasFault(faults, "PowerGrades(1)", EncodeProblem::OutOfByteRange));
    EXPECT_TRUE(HasFault(faults, "LowPowerLowGrade", EncodeProblem::OutOfByteRange));
    EXPECT_TRUE(HasFault(faults, "FmChannelNo", EncodeProblem::OutOfByteRange));
    EXPECT_TRUE(HasFault(faults, "FmDisplayMode", EncodeProblem::OutOfByteRange));
    EXPECT_TRUE(HasFault(faults, "Form3.Text2", EncodeProblem::OutOfByteRange));
    EXPECT_TRUE(HasFault(faults, "Form3.Text6", EncodeProblem::NotANumber));
    for (int at : {kHighPowerMidGrade, kLowPowerLowGrade, kFmChannelNo, kFmDisplayMode, kPriorityChannel,
                   kPresentChannel}) {
        EXPECT_EQ(image.at(at), kStale) << at;
    }
}

TEST(EncodeFaults, TextsThatAreNoFrequency) {
    WorkingState s = DefaultState();
    SetChannel(s, 0, "435.1G500", "abc");
    s.fields.form3.Text20 = "";
    s.fields.form3.Text21 = "ten";
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    EXPECT_EQ(faults.size(), 4u) << Listed(faults);
    EXPECT_TRUE(HasFault(faults, "ChannelFreq(0, 0)", EncodeProblem::NotAFrequency));
    EXPECT_TRUE(HasFault(faults, "ChannelFreq(0, 1)", EncodeProblem::NotAFrequency));
    EXPECT_TRUE(HasFault(faults, "Form3.Text20", EncodeProblem::NotAFrequency));
    EXPECT_TRUE(HasFault(faults, "Form3.Text21", EncodeProblem::NotAFrequency));
    EXPECT_EQ(Slice(image, 0, 8), std::vector<std::uint8_t>(8, kStale));
    EXPECT_EQ(Slice(image, kVfoFrequency, 8), std::vector<std::uint8_t>(8, kStale));
}

TEST(EncodeFaults, ToneTextsNotInTheTable) {
    WorkingState s = DefaultState();
    SetChannel(s, 0, "435.12500", "435.12500");
    s.tables.ChannelOptions(0, 0) = 5;
    s.tables.ChannelOptionText(0, 0) = "05.0";
    s.tables.ChannelOptions(0, 1) = -1;
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    EXPECT_EQ(faults.size(), 2u) << Listed(faults);
    EXPECT_TRUE(HasFault(faults, "ChannelOptionText(0, 0)", EncodeProblem::NotATone));
    EXPECT_TRUE(HasFault(faults, "ChannelOptions(0, 1)", EncodeProblem::NoSelection));
    EXPECT_EQ(Slice(image, kRecRxTone, 4), std::vector<std::uint8_t>(4, kStale));
}

TEST(EncodeFaults, FmTextsThatAreNoFmFrequency) {
    WorkingState s = DefaultState();
    s.fields.form5.MSFGrid[4] = "88.00";
    s.fm.FmChannelFreq[4] = "";  // typed into the grid, never taken with OK: stays empty
    s.fields.form5.MSFGrid[5] = "120.00";
    s.fm.FmChannelFreq[5] = "120.00";
    s.fm.FmFrequency = "75.5";
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    EXPECT_EQ(faults.size(), 2u) << Listed(faults);
    EXPECT_TRUE(HasFault(faults, "FmChannelFreq(5)", EncodeProblem::NotAnFmFrequency));
    EXPECT_TRUE(HasFault(faults, "FmFrequency", EncodeProblem::NotAnFmFrequency));
    EXPECT_EQ(Slice(image, kFmChannelBlock + 8, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
    EXPECT_EQ(Slice(image, kFmChannelBlock + 10, 2), std::vector<std::uint8_t>(2, kStale));
}

TEST(EncodeFaults, CharactersThatDoNotFitOneByte) {
    WorkingState s = DefaultState();
    s.tables.ChannelName(7) = "CH\xE5\x90\x8D";  // CH名
    s.fields.form3.Text31 = "\xE5\x90\x8D";
    s.fields.form2.Text2 = "\xC4\x80";
    s.fields.form2.Text4 = "AB\xC3\xA9";  // é fits one byte: 0xE9
    MemoryImage image = StaleImage();
    const auto faults = Encode(s, image);
    EXPECT_EQ(faults.size(), 3u) << Listed(faults);
    EXPECT_TRUE(HasFault(faults, "ChannelName(7)", EncodeProblem::NotOneByte));
    EXPECT_TRUE(HasFault(faults, "Form3.Text31", EncodeProblem::NotOneByte));
    EXPECT_TRUE(HasFault(faults, "Form2.Text2", EncodeProblem::NotOneByte));
    EXPECT_EQ(Slice(image, kChannelNameBlock + 56, 8), std::vector<std::uint8_t>(8, kStale));
    EXPECT_EQ(Slice(image, kPowerOnText, 6), std::vector<std::uint8_t>(6, kStale));
    EXPECT_EQ(Slice(image, kAniEndCode, 4), (std::vector<std::uint8_t>{'A', 'B', 0xE9, 0xFF}));
}

TEST(EncodeFaults, AStructNotFilledFromTheControlsIsNeverEncodedSilently) {
    MemoryImage image = StaleImage();
    const ImageFields unfilled;
    const auto faults = EncodeImage(unfilled, ChannelTables(kQav750), FmValues{}, PowerGradeValues{}, image);
    EXPECT_GE(faults.size(), 30u);
}

TEST(EncodeFaults, LayoutMismatchWritesNothing) {
    ModelProfile small = kQav750;
    small.imageSize = 2000;
    small.imageArraySize = 2001;
    MemoryImage image(small);
    image.Fill(kStale);
    const WorkingState s = DefaultState();
    const auto faults = EncodeImage(s.fields, s.tables, s.fm, s.grades, image);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].problem, EncodeProblem::LayoutMismatch);
    for (const std::uint8_t b : image.bytes()) {
        ASSERT_EQ(b, kStale);
    }
    MemoryImage big(kQav750);
    const ChannelTables tooMany(kQav750.channelCount + 1, kQav750.optionColumns);
    EXPECT_EQ(EncodeImage(s.fields, tooMany, s.fm, s.grades, big)[0].problem, EncodeProblem::LayoutMismatch);
}

TEST(EncodeFaults, DescribeNamesFieldProblemAndByte) {
    EXPECT_EQ(Describe({"Form3.Combo7", -1, 1798, EncodeProblem::NoSelection}),
              "Form3.Combo7: no selection (byte 1798)");
}

}  // namespace
}  // namespace qav
