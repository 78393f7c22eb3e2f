#include "image/ImageDecoder.h"

#include <algorithm>
#include <optional>

#include "image/FrequencySnap.h"
#include "image/ImageLayout.h"
#include "image/ModelLayout.h"
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

const ModelProfile& ProfileOf(const DecodeContext& context) {
    return context.profile != nullptr ? *context.profile : kQav750;
}

const ModelLayout& LayoutOf(const DecodeContext& context) {
    const ModelLayout* layout = ProfileOf(context).layout;
    return layout != nullptr ? *layout : kLayout750;
}

int RecordChannels(const ChannelTables& tables, const ModelLayout& layout) {
    return std::min(tables.channelCount(), layout.channelSlots);
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
    const ModelLayout& layout = LayoutOf(context);
    const int channels = RecordChannels(tables, layout);
    for (int ch = 0; ch < channels; ++ch) {
        const int b = kChannelBlock + ch * layout.channelRecordSize;
        if (read(b + kRecRxFreq) == 0xFF) {
            tables.ClearChannel(ch);
            continue;
        }
        tables.ChannelFreq(ch, 0) = FreqBcdText(read.Bytes<4>(b + kRecRxFreq));
        tables.ChannelFreq(ch, 1) =
            read(b + kRecTxFreq) == 0xFF ? std::string() : FreqBcdText(read.Bytes<4>(b + kRecTxFreq));
        DecodeChannelTone(read, b + kRecRxTone, context, tables, ch, 0);
        DecodeChannelTone(read, b + kRecTxTone, context, tables, ch, 1);
        // Lowest bit first, each into the option column the layout gives it.
        const std::uint8_t flags = read(b + kRecFlags);
        for (std::size_t i = 0; i < layout.channelFlagColumns.size(); ++i) {
            const int column = layout.channelFlagColumns[i];
            if (column == kFixedOne || column >= tables.optionColumns()) {
                continue;
            }
            const int bit = Bit(flags, static_cast<int>(i));
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

void DecodeChannelNames(const MemoryImage& readImage, ChannelTables& tables, const ModelLayout& layout) {
    if (layout.channelNameBlock < 0) {
        return;
    }
    const Reader read(readImage);
    for (int ch = 0; ch < tables.channelCount(); ++ch) {
        tables.ChannelName(ch) =
            ChannelNameText(read.Bytes<kChannelNameSize>(layout.channelNameBlock + ch * kChannelNameSize));
    }
}

DecodedImage DecodeImage(const MemoryImage& readImage, const DecodeContext& context) {
    const ModelProfile& profile = ProfileOf(context);
    const ModelLayout& layout = LayoutOf(context);
    DecodedImage out(profile);
    const Reader read(readImage);
    Form2Fields& form2 = out.fields.form2;
    Form3Fields& form3 = out.fields.form3;
    Form5Fields& form5 = out.fields.form5;

    // 1. SetNumOf
    SetNumOf(readImage, context, out.tables);

    // 2. Bytes 1792..1807 in offset order.
    const int channelCount = out.tables.channelCount();
    form3.Combo1 = InRangeOr(read(kDisplayMode), layout.firstSettingItems, 1);
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
        for (std::size_t i = 0; i < layout.functionFlags.size(); ++i) {
            if (layout.functionFlags[i] != nullptr) {
                form3.*layout.functionFlags[i] = Bit(f, static_cast<int>(i));
            }
        }
    }
    if (layout.scanModeByte) {
        // The whole byte, with no range rule: one the list cannot take leaves
        // the value of bit 4 of 1798.
        if (const auto scanMode = ListIndexIfItem(read(kFiller1799), kSwitchItems)) {
            form3.ComboMod = *scanMode;
        }
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

    // 5. VfoFrequency through SnapToStepList (the first model keeps it as
    // stored); no band test.
    form3.Text20 = FreqBcdText(read.Bytes<4>(kVfoFrequency));
    // 6. VfoOffset as a number, "0.00000", likewise.
    form3.Text21 = FormatFixed(Val(FreqBcdText(read.Bytes<4>(kVfoOffset))), 5);
    if (layout.snapVfo) {
        form3.Text20 = SnapToStepList(form3.Text20);
        form3.Text21 = SnapToStepList(form3.Text21);
    }

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
    const auto switchByte = [&](std::size_t i) { return read(layout.switchBlock + layout.switchBytes[i]); };
    form3.Combo2 = SwitchIndex(switchByte(0), 1);
    form3.Combo6 = SwitchIndex(switchByte(1), 1);
    form3.Combo13 = SwitchIndex(switchByte(2), 0);
    form3.Combo16 = SwitchIndex(switchByte(3), 0);

    // 15. Grades, at the same places inside the tuning block in both models.
    const auto grade = [&](int offset) { return read(offset - kTuningBlock + layout.tuningBlock); };
    out.grades.PowerGrades[HighPowerMidGrade] = grade(kHighPowerMidGrade);
    out.grades.PowerGrades[LowPowerMidGrade] = grade(kLowPowerMidGrade);
    out.grades.PowerGrades[HighPowerHighGrade] = grade(kHighPowerHighGrade);
    out.grades.PowerGrades[HighPowerLowGrade] = grade(kHighPowerLowGrade);
    out.grades.PowerGrades[LowPowerHighGrade] = grade(kLowPowerHighGrade);
    out.grades.LowPowerLowGrade = grade(kLowPowerLowGrade);

    // 16. Names, for every channel (a model without names has none).
    DecodeChannelNames(readImage, out.tables, layout);
    return out;
}

}  // namespace qav
