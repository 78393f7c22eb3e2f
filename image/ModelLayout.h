#pragma once
// Where the two radio models' memory images differ, as data the one decoder
// and the one encoder read. Every offset not named here is the same in both
// images (image/ImageLayout.h, the QAV-750 layout): the settings, the VFO, the
// ANI codes, the FM channels and FM settings.
//
// The first model (QAV-730) has 16 channel records of 16 bytes, no channel
// names, its switch and tuning blocks right after the FM settings, a power-on
// power switch in place of the display mode, the MONI key mode in bit 1 of the
// function flags and the scan mode in a byte of its own; four settings it
// does not store are written 0xFF (and still decoded with the usual rules).

#include <array>
#include <span>
#include <string_view>

#include "image/ImageFields.h"
#include "image/ImageLayout.h"

namespace qav {

// A bit of a flag byte that carries no value: always written 1.
inline constexpr int kFixedOne = -1;

struct ModelLayout {
    int channelRecordSize;  // bytes of a ChannelRecord; those after ChannelFlags are 0xFF
    int channelSlots;       // records the ChannelBlock holds
    // ChannelFlags, bit 0 first: the ChannelOptions column each bit carries,
    // or kFixedOne.
    std::array<int, 8> channelFlagColumns;
    // FunctionFlags (1798), bit 0 first: the Form3 list each bit is decoded
    // into; a bit in functionFixedOnes is written 1 whatever its member holds.
    std::array<int Form3Fields::*, 8> functionFlags;
    int functionFixedOnes;
    int firstSettingItems;   // items of Form3.Combo1, the list of byte 1792
    bool unstoredSettings;   // 1794, 1797, 1804 and 1806 are written 0xFF
    bool scanModeByte;       // 1799 holds ScanMode (Form3.ComboMod), else 0xFF
    std::string_view ident;  // ImageIdent at 1808
    bool snapVfo;            // VfoFrequency and VfoOffset decode through SnapToStepList
    int switchBlock;         // image offset of radio block 0x7E0
    // Offsets in it of FmFunction, ScramblerSwitch, DeEmphasis and the switch
    // of Form3.Combo16 (the VFO switch or the compander switch).
    std::array<int, 4> switchBytes;
    bool scramblerFromControl;  // ScramblerSwitch from Form3.Combo6, else the constant 1
    int tuningBlock;            // image offset of radio block 0x7F0
    int channelNameBlock;       // image offset of the names, or -1: no channel names
    // Every 0xFF filler outside the channel records, in image order.
    std::span<const layout::ByteRange> fillers;
};

extern const ModelLayout kLayout750;
extern const ModelLayout kLayout730;

}  // namespace qav
