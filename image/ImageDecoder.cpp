#include "image/ImageDecoder.h"

#include <algorithm>
#include <optional>

#include "image/FrequencySnap.h"
#include "image/ImageLayout.h"
#include "image/NumberText.h"
#include "image/ValueCodes.h"

namespace qav {
namespace {

using namespace layout;

// Reads image bytes; a byte outside the image counts as erased (0xFF).
class Reader {
  public:
    explicit Reader(const MemoryImage& image) : image_(image) {}

    std::uint8_t operator()(int offset) const { return image_.ValueOr(offset, 0xFF); }

    template <std::size_t N>
    std::array<std::uint8_t, N> Bytes(int offset) const {
        std::array<std::uint8_t, N> bytes{};
        for (std::size_t i = 0; i < N; ++i) {
            bytes[i] = (*this)(offset + static_cast<int>(i));
        }
        return bytes;
    }

    std::vector<std::uint8_t> Bytes(int offset, int count) const {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            bytes[static_cast<std::size_t>(i)] = (*this)(offset + i);
        }
        return bytes;
    }

  private:
    const MemoryImage& image_;
};

// "v < limit: index v; else fallback"
int InRangeOr(std::uint8_t v, int limit, int fallback) {
    return v < limit ? v : fallback;
}

// A list index the list may not be able to take: leave the control (nullopt).
std::optional<int> ListIndexIfItem(int v, int items) {
    if (v >= 0 && v < items) {
        return v;
    }
    return std::nullopt;
}

int Bit(std::uint8_t flags, int bit) {
    return (flags >> bit) & 1;
}

// Channel-number texts of 1793 and 1797: v <= channel count gives the
// decimal text of v, anything else the empty text.
std::string ChannelNumberText(std::uint8_t v, int channelCount) {
    return v <= channelCount ? std::to_string(v) : std::string();
}

// 1806: the character code of the group-call code.
int GroupCallIndex(std::uint8_t v) {
    switch (v) {
        case '*':
            return 1;
        case '#':
            return 2;
        case 'A':
        case 'B':
        case 'C':
        case 'D':
            return 3 + (v - 'A');
        default:
            return 0;
    }
}

// Switches of 2016..2020: 0 or 1 is the index, any other value the fallback.
int SwitchIndex(std::uint8_t v, int fallback) {
    return v <= 1 ? v : fallback;
}

int RecordChannels(const ChannelTables& tables) {
    return std::min(tables.channelCount(), kChannelSlots);
}

const std::string& OptionItem(const DecodeContext& context, int column, int bit) {
    static const std::string kEmpty;
    if (column < 0 || static_cast<std::size_t>(column) >= context.optionItems.size()) {
        return kEmpty;
    }
    return context.optionItems[static_cast<std::size_t>(column)][static_cast<std::size_t>(bit)];
}

void DecodeChannelTone(const Reader& read, int offset, const DecodeContext& context, ChannelTables& tables,
                       int ch, int column) {
    if (column >= tables.optionColumns()) {
        return;
    }
    DecodedTone tone = DecodeToneCode(read(offset), read(offset + 1), context.language);
    tables.ChannelOptions(ch, column) = tone.index;
    tables.ChannelOptionText(ch, column) = std::move(tone.text);
}

}  // namespace

void SetNumOf(const MemoryImage& readImage, const DecodeContext& context, ChannelTables& tables) {
    const Reader read(readImage);
    const int channels = RecordChannels(tables);
    for (int ch = 0; ch < channels; ++ch) {
        const int b = kChannelBlock + ch * kChannelRecordSize;
        if (read(b + kRecRxFreq) == 0xFF) {
            tables.ClearChannel(ch);
            continue;
        }
        tables.ChannelFreq(ch, 0) = FreqBcdText(read.Bytes<4>(b + kRecRxFreq));
        tables.ChannelFreq(ch, 1) =
            read(b + kRecTxFreq) == 0xFF ? std::string() : FreqBcdText(read.Bytes<4>(b + kRecTxFreq));
        DecodeChannelTone(read, b + kRecRxTone, context, tables, ch, 0);
        DecodeChannelTone(read, b + kRecTxTone, context, tables, ch, 1);
        const std::uint8_t flags = read(b + kRecFlags);
        for (std::size_t i = 0; i < kFlagBits.size(); ++i) {
            const int column = 2 + static_cast<int>(i);
            if (column >= tables.optionColumns()) {
                break;
            }
            const int bit = Bit(flags, kFlagBits[i]);
            tables.ChannelOptions(ch, column) = bit;
            tables.ChannelOptionText(ch, column) = OptionItem(context, column, bit);
        }
    }
}

int SetGrid(int bandCode, const DecodeContext& context, ChannelTables& tables) {
    const int bandIndex = BandIndexFromCode(bandCode);
    const BandBounds bounds = BandBoundsFromText(context.bandTexts[static_cast<std::size_t>(bandIndex)]);
    for (int ch = 0; ch < tables.channelCount(); ++ch) {
        const std::string& rxText = tables.ChannelFreq(ch, 0);
        const double rx = Val(rxText);
        if (rxText.empty() || !(bounds.low <= rx && rx < bounds.high)) {
            tables.ClearChannel(ch);
        }
    }
    return bandIndex;
}

void DecodeChannelNames(const MemoryImage& readImage, ChannelTables& tables) {
    const Reader read(readImage);
    for (int ch = 0; ch < tables.channelCount(); ++ch) {
        tables.ChannelName(ch) =
            ChannelNameText(read.Bytes<kChannelNameSize>(kChannelNameBlock + ch * kChannelNameSize));
    }
}

DecodedImage DecodeImage(const MemoryImage& readImage, const DecodeContext& context) {
    const ModelProfile& profile = context.profile != nullptr ? *context.profile : kQav750;
    DecodedImage out(profile);
    const Reader read(readImage);
    Form2Fields& form2 = out.fields.form2;
    Form3Fields& form3 = out.fields.form3;
    Form5Fields& form5 = out.fields.form5;

    // 1. SetNumOf
    SetNumOf(readImage, context, out.tables);

    // 2. Bytes 1792..1807 in offset order.
    const int channelCount = out.tables.channelCount();
    form3.Combo1 = InRangeOr(read(kDisplayMode), kDisplayModeItems, 1);
    form3.Text2 = ChannelNumberText(read(kPriorityChannel), channelCount);
    form3.Combo3 = InRangeOr(read(kStepFrequency), kStepFrequencyItems, 1);
    {
        // v < 4: index v, else 0; index 3 is no item of the 3-item list.
        const std::uint8_t v = read(kAniSendMode);
        form2.Combo1 = v < 4 ? ListIndexIfItem(v, kAniSendModeItems) : std::optional<int>(0);
    }
    form3.Combo5 = InRangeOr(read(kSquelchLevel), kSquelchLevelItems, 5);
    form3.Text6 = ChannelNumberText(read(kPresentChannel), channelCount);
    {
        const std::uint8_t f = read(kFunctionFlags);
        form3.Combo7 = Bit(f, 0);
        form3.Combo8 = Bit(f, 2);
        form3.Combo9 = Bit(f, 3);
        form3.ComboMod = Bit(f, 4);
        form3.Combo10 = Bit(f, 5);
        form3.Combo18 = Bit(f, 6);
        form3.Combo11 = Bit(f, 7);
    }
    form3.Check12 = InRangeOr(read(kVoxAllowCancel), 2, 0);
    form3.Check13 = InRangeOr(read(kVoxInhibitOnReceive), 2, 0);
    form3.Combo14 = InRangeOr(read(kVoxGain), kVoxGainItems, 5);
    form3.Combo15 = InRangeOr(read(kVoxDelay), kVoxDelayItems, 1);
    form2.Combo16 = InRangeOr(read(kDtmfRate), kDtmfRateItems, 1);
    form2.Combo17 = InRangeOr(read(kFirstDigitDelay), kFirstDigitDelayItems, 6);
    form2.Combo18 = GroupCallIndex(read(kGroupCallCode));
    form3.Combo19 = InRangeOr(read(kTxTimeout), kTxTimeoutItems, 4);

    // 3. BandCode, SetGrid.
    out.BandCode = read(kBandCode);
    out.fields.mdiForm1.Combo1 = SetGrid(out.BandCode, context, out.tables);

    // 4. PowerOnText.
    form3.Text31 = PaddedTextFromBytes(read.Bytes(kPowerOnText, kPowerOnTextSize));

    // 5. VfoFrequency through SnapToStepList; no band test.
    form3.Text20 = SnapToStepList(FreqBcdText(read.Bytes<4>(kVfoFrequency)));

    // 6. VfoOffset as a number, "0.00000", through SnapToStepList.
    form3.Text21 = SnapToStepList(FormatFixed(Val(FreqBcdText(read.Bytes<4>(kVfoOffset))), 5));

    // 7., 8. VFO tones: the ToneTable index is the list index.
    form3.Combo22 = DecodeToneCode(read(kVfoRxTone), read(kVfoRxTone + 1), context.language).index;
    form3.Combo23 = DecodeToneCode(read(kVfoTxTone), read(kVfoTxTone + 1), context.language).index;

    // 9. VfoFlags, then the offset direction (no range rule).
    {
        const std::uint8_t f = read(kVfoFlags);
        form3.Combo24 = Bit(f, 0);
        form3.Combo25 = Bit(f, 2);
        form3.Combo26 = Bit(f, 3);
        form3.Combo27 = Bit(f, 4);
        form3.Combo28 = Bit(f, 5);
        form3.Combo12 = Bit(f, 6);
        form3.Combo29 = Bit(f, 7);
    }
    form3.Combo30 = ListIndexIfItem(read(kVfoOffsetDirection), kVfoOffsetDirectionItems);

    // 10. ANI codes.
    form2.Text4 = PaddedTextFromBytes(read.Bytes(kAniEndCode, kAniCodeSize));
    form2.Text2 = PaddedTextFromBytes(read.Bytes(kAniStartCode, kAniCodeSize));

    // 11. FM channels into the table and the grid.
    for (int k = 0; k < kFmChannelCount; ++k) {
        const int at = kFmChannelBlock + k * kFmCodeSize;
        const auto index = static_cast<std::size_t>(k);
        out.fm.FmChannelFreq[index] = FmFreqCodeText(read(at), read(at + 1));
        form5.MSFGrid[index] = out.fm.FmChannelFreq[index];
    }

    // 12. FM settings (module values take any byte; the lists only items).
    out.fm.FmChannelNo = read(kFmChannelNo);
    out.fm.FmDisplayMode = read(kFmDisplayMode);
    out.fm.FmStep = read(kFmStep);
    form5.Combo1_0 = std::to_string(out.fm.FmChannelNo);
    form5.Combo1_1 = ListIndexIfItem(out.fm.FmDisplayMode, kFmDisplayModeItems);
    form5.Combo1_2 = ListIndexIfItem(out.fm.FmStep, kFmStepItems);

    // 13. FmFrequency.
    out.fm.FmFrequency = FmFreqCodeText(read(kFmFrequency), read(kFmFrequency + 1));
    form5.Text2 = out.fm.FmFrequency;

    // 14. Switches.
    form3.Combo2 = SwitchIndex(read(kFmFunction), 1);
    form3.Combo6 = SwitchIndex(read(kScramblerSwitch), 1);
    form3.Combo13 = SwitchIndex(read(kDeEmphasis), 0);
    form3.Combo16 = SwitchIndex(read(kVfoSwitch), 0);

    // 15. Grades.
    out.grades.PowerGrades[HighPowerMidGrade] = read(kHighPowerMidGrade);
    out.grades.PowerGrades[LowPowerMidGrade] = read(kLowPowerMidGrade);
    out.grades.PowerGrades[HighPowerHighGrade] = read(kHighPowerHighGrade);
    out.grades.PowerGrades[HighPowerLowGrade] = read(kHighPowerLowGrade);
    out.grades.PowerGrades[LowPowerHighGrade] = read(kLowPowerHighGrade);
    out.grades.LowPowerLowGrade = read(kLowPowerLowGrade);

    // 16. Names, for every channel.
    DecodeChannelNames(readImage, out.tables);
    return out;
}

}  // namespace qav
