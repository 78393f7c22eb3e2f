#include "image/ImageEncoder.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "image/Band.h"
#include "image/ImageLayout.h"
#include "image/ModelLayout.h"
#include "image/NumberText.h"
#include "image/ToneTable.h"
#include "image/ValueCodes.h"

namespace qav {
namespace {

using namespace layout;

// Character codes of the group-call items 1..6 (the first character of the
// item's text: "*", "#", "A".."D"); item 0 ("none") is written 0xFF.
constexpr std::array<std::uint8_t, kGroupCallCodeItems> kGroupCallBytes = {0xFF, '*', '#', 'A',
                                                                           'B',  'C', 'D'};

struct FlagMember {
    int value = 0;      // the list index of the member
    std::string field;  // its control or table entry; empty: the bit has no member
};
using FlagMembers = std::array<FlagMember, 8>;  // bit 0 first

std::string Indexed(const char* table, int a) {
    return std::string(table) + "(" + std::to_string(a) + ")";
}
std::string Indexed(const char* table, int a, int b) {
    return std::string(table) + "(" + std::to_string(a) + ", " + std::to_string(b) + ")";
}

class Encoder {
  public:
    Encoder(MemoryImage& image, std::vector<EncodeFault>& faults) : image_(image), faults_(faults) {}

    void Put(int offset, std::uint8_t value) { image_.at(offset) = value; }

    template <std::size_t N>
    void Put(int offset, const std::array<std::uint8_t, N>& bytes) {
        for (std::size_t i = 0; i < N; ++i) {
            Put(offset + static_cast<int>(i), bytes[i]);
        }
    }

    void Fill(int offset, int count, std::uint8_t value) {
        for (int i = 0; i < count; ++i) {
            Put(offset + i, value);
        }
    }

    void Fault(std::string field, int offset, EncodeProblem problem, int index = -1) {
        faults_.push_back({std::move(field), index, offset, problem});
    }

    // A list index checked against its list: the index checked value, or a
    // fault (and nullopt).
    std::optional<int> CheckedIndex(std::optional<int> value, int items, const std::string& field, int offset,
                                    int index = -1) {
        if (!value || *value < 0) {
            Fault(field, offset, EncodeProblem::NoSelection, index);
            return std::nullopt;
        }
        if (*value >= items) {
            Fault(field, offset, EncodeProblem::NotAnItem, index);
            return std::nullopt;
        }
        return value;
    }

    // "the list index as a byte"
    void ListIndex(int offset, std::optional<int> value, int items, const char* field) {
        if (const auto index = CheckedIndex(value, items, field, offset)) {
            Put(offset, static_cast<std::uint8_t>(*index));
        }
    }

    // "the value as a byte" for module values: any 0..255.
    void ByteValue(int offset, int value, const std::string& field) {
        if (value < 0 || value > 255) {
            Fault(field, offset, EncodeProblem::OutOfByteRange);
            return;
        }
        Put(offset, static_cast<std::uint8_t>(value));
    }

    // Each bit from its 0/1 member, lowest first; the bits of fixedOnes are
    // always 1. One bad member leaves the whole byte as it was.
    void Flags(int offset, int fixedOnes, const FlagMembers& members, int index = -1) {
        int flags = fixedOnes;
        bool ok = true;
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (members[i].field.empty() || (fixedOnes & (1 << i)) != 0) {
                continue;
            }
            const auto bit = CheckedIndex(members[i].value, 2, members[i].field, offset, index);
            if (!bit) {
                ok = false;
                continue;
            }
            flags |= *bit << i;
        }
        if (ok) {
            Put(offset, static_cast<std::uint8_t>(flags));
        }
    }

    // 1793 / 1797: empty text 0xFF, else the number rounded, as a byte.
    void ChannelNumber(int offset, const std::string& text, const char* field) {
        if (text.empty()) {
            Put(offset, 0xFF);
            return;
        }
        if (!IsNumeric(text)) {
            Fault(field, offset, EncodeProblem::NotANumber);
            return;
        }
        const std::optional<std::int64_t> whole = RoundToWhole(Val(text));
        if (!whole || *whole < 0 || *whole > 255) {
            Fault(field, offset, EncodeProblem::OutOfByteRange);
            return;
        }
        Put(offset, static_cast<std::uint8_t>(*whole));
    }

    // Characters of a text, 0xFF after it.
    void PaddedText(int offset, int width, const std::string& text, const char* field) {
        const auto bytes = PaddedTextBytes(text, width);
        if (!bytes) {
            Fault(field, offset, EncodeProblem::NotOneByte);
            return;
        }
        for (int i = 0; i < width; ++i) {
            Put(offset + i, (*bytes)[static_cast<std::size_t>(i)]);
        }
    }

    void Frequency(int offset, const std::string& text, const std::string& field, int index = -1) {
        if (const auto bytes = FreqBcdBytes(text)) {
            Put(offset, *bytes);
        } else {
            Fault(field, offset, EncodeProblem::NotAFrequency, index);
        }
    }

    // A tone list's index -> its pair: 0 FF FF, 1..260 the code of the item.
    void ToneListIndex(int offset, int value, const char* field) {
        const auto index = CheckedIndex(value, ToneTable::kListItems, field, offset);
        if (!index) {
            return;
        }
        if (*index == 0) {
            Put(offset, std::array<std::uint8_t, 2>{0xFF, 0xFF});
            return;
        }
        if (const auto bytes = ToneCodeBytes(StandardToneTable().Text(*index))) {
            Put(offset, *bytes);
        }
    }

    void FmFrequency(int offset, const std::string& text, const std::string& field, int index) {
        if (const auto bytes = FmFreqCodeBytes(text)) {
            Put(offset, *bytes);
        } else {
            Fault(field, offset, EncodeProblem::NotAnFmFrequency, index);
        }
    }

  private:
    MemoryImage& image_;
    std::vector<EncodeFault>& faults_;
};

void EncodeChannel(Encoder& enc, const ChannelTables& tables, int ch, const ModelLayout& layout) {
    const int b = kChannelBlock + ch * layout.channelRecordSize;
    const std::string& rx = tables.ChannelFreq(ch, 0);
    // 1.1 empty receive text: the whole record 0xFF.
    if (rx.empty()) {
        enc.Fill(b, layout.channelRecordSize, 0xFF);
        return;
    }
    // 1.2, 1.3 frequencies.
    enc.Frequency(b + kRecRxFreq, rx, Indexed("ChannelFreq", ch, 0), ch);
    const std::string& tx = tables.ChannelFreq(ch, 1);
    if (tx.empty()) {
        enc.Fill(b + kRecTxFreq, 4, 0xFF);
    } else {
        enc.Frequency(b + kRecTxFreq, tx, Indexed("ChannelFreq", ch, 1), ch);
    }
    // 1.4, 1.5 tones: index 0 FF FF whatever the text; else the text's code.
    for (int column = 0; column < 2; ++column) {
        const int at = b + (column == 0 ? kRecRxTone : kRecTxTone);
        const int index = tables.ChannelOptions(ch, column);
        if (index == 0) {
            enc.Put(at, std::array<std::uint8_t, 2>{0xFF, 0xFF});
        } else if (index < 0 || index >= ToneTable::kListItems) {
            enc.Fault(Indexed("ChannelOptions", ch, column), at,
                      index < 0 ? EncodeProblem::NoSelection : EncodeProblem::NotAnItem, ch);
        } else if (const auto bytes = ToneCodeBytes(tables.ChannelOptionText(ch, column))) {
            enc.Put(at, *bytes);
        } else {
            enc.Fault(Indexed("ChannelOptionText", ch, column), at, EncodeProblem::NotATone, ch);
        }
    }
    // 1.6 flags from the option columns the layout gives each bit.
    FlagMembers members{};
    int fixedOnes = 0;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const int column = layout.channelFlagColumns[i];
        if (column == kFixedOne) {
            fixedOnes |= 1 << i;
        } else {
            members[i] = {tables.ChannelOptions(ch, column), Indexed("ChannelOptions", ch, column)};
        }
    }
    enc.Flags(b + kRecFlags, fixedOnes, members, ch);
    // 1.7 the bytes after the flags.
    enc.Fill(b + kRecFlags + 1, layout.channelRecordSize - kRecFlags - 1, 0xFF);
}

// The option columns a layout's channel flags need.
int FlagColumns(const ModelLayout& layout) {
    int columns = 2;
    for (const int column : layout.channelFlagColumns) {
        columns = std::max(columns, column + 1);
    }
    return columns;
}

// The image bytes a layout writes: up to the end of its names or else of its
// tuning block (as long as in the second model, whose names follow it).
int ImageEnd(const ModelLayout& layout, int channels) {
    return layout.channelNameBlock >= 0 ? layout.channelNameBlock + channels * kChannelNameSize
                                        : layout.tuningBlock + kChannelNameBlock - kTuningBlock;
}

}  // namespace

std::vector<EncodeFault> EncodeImage(const ImageFields& fields, const ChannelTables& tables,
                                     const FmValues& fm, const PowerGradeValues& grades,
                                     MemoryImage& writeImage, const ModelLayout& layout) {
    std::vector<EncodeFault> faults;
    const int channels = tables.channelCount();
    if (channels > layout.channelSlots || tables.optionColumns() < FlagColumns(layout) ||
        writeImage.size() < ImageEnd(layout, channels)) {
        faults.push_back({"WriteImage", -1, 0, EncodeProblem::LayoutMismatch});
        return faults;
    }
    Encoder enc(writeImage, faults);
    const Form2Fields& form2 = fields.form2;
    const Form3Fields& form3 = fields.form3;

    // 1. Channels. A slot past the profile's channels stays as it was.
    for (int ch = 0; ch < channels; ++ch) {
        EncodeChannel(enc, tables, ch, layout);
    }
    // 2. Every filler of the layout, the one after the channel records first.
    for (const ByteRange& filler : layout.fillers) {
        enc.Fill(filler.first, filler.count, 0xFF);
    }
    // The settings the first model does not store.
    const bool stored = !layout.unstoredSettings;

    // 3. 1792..1797.
    enc.ListIndex(kDisplayMode, form3.Combo1, layout.firstSettingItems, "Form3.Combo1");
    enc.ChannelNumber(kPriorityChannel, form3.Text2, "Form3.Text2");
    if (stored) {
        enc.ListIndex(kStepFrequency, form3.Combo3, kStepFrequencyItems, "Form3.Combo3");
    } else {
        enc.Put(kStepFrequency, 0xFF);
    }
    enc.ListIndex(kAniSendMode, form2.Combo1, kAniSendModeItems, "Form2.Combo1");
    enc.ListIndex(kSquelchLevel, form3.Combo5, kSquelchLevelItems, "Form3.Combo5");
    if (stored) {
        enc.ChannelNumber(kPresentChannel, form3.Text6, "Form3.Text6");
    } else {
        enc.Put(kPresentChannel, 0xFF);
    }

    // 4. FunctionFlags; the scan mode's own byte where the layout has one.
    {
        static constexpr std::array<const char*, 8> kNames = {
            "Form3.Combo7",   "Form3.Combo17", "Form3.Combo8",  "Form3.Combo9",
            "Form3.ComboMod", "Form3.Combo10", "Form3.Combo18", "Form3.Combo11"};
        FlagMembers members{};
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (layout.functionFlags[i] != nullptr) {
                members[i] = {form3.*layout.functionFlags[i], kNames[i]};
            }
        }
        enc.Flags(kFunctionFlags, layout.functionFixedOnes, members);
    }
    if (layout.scanModeByte) {
        enc.ListIndex(kFiller1799, form3.ComboMod, kSwitchItems, "Form3.ComboMod");
    }

    // 5. 1800..1807.
    enc.ListIndex(kVoxAllowCancel, form3.Check12, 2, "Form3.Check12");
    enc.ListIndex(kVoxInhibitOnReceive, form3.Check13, 2, "Form3.Check13");
    enc.ListIndex(kVoxGain, form3.Combo14, kVoxGainItems, "Form3.Combo14");
    enc.ListIndex(kVoxDelay, form3.Combo15, kVoxDelayItems, "Form3.Combo15");
    if (stored) {
        enc.ListIndex(kDtmfRate, form2.Combo16, kDtmfRateItems, "Form2.Combo16");
    } else {
        enc.Put(kDtmfRate, 0xFF);
    }
    enc.ListIndex(kFirstDigitDelay, form2.Combo17, kFirstDigitDelayItems, "Form2.Combo17");
    if (!stored) {
        enc.Put(kGroupCallCode, 0xFF);
    } else if (const auto item =
                   enc.CheckedIndex(form2.Combo18, kGroupCallCodeItems, "Form2.Combo18", kGroupCallCode)) {
        enc.Put(kGroupCallCode, kGroupCallBytes[static_cast<std::size_t>(*item)]);
    }
    enc.ListIndex(kTxTimeout, form3.Combo19, kTxTimeoutItems, "Form3.Combo19");

    // 6. Ident.
    for (std::size_t i = 0; i < layout.ident.size(); ++i) {
        enc.Put(kImageIdent + static_cast<int>(i), static_cast<std::uint8_t>(layout.ident[i]));
    }

    // 7. Band; filler.
    if (fields.mdiForm1.Combo1 < 0) {
        enc.Fault("MDIForm1.Combo1", kBandCode, EncodeProblem::NoSelection);
    } else if (const auto code = BandCodeFromIndex(fields.mdiForm1.Combo1)) {
        enc.Put(kBandCode, static_cast<std::uint8_t>(*code));
    } else {
        enc.Fault("MDIForm1.Combo1", kBandCode, EncodeProblem::NotAnItem);
    }

    // 8. Power-on text; filler.
    enc.PaddedText(kPowerOnText, kPowerOnTextSize, form3.Text31, "Form3.Text31");

    // 9. VFO frequency as it stands (a read may have left hex digits in it);
    // the offset formatted "000.00000" first, so 10 MHz goes out as 010.00000.
    enc.Frequency(kVfoFrequency, form3.Text20, "Form3.Text20");
    const std::string& vfoOffset = form3.Text21;
    enc.Frequency(kVfoOffset, IsNumeric(vfoOffset) ? FormatFixed(Val(vfoOffset), 5, 3) : vfoOffset, "Form3.Text21");

    // 10. VFO tones.
    enc.ToneListIndex(kVfoRxTone, form3.Combo22, "Form3.Combo22");
    enc.ToneListIndex(kVfoTxTone, form3.Combo23, "Form3.Combo23");

    // 11. VfoFlags, fillers, offset direction.
    enc.Flags(kVfoFlags, 1 << kFixedFlagBit,
              {{{form3.Combo24, "Form3.Combo24"},
                {},
                {form3.Combo25, "Form3.Combo25"},
                {form3.Combo26, "Form3.Combo26"},
                {form3.Combo27, "Form3.Combo27"},
                {form3.Combo28, "Form3.Combo28"},
                {form3.Combo12, "Form3.Combo12"},
                {form3.Combo29, "Form3.Combo29"}}});
    enc.ListIndex(kVfoOffsetDirection, form3.Combo30, kVfoOffsetDirectionItems, "Form3.Combo30");

    // 12. ANI codes; filler.
    enc.PaddedText(kAniEndCode, kAniCodeSize, form2.Text4, "Form2.Text4");
    enc.PaddedText(kAniStartCode, kAniCodeSize, form2.Text2, "Form2.Text2");

    // 13. FM channels: emptiness from the grid, value from the table. A
    // channel typed into the grid but never taken with OK has no value in
    // the table: it stays empty rather than keeping whatever the bytes held.
    for (int k = 0; k < kFmChannelCount; ++k) {
        const int at = kFmChannelBlock + k * kFmCodeSize;
        const auto i = static_cast<std::size_t>(k);
        if (fields.form5.MSFGrid[i].empty() || fm.FmChannelFreq[i].empty()) {
            enc.Put(at, std::array<std::uint8_t, 2>{0xFF, 0xFF});
        } else {
            enc.FmFrequency(at, fm.FmChannelFreq[i], Indexed("FmChannelFreq", k), k);
        }
    }

    // 14. FM settings.
    enc.ByteValue(kFmChannelNo, fm.FmChannelNo, "FmChannelNo");
    enc.ByteValue(kFmDisplayMode, fm.FmDisplayMode, "FmDisplayMode");
    enc.ByteValue(kFmStep, fm.FmStep, "FmStep");
    if (fm.FmFrequency.empty() || Val(fm.FmFrequency) == 0.0) {
        enc.Put(kFmFrequency, std::array<std::uint8_t, 2>{0xFF, 0xFF});
    } else {
        enc.FmFrequency(kFmFrequency, fm.FmFrequency, "FmFrequency", -1);
    }

    // 15., 16. SwitchBlock; the second model writes the scrambler as 1.
    const auto switchByte = [&layout](std::size_t i) { return layout.switchBlock + layout.switchBytes[i]; };
    enc.ListIndex(switchByte(0), form3.Combo2, kSwitchItems, "Form3.Combo2");
    if (layout.scramblerFromControl) {
        enc.ListIndex(switchByte(1), form3.Combo6, kSwitchItems, "Form3.Combo6");
    } else {
        enc.Put(switchByte(1), 1);
    }
    enc.ListIndex(switchByte(2), form3.Combo13, kSwitchItems, "Form3.Combo13");
    enc.ListIndex(switchByte(3), form3.Combo16, kSwitchItems, "Form3.Combo16");

    // 17. TuningBlock: the grades at the same places in both models.
    const auto tuning = [&layout](int offset) { return offset - kTuningBlock + layout.tuningBlock; };
    const auto& pg = grades.PowerGrades;
    enc.ByteValue(tuning(kHighPowerMidGrade), pg[HighPowerMidGrade], Indexed("PowerGrades", 1));
    enc.ByteValue(tuning(kLowPowerMidGrade), pg[LowPowerMidGrade], Indexed("PowerGrades", 4));
    enc.ByteValue(tuning(kHighPowerHighGrade), pg[HighPowerHighGrade], Indexed("PowerGrades", 0));
    enc.ByteValue(tuning(kHighPowerLowGrade), pg[HighPowerLowGrade], Indexed("PowerGrades", 2));
    enc.ByteValue(tuning(kLowPowerHighGrade), pg[LowPowerHighGrade], Indexed("PowerGrades", 3));
    enc.ByteValue(tuning(kLowPowerLowGrade), grades.LowPowerLowGrade, "LowPowerLowGrade");

    // 18. Names.
    for (int ch = 0; ch < channels && layout.channelNameBlock >= 0; ++ch) {
        const int at = layout.channelNameBlock + ch * kChannelNameSize;
        if (const auto bytes = ChannelNameBytes(tables.ChannelName(ch))) {
            enc.Put(at, *bytes);
        } else {
            enc.Fault(Indexed("ChannelName", ch), at, EncodeProblem::NotOneByte, ch);
        }
    }
    return faults;
}

std::string Describe(const EncodeFault& fault) {
    const char* what = "";
    switch (fault.problem) {
        case EncodeProblem::NoSelection:
            what = "no selection";
            break;
        case EncodeProblem::NotAnItem:
            what = "not an item of the list";
            break;
        case EncodeProblem::OutOfByteRange:
            what = "number outside 0..255";
            break;
        case EncodeProblem::NotANumber:
            what = "not a number";
            break;
        case EncodeProblem::NotAFrequency:
            what = "not a frequency";
            break;
        case EncodeProblem::NotATone:
            what = "not a tone of the tone table";
            break;
        case EncodeProblem::NotAnFmFrequency:
            what = "not an FM frequency (76..108 MHz, 50 kHz steps)";
            break;
        case EncodeProblem::NotOneByte:
            what = "a character that does not fit one byte";
            break;
        case EncodeProblem::LayoutMismatch:
            what = "image or channel tables do not fit the layout";
            break;
    }
    return fault.field + ": " + what + " (byte " + std::to_string(fault.offset) + ")";
}

}  // namespace qav
