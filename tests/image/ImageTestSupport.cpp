#include "ImageTestSupport.h"

#include <string>

#include "image/ImageLayout.h"
#include "image/ToneTable.h"
#include "image/ValueCodes.h"

namespace qav::test {
namespace {

using namespace layout;

int Uniform(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

bool Chance(std::mt19937& rng, double p) {
    return std::bernoulli_distribution(p)(rng);
}

// A frequency text "ddd.ddddd" from a value in 10 Hz units.
std::string FreqText(long tenHz) {
    std::string digits = std::to_string(tenHz);
    digits.insert(0, 8 - digits.size(), '0');
    return digits.substr(0, 3) + "." + digits.substr(3);
}

void PutTone(MemoryImage& image, int offset, std::mt19937& rng) {
    if (Chance(rng, 0.3)) {
        Put(image, offset, {0xFF, 0xFF});
        return;
    }
    const auto bytes = ToneCodeBytes(StandardToneTable().Text(Uniform(rng, 1, 260)));
    Put(image, offset, {(*bytes)[0], (*bytes)[1]});
}

// Characters (any byte but 0xFF) followed by 0xFF padding.
void PutPaddedText(MemoryImage& image, int offset, int width, std::mt19937& rng) {
    const int length = Uniform(rng, 0, width);
    for (int i = 0; i < width; ++i) {
        image.at(offset + i) = i < length ? static_cast<std::uint8_t>(Uniform(rng, 0, 0xFE)) : 0xFF;
    }
}

void PutFm(MemoryImage& image, int offset, std::mt19937& rng) {
    if (Chance(rng, 0.3)) {
        Put(image, offset, {0xFF, 0xFF});
        return;
    }
    const int steps = Uniform(rng, 0, 640);  // 76.00 .. 108.00 MHz
    Put(image, offset, {static_cast<std::uint8_t>(steps / 256), static_cast<std::uint8_t>(steps % 256)});
}

// "ddd.d" + a step-list entry: a frequency the VFO decoding keeps as it is.
std::string StepListFreq(std::mt19937& rng, int mhzLow, int mhzHigh) {
    static const char* const kEntries[] = {"0000", "0500", "0625", "1000", "1250", "1500", "1875", "2000",
                                           "2500", "3000", "3125", "3500", "3750", "4000", "4375", "4500",
                                           "5000", "5500", "5625", "6000", "6250", "6500", "6875", "7000",
                                           "7500", "8000", "8125", "8500", "8750", "9000", "9375", "9500"};
    std::string mhz = std::to_string(Uniform(rng, mhzLow, mhzHigh));
    mhz.insert(0, 3 - mhz.size(), '0');
    return mhz + "." + std::to_string(Uniform(rng, 0, 9)) + kEntries[Uniform(rng, 0, 31)];
}

}  // namespace

DecodeContext EnglishContext() {
    DecodeContext context;
    context.language = LangEnglish;
    context.optionItems = {{"", ""},         {"", ""},      {"Low", "High"},
                           {"Carry", "Off"}, {"Off", "On"}, {"Narror", "wide"},
                           {"On", "Off"},    {"On", "Off"}, {"Off", "On"}};
    return context;
}

WorkingState DefaultState() {
    WorkingState s;
    s.fields.mdiForm1.Combo1 = 2;
    Form2Fields& f2 = s.fields.form2;
    f2.Combo1 = 0;
    f2.Combo16 = 0;
    f2.Combo17 = 6;
    f2.Combo18 = 0;
    Form3Fields& f3 = s.fields.form3;
    f3.Combo1 = 1;
    f3.Text2 = "1";
    f3.Combo3 = 4;
    f3.Combo5 = 5;
    f3.Text6 = "1";
    f3.Combo7 = f3.Combo8 = f3.Combo9 = f3.ComboMod = f3.Combo10 = f3.Combo11 = 1;
    f3.Combo18 = 0;
    f3.Check12 = f3.Check13 = 0;
    f3.Combo14 = 5;
    f3.Combo15 = 1;
    f3.Combo19 = 4;
    f3.Text20 = "435.00000";
    f3.Text21 = "10.00000";
    f3.Combo22 = f3.Combo23 = 0;
    f3.Combo24 = f3.Combo25 = f3.Combo26 = f3.Combo27 = f3.Combo28 = f3.Combo12 = f3.Combo29 = 1;
    f3.Combo30 = 1;
    f3.Combo2 = f3.Combo6 = f3.Combo13 = f3.Combo16 = 1;
    s.fm.FmChannelNo = 1;
    s.grades.PowerGrades = {220, 208, 220, 130, 116};
    s.grades.LowPowerLowGrade = 130;
    return s;
}

WorkingState StateOf(const DecodedImage& decoded) {
    WorkingState s;
    s.fields = decoded.fields;
    s.tables = decoded.tables;
    s.fm = decoded.fm;
    s.grades = decoded.grades;
    return s;
}

void Put(MemoryImage& image, int offset, std::initializer_list<std::uint8_t> bytes) {
    for (const std::uint8_t b : bytes) {
        image.at(offset++) = b;
    }
}

void PutFreq(MemoryImage& image, int offset, std::string_view text) {
    const auto bytes = FreqBcdBytes(text);
    for (int i = 0; i < 4; ++i) {
        image.at(offset + i) = (*bytes)[static_cast<std::size_t>(i)];
    }
}

MemoryImage MakeValidImage(std::mt19937& rng) {
    MemoryImage image(kQav750);
    image.Fill(0xFF);
    const int bandIndex = Uniform(rng, 0, 2);
    static const int kLow[] = {136, 350, 400};
    static const int kHigh[] = {174, 390, 470};

    for (int ch = 0; ch < kQav750.channelCount; ++ch) {
        const int b = ch * kChannelRecordSize;
        if (Chance(rng, 0.3)) {
            continue;  // empty: 13 x 0xFF
        }
        const long span = (kHigh[bandIndex] - kLow[bandIndex]) * 100000L;
        PutFreq(image, b,
                FreqText(kLow[bandIndex] * 100000L + std::uniform_int_distribution<long>(0, span - 1)(rng)));
        if (!Chance(rng, 0.2)) {
            PutFreq(image, b + kRecTxFreq, FreqText(std::uniform_int_distribution<long>(0, 99999999)(rng)));
        }
        PutTone(image, b + kRecRxTone, rng);
        PutTone(image, b + kRecTxTone, rng);
        image.at(b + kRecFlags) = static_cast<std::uint8_t>(Uniform(rng, 0, 255) | 0x02);
    }

    auto byteIn = [&](int low, int high) { return static_cast<std::uint8_t>(Uniform(rng, low, high)); };
    auto channelNumber = [&] { return Chance(rng, 0.2) ? std::uint8_t{0xFF} : byteIn(0, 128); };
    image.at(kDisplayMode) = byteIn(0, 3);
    image.at(kPriorityChannel) = channelNumber();
    image.at(kStepFrequency) = byteIn(0, 4);
    image.at(kAniSendMode) = byteIn(0, 2);
    image.at(kSquelchLevel) = byteIn(0, 9);
    image.at(kPresentChannel) = channelNumber();
    image.at(kFunctionFlags) = static_cast<std::uint8_t>(byteIn(0, 255) | 0x02);
    image.at(kVoxAllowCancel) = byteIn(0, 1);
    image.at(kVoxInhibitOnReceive) = byteIn(0, 1);
    image.at(kVoxGain) = byteIn(0, 9);
    image.at(kVoxDelay) = byteIn(0, 5);
    image.at(kDtmfRate) = byteIn(0, 1);
    image.at(kFirstDigitDelay) = byteIn(0, 9);
    static const std::uint8_t kGroupCodes[] = {0xFF, '*', '#', 'A', 'B', 'C', 'D'};
    image.at(kGroupCallCode) = kGroupCodes[Uniform(rng, 0, 6)];
    image.at(kTxTimeout) = byteIn(0, 40);
    for (int i = 0; i < 6; ++i) {
        image.at(kImageIdent + i) = static_cast<std::uint8_t>(kImageIdentText[static_cast<std::size_t>(i)]);
    }
    static const std::uint8_t kBandCodes[] = {0, 3, 4};
    image.at(kBandCode) = kBandCodes[bandIndex];
    PutPaddedText(image, kPowerOnText, kPowerOnTextSize, rng);
    PutFreq(image, kVfoFrequency, StepListFreq(rng, 100, 999));
    PutFreq(image, kVfoOffset, StepListFreq(rng, 0, 99));
    PutTone(image, kVfoRxTone, rng);
    PutTone(image, kVfoTxTone, rng);
    image.at(kVfoFlags) = static_cast<std::uint8_t>(byteIn(0, 255) | 0x02);
    image.at(kVfoOffsetDirection) = byteIn(0, 2);
    PutPaddedText(image, kAniEndCode, kAniCodeSize, rng);
    PutPaddedText(image, kAniStartCode, kAniCodeSize, rng);
    for (int k = 0; k < kFmChannelCount; ++k) {
        PutFm(image, kFmChannelBlock + 2 * k, rng);
    }
    image.at(kFmChannelNo) = byteIn(0, 255);
    image.at(kFmDisplayMode) = byteIn(0, 255);
    image.at(kFmStep) = byteIn(0, 255);
    PutFm(image, kFmFrequency, rng);
    for (int i = kUnwritten; i < kSwitchBlock; ++i) {
        image.at(i) = byteIn(0, 255);
    }
    image.at(kFmFunction) = byteIn(0, 1);
    image.at(kScramblerSwitch) = 1;
    image.at(kDeEmphasis) = byteIn(0, 1);
    image.at(kVfoSwitch) = byteIn(0, 1);
    for (const int at : {kHighPowerMidGrade, kLowPowerMidGrade, kHighPowerHighGrade, kHighPowerLowGrade,
                         kLowPowerHighGrade, kLowPowerLowGrade}) {
        image.at(at) = byteIn(0, 255);
    }
    for (int i = kChannelNameBlock; i < image.size(); ++i) {
        image.at(i) = byteIn(0, 255);
    }
    return image;
}

MemoryImage MakeRandomImage(std::mt19937& rng) {
    MemoryImage image(kQav750);
    for (std::uint8_t& b : image.bytes()) {
        b = static_cast<std::uint8_t>(Uniform(rng, 0, 255));
    }
    return image;
}

MemoryImage MakeEdgyImage(std::mt19937& rng) {
    static const std::uint8_t kEdges[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x09, 0x0A, 0x10,
                                          0x25, 0x40, 0x43, 0x80, 0x81, 0x87, 0x99, 0x9A, 0xC0,
                                          0xC7, 0xFE, 0xFF, 0x2A, 0x23, 0x41, 0x44};
    MemoryImage image(kQav750);
    for (std::uint8_t& b : image.bytes()) {
        b = Chance(rng, 0.8) ? kEdges[Uniform(rng, 0, static_cast<int>(std::size(kEdges)) - 1)]
                             : static_cast<std::uint8_t>(Uniform(rng, 0, 255));
    }
    return image;
}

}  // namespace qav::test
