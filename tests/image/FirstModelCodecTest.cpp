// The decoder and encoder on the first model's (QAV-730) layout: the bytes
// that mean something else there, the values it does not store, its switch
// and tuning blocks, and the round trip over seeded first-model images.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "ImageTestSupport.h"
#include "image/ImageDecoder.h"
#include "image/ImageEncoder.h"
#include "image/ImageLayout.h"
#include "image/ModelLayout.h"
#include "image/ToneTable.h"

namespace qav {
namespace {

using namespace layout;

constexpr int kRecord = 16;
constexpr int kSwitches = 1968;
constexpr int kTuning = 1984;

DecodeContext Context730() {
    DecodeContext context = test::EnglishContext();
    context.profile = &kQav730;
    context.optionItems.push_back({"On", "Off"});  // column 9: Reverse
    return context;
}

DecodedImage Decode(const MemoryImage& image) {
    return DecodeImage(image, Context730());
}

// A first-model working state that encodes without faults.
test::WorkingState DefaultState730() {
    test::WorkingState s = test::DefaultState();
    s.tables = ChannelTables(kQav730);
    s.fields.form3.Text2 = "1";
    s.fields.form3.Combo17 = 0;
    s.fields.form3.ComboMod = 0;
    return s;
}

MemoryImage Encode(const test::WorkingState& s, std::vector<EncodeFault>* faults = nullptr) {
    MemoryImage image(kQav730);
    image.Fill(0xA5);
    const auto found = EncodeImage(s.fields, s.tables, s.fm, s.grades, image, kLayout730);
    if (faults != nullptr) {
        *faults = found;
    } else {
        EXPECT_TRUE(found.empty()) << Describe(found.front());
    }
    return image;
}

// A channel in the 400-470 MHz band (the default state's band), with tones off.
void PutChannel(test::WorkingState& s, int ch, int flagsColumns[10]) {
    s.tables.ChannelFreq(ch, 0) = "438.12500";
    s.tables.ChannelFreq(ch, 1) = "";
    s.tables.ChannelOptions(ch, 0) = 0;
    s.tables.ChannelOptions(ch, 1) = 0;
    for (int c = 2; c < 10; ++c) s.tables.ChannelOptions(ch, c) = flagsColumns[c];
}

TEST(FirstModelCodec, ChannelFlagsCarryReverseInBitOneBothWays) {
    struct Case {
        std::uint8_t flags;
        int reverse;  // ChannelOptions column 9
        int others;   // columns 2..8
    };
    for (const Case c : {Case{0xFD, 0, 1}, Case{0x02, 1, 0}, Case{0xFF, 1, 1}, Case{0x00, 0, 0}}) {
        SCOPED_TRACE(int(c.flags));
        MemoryImage image(kQav730);
        image.Fill(0xFF);
        test::PutFreq(image, 0, "438.12500");
        image.at(kRecFlags) = c.flags;
        image.at(kBandCode) = 4;
        const DecodedImage decoded = Decode(image);
        EXPECT_EQ(decoded.tables.ChannelOptions(0, 9), c.reverse);
        EXPECT_EQ(decoded.tables.ChannelOptionText(0, 9), c.reverse == 0 ? "On" : "Off");
        for (int column = 2; column <= 8; ++column)
            EXPECT_EQ(decoded.tables.ChannelOptions(0, column), c.others);

        test::WorkingState s = DefaultState730();
        s.tables = decoded.tables;
        EXPECT_EQ(Encode(s).at(kRecFlags), c.flags);
    }
}

TEST(FirstModelCodec, SixteenRecordsOfSixteenBytes) {
    test::WorkingState s = DefaultState730();
    int columns[10] = {0, 0, 1, 0, 1, 0, 1, 0, 1, 1};
    PutChannel(s, 15, columns);
    const MemoryImage image = Encode(s);
    EXPECT_EQ(image.at(240), 0x00);  // 438.12500, lowest BCD pair first
    EXPECT_EQ(image.at(243), 0x43);
    EXPECT_EQ(image.at(240 + kRecFlags), 0xAB);  // Reverse 1 in bit 1
    for (int i = 253; i < 256; ++i) EXPECT_EQ(image.at(i), 0xFF) << i;
    for (int i = 256; i < 1792; ++i) ASSERT_EQ(image.at(i), 0xFF) << i;
    for (int i = 0; i < 240; ++i) ASSERT_EQ(image.at(i), 0xFF) << "empty channels are 16 x 0xFF, byte " << i;
    // A record whose first byte is 0xFF is empty whatever the rest holds.
    MemoryImage read = image;
    read.at(240) = 0xFF;
    EXPECT_TRUE(Decode(read).tables.ChannelFreq(15, 0).empty());
}

TEST(FirstModelCodec, SettingsBytesOfTheFirstModel) {
    test::WorkingState s = DefaultState730();
    Form3Fields& f3 = s.fields.form3;
    f3.Combo1 = 0;  // ChangePower off
    f3.Combo7 = 1, f3.Combo17 = 1, f3.Combo8 = 0, f3.Combo9 = 1;
    f3.ComboMod = 1, f3.Combo10 = 0, f3.Combo18 = 1, f3.Combo11 = 0;
    f3.Combo2 = 0, f3.Combo6 = 0, f3.Combo13 = 1, f3.Combo16 = 1;
    s.grades.PowerGrades = {11, 12, 13, 14, 15};
    s.grades.LowPowerLowGrade = 16;
    const MemoryImage image = Encode(s);

    EXPECT_EQ(image.at(1792), 0);
    EXPECT_EQ(image.at(1798), 1 + 2 + 8 + 16 + 64);  // bit 4 always 1, the scan mode has its own byte
    EXPECT_EQ(image.at(1799), 1);
    for (const int unstored : {1794, 1797, 1804, 1806}) EXPECT_EQ(image.at(unstored), 0xFF) << unstored;
    EXPECT_EQ(std::string(image.bytes().begin() + 1808, image.bytes().begin() + 1814), "RL-730");
    const std::vector<std::uint8_t> switches(image.bytes().begin() + kSwitches,
                                             image.bytes().begin() + kTuning);
    EXPECT_EQ(switches, (std::vector<std::uint8_t>{0, 0, 1, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                   0xFF, 0xFF, 0xFF, 0xFF}));
    const std::vector<std::uint8_t> tuning(image.bytes().begin() + kTuning, image.bytes().end());
    EXPECT_EQ(tuning, (std::vector<std::uint8_t>{12, 0xFF, 15, 11, 13, 0xFF, 0xFF, 14, 16, 0xFF, 0xFF, 0xFF,
                                                 0xFF, 0xFF, 0xFF, 0xFF}));
    for (int i = 1958; i < kSwitches; ++i) EXPECT_EQ(image.at(i), 0xFF) << i;

    // Back again: what the first model stores comes back; the four values it
    // does not store come back as step item 1, no present channel, DTMF rate
    // item 1 and group call item 0, whatever was shown before.
    s.fields.form3.Combo3 = 3;
    s.fields.form3.Text6 = "5";
    s.fields.form2.Combo16 = 0;
    s.fields.form2.Combo18 = 4;
    const DecodedImage decoded = Decode(Encode(s));
    const Form3Fields& d3 = decoded.fields.form3;
    EXPECT_EQ(d3.Combo3, 1);
    EXPECT_EQ(d3.Text6, "");
    EXPECT_EQ(decoded.fields.form2.Combo16, 1);
    EXPECT_EQ(decoded.fields.form2.Combo18, 0);
    EXPECT_EQ(std::tie(d3.Combo1, d3.Combo7, d3.Combo17, d3.Combo8, d3.Combo9, d3.ComboMod, d3.Combo10,
                       d3.Combo18, d3.Combo11),
              std::tie(f3.Combo1, f3.Combo7, f3.Combo17, f3.Combo8, f3.Combo9, f3.ComboMod, f3.Combo10,
                       f3.Combo18, f3.Combo11));
    EXPECT_EQ(std::tie(d3.Combo2, d3.Combo6, d3.Combo13, d3.Combo16),
              std::tie(f3.Combo2, f3.Combo6, f3.Combo13, f3.Combo16));
    EXPECT_EQ(decoded.grades.PowerGrades, s.grades.PowerGrades);
    EXPECT_EQ(decoded.grades.LowPowerLowGrade, 16);
}

TEST(FirstModelCodec, DecoderFallbacks) {
    struct Case {
        const char* what;
        int offset;
        std::uint8_t value;
        int Form3Fields::*field;
        int expected;
    };
    // 1798 = 0x10 (bit 4 set, the rest clear) under each case.
    const Case cases[] = {
        {"ChangePower out of range loads 1", 1792, 2, &Form3Fields::Combo1, 1},
        {"ChangePower 0", 1792, 0, &Form3Fields::Combo1, 0},
        {"1799 0xFF keeps bit 4 of 1798", 1799, 0xFF, &Form3Fields::ComboMod, 1},
        {"1799 2 keeps bit 4 of 1798", 1799, 2, &Form3Fields::ComboMod, 1},
        {"1799 0 overrides bit 4", 1799, 0, &Form3Fields::ComboMod, 0},
        {"FM function 0xFF loads 1", 1968, 0xFF, &Form3Fields::Combo2, 1},
        {"scrambler 0xFF loads 1", 1969, 0xFF, &Form3Fields::Combo6, 1},
        {"de-emphasis 0xFF loads 0", 1970, 0xFF, &Form3Fields::Combo13, 0},
        {"compander 0xFF loads 0", 1971, 0xFF, &Form3Fields::Combo16, 0},
        {"compander 1", 1971, 1, &Form3Fields::Combo16, 1},
        {"MONI key in bit 1", 1798, 0x12, &Form3Fields::Combo17, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryImage image(kQav730);
        image.Fill(0xFF);
        image.at(1798) = 0x10;
        image.at(c.offset) = c.value;
        EXPECT_EQ(Decode(image).fields.form3.*c.field, c.expected);
    }
}

TEST(FirstModelCodec, VfoIsNotSnappedAndDcsKeepsItsLeadingZero) {
    // 438.00313 lies on no step of the step list at all.
    for (const char* frequency : {"438.00625", "438.00313"}) {
        test::WorkingState s = DefaultState730();
        s.fields.form3.Text20 = frequency;
        s.fields.form3.Text21 = "5.00312";
        MemoryImage image = Encode(s);
        test::Put(image, kVfoRxTone, {0x05, 0x82});
        test::Put(image, kVfoTxTone, {0x03, 0xC7});
        const DecodedImage decoded = Decode(image);
        EXPECT_EQ(decoded.fields.form3.Text20, frequency);
        EXPECT_EQ(decoded.fields.form3.Text21, "5.00312");
        EXPECT_EQ(decoded.fields.form3.Combo22, ToneIndex("D205N"));
        EXPECT_EQ(decoded.fields.form3.Combo23, ToneIndex("D703I"));
    }
}

TEST(FirstModelCodec, UnselectedFirstModelListsAreRefused) {
    struct Case {
        int Form3Fields::*field;
        const char* name;
        int offset;
    };
    for (const Case c : {Case{&Form3Fields::Combo17, "Form3.Combo17", 1798},
                         Case{&Form3Fields::ComboMod, "Form3.ComboMod", 1799},
                         Case{&Form3Fields::Combo6, "Form3.Combo6", 1969}}) {
        test::WorkingState s = DefaultState730();
        s.fields.form3.*c.field = -1;
        std::vector<EncodeFault> faults;
        Encode(s, &faults);
        ASSERT_EQ(faults.size(), 1u) << c.name;
        EXPECT_EQ(faults[0].field, c.name);
        EXPECT_EQ(faults[0].offset, c.offset);
    }
    // A channel without its Reverse value is refused too.
    test::WorkingState s = DefaultState730();
    int columns[10] = {0, 0, 1, 1, 1, 1, 1, 1, 1, -1};
    PutChannel(s, 3, columns);
    std::vector<EncodeFault> faults;
    Encode(s, &faults);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].field, "ChannelOptions(3, 9)");
}

// A first-model image of valid values only, built from a second-model one:
// the records shortened to 16 channels, the bytes that differ set anew.
MemoryImage MakeValid730Image(std::mt19937& rng) {
    const MemoryImage base = test::MakeValidImage(rng);
    MemoryImage image(kQav730);
    image.Fill(0xFF);
    const auto byteIn = [&rng](int low, int high) {
        return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(low, high)(rng));
    };
    for (int ch = 0; ch < 16; ++ch) {
        if (base.at(ch * kChannelRecordSize) == 0xFF) continue;
        for (int i = 0; i < kRecFlags; ++i) image.at(ch * kRecord + i) = base.at(ch * kChannelRecordSize + i);
        image.at(ch * kRecord + kRecFlags) = byteIn(0, 255);
    }
    for (int i = kSettingsBlock; i < 1958; ++i) image.at(i) = base.at(i);
    image.at(1792) = byteIn(0, 1);
    image.at(kPriorityChannel) = byteIn(0, 3) == 0 ? 0xFF : byteIn(0, 16);
    for (const int unstored : {1794, 1797, 1804, 1806}) image.at(unstored) = 0xFF;
    image.at(1798) = byteIn(0, 255) | 0x10;
    image.at(1799) = byteIn(0, 1);
    const std::string_view ident = "RL-730";
    for (int i = 0; i < 6; ++i) image.at(kImageIdent + i) = std::uint8_t(ident[std::size_t(i)]);
    // Any VFO frequency and offset: nothing snaps them.
    test::PutFreq(image, kVfoFrequency,
                  std::to_string(byteIn(100, 255)) + "." + std::to_string(byteIn(10, 99)) +
                      std::to_string(byteIn(100, 255)));
    for (int i = kSwitches; i < kSwitches + 4; ++i) image.at(i) = byteIn(0, 1);
    for (const int at : {1984, 1986, 1987, 1988, 1991, 1992}) image.at(at) = byteIn(0, 255);
    return image;
}

TEST(FirstModelCodec, ValidImagesComeBackInEveryByte) {
    std::mt19937 rng(20261210);
    for (int run = 0; run < 1000; ++run) {
        const MemoryImage read = MakeValid730Image(rng);
        const DecodedImage decoded = Decode(read);
        MemoryImage written(kQav730);
        for (std::uint8_t& b : written.bytes()) b = static_cast<std::uint8_t>(rng());
        const auto faults =
            EncodeImage(decoded.fields, decoded.tables, decoded.fm, decoded.grades, written, kLayout730);
        ASSERT_TRUE(faults.empty()) << "run " << run << ": " << Describe(faults.front());
        for (int i = 0; i < read.size(); ++i)
            ASSERT_EQ(written.at(i), read.at(i)) << "run " << run << " byte " << i;
    }
}

TEST(FirstModelCodec, AnyBytesDecodeAndEncodeWithoutHarm) {
    std::mt19937 rng(7300);
    for (int run = 0; run < 500; ++run) {
        const MemoryImage read = run % 2 == 0 ? test::MakeRandomImage(rng) : test::MakeEdgyImage(rng);
        MemoryImage image(kQav730);
        image.Assign(read.bytes());
        const DecodedImage decoded = Decode(image);
        MemoryImage written(kQav730);
        EncodeImage(decoded.fields, decoded.tables, decoded.fm, decoded.grades, written, kLayout730);
        // The shorter image of the first model decoded with the second model's context, too.
        DecodeImage(image, test::EnglishContext());
    }
}

}  // namespace
}  // namespace qav
