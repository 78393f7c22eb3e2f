#include "image/ModelLayout.h"

namespace qav {
namespace {

using namespace layout;

// ---- the first model's own places ------------------------------------------
constexpr int k730RecordSize = 16;
constexpr int k730Channels = 16;
constexpr int k730ChannelEnd = k730RecordSize * k730Channels;  // 256: 0xFF up to the settings
constexpr int k730SwitchBlock = 1968;                          // radio 0x7E0
constexpr int k730SwitchEnd = 1972;                            // 1972..1983 0xFF
constexpr int k730TuningBlock = 1984;                          // radio 0x7F0
constexpr int k730ImageEnd = 2000;
// The grades sit at the same places inside the tuning block in both models.
constexpr int k730TuningShift = kTuningBlock - k730TuningBlock;

constexpr std::array<ByteRange, 12> k730Fillers = {{
    {k730ChannelEnd, kSettingsBlock - k730ChannelEnd},  // 256..1791
    {kFiller1815, 1},
    {kFiller1822, 2},
    {kFiller1837, 1},
    {kFiller1839, 1},
    {kAniFiller, kFmChannelBlock - kAniFiller},  // 1872..1887
    {kFiller1955, 1},
    {kFmFiller, k730SwitchBlock - kFmFiller},  // 1958..1967
    {k730SwitchEnd, k730TuningBlock - k730SwitchEnd},
    {kFiller2033 - k730TuningShift, 1},
    {kFiller2037 - k730TuningShift, 2},
    {kTuningFiller - k730TuningShift, k730ImageEnd - (kTuningFiller - k730TuningShift)},  // 1993..1999
}};

}  // namespace

const ModelLayout kLayout750{
    .channelRecordSize = kChannelRecordSize,
    .channelSlots = kChannelSlots,
    .channelFlagColumns = {2, kFixedOne, 3, 4, 5, 6, 7, 8},
    .functionFlags = {&Form3Fields::Combo7, nullptr, &Form3Fields::Combo8, &Form3Fields::Combo9,
                      &Form3Fields::ComboMod, &Form3Fields::Combo10, &Form3Fields::Combo18,
                      &Form3Fields::Combo11},
    .functionFixedOnes = 1 << kFixedFlagBit,
    .firstSettingItems = kDisplayModeItems,
    .unstoredSettings = false,
    .scanModeByte = false,
    .ident = kImageIdentText,
    .snapVfo = true,
    .switchBlock = kSwitchBlock,
    .switchBytes = {0, kScramblerSwitch - kSwitchBlock, kDeEmphasis - kSwitchBlock,
                    kVfoSwitch - kSwitchBlock},
    .scramblerFromControl = false,
    .tuningBlock = kTuningBlock,
    .channelNameBlock = kChannelNameBlock,
    .fillers = kFillerRanges,
};

const ModelLayout kLayout730{
    .channelRecordSize = k730RecordSize,
    .channelSlots = k730Channels,
    // Bit 1 carries Reverse, the ninth option column (ChannelOptions column 9).
    .channelFlagColumns = {2, 9, 3, 4, 5, 6, 7, 8},
    // Bit 1 is the MONI key mode (Form3.Combo17); bit 4 is always written 1
    // and still decoded into ComboMod before byte 1799 overrides it.
    .functionFlags = {&Form3Fields::Combo7, &Form3Fields::Combo17, &Form3Fields::Combo8, &Form3Fields::Combo9,
                      &Form3Fields::ComboMod, &Form3Fields::Combo10, &Form3Fields::Combo18,
                      &Form3Fields::Combo11},
    .functionFixedOnes = 1 << 4,
    .firstSettingItems = 2,  // ChangePower: 0 off, 1 on
    .unstoredSettings = true,
    .scanModeByte = true,
    .ident = "RL-730",
    .snapVfo = false,
    .switchBlock = k730SwitchBlock,
    .switchBytes = {0, 1, 2, 3},
    .scramblerFromControl = true,
    .tuningBlock = k730TuningBlock,
    .channelNameBlock = -1,
    .fillers = k730Fillers,
};

}  // namespace qav
