#pragma once
// The QAV-750 memory image layout, every region and offset as a
// named constant. Offsets equal radio addresses. The channel count and the
// image size are the model profile's (kQav750: 128 channels, 3072 bytes);
// this file holds only where things lie. Where the QAV-730 layout differs
// is image/ModelLayout.h.

#include <array>
#include <string_view>

#include "image/RadioValues.h"

namespace qav::layout {

// ---- regions ---------------------------------------------------------------
inline constexpr int kChannelBlock = 0;  // ChannelRecords, channel k at (k-1) x 13
inline constexpr int kChannelRecordSize = 13;
inline constexpr int kChannelFiller = 1664;     // .. 1791: 0xFF
inline constexpr int kSettingsBlock = 1792;     // .. 1839
inline constexpr int kAniCodes = 1840;          // .. 1871: AniEndCode, AniStartCode
inline constexpr int kAniFiller = 1872;         // .. 1887: 0xFF
inline constexpr int kFmChannelBlock = 1888;    // .. 1951: FmFreqCode, channel k at + 2(k-1)
inline constexpr int kFmSettings = 1952;        // .. 1957
inline constexpr int kFmFiller = 1958;          // .. 2005: 0xFF
inline constexpr int kUnwritten = 2006;         // .. 2015: never written by the encoder
inline constexpr int kSwitchBlock = 2016;       // .. 2031 (radio block 0x7E0)
inline constexpr int kTuningBlock = 2032;       // .. 2047 (radio block 0x7F0)
inline constexpr int kChannelNameBlock = 2048;  // .. end of image: 8 bytes a channel
inline constexpr int kChannelNameSize = 8;
inline constexpr int kUnwrittenSize = kSwitchBlock - kUnwritten;  // 10 bytes
inline constexpr int kFmCodeSize = 2;

// Channel records the ChannelBlock has room for.
inline constexpr int kChannelSlots = (kChannelFiller - kChannelBlock) / kChannelRecordSize;
static_assert(kChannelSlots * kChannelRecordSize == kChannelFiller - kChannelBlock);
static_assert(kFmChannelBlock + kFmChannelCount * kFmCodeSize == kFmSettings);

// ---- ChannelRecord (offsets within a record) ------------------------------
inline constexpr int kRecRxFreq = 0;   // FreqBcd; +0 = 0xFF: empty channel
inline constexpr int kRecTxFreq = 4;   // FreqBcd; +4 = 0xFF: no transmit frequency
inline constexpr int kRecRxTone = 8;   // ToneCode, low byte first
inline constexpr int kRecTxTone = 10;  // ToneCode
inline constexpr int kRecFlags = 12;   // ChannelFlags

// Bits of the three flag bytes (ChannelFlags, FunctionFlags, VfoFlags): bit 1
// is always written 1 and never read; the others carry one 0/1 list index
// each, in this order of bits.
inline constexpr int kFixedFlagBit = 1;
inline constexpr std::array<int, 7> kFlagBits = {0, 2, 3, 4, 5, 6, 7};

// ---- SettingsBlock ---------------------------------------------------------
inline constexpr int kDisplayMode = 1792;      // Form3.Combo1
inline constexpr int kPriorityChannel = 1793;  // Form3.Text2
inline constexpr int kStepFrequency = 1794;    // Form3.Combo3
inline constexpr int kAniSendMode = 1795;      // Form2.Combo1
inline constexpr int kSquelchLevel = 1796;     // Form3.Combo5
inline constexpr int kPresentChannel = 1797;   // Form3.Text6
inline constexpr int kFunctionFlags = 1798;    // Form3.Combo7/8/9/Mod/10/18/11
inline constexpr int kFiller1799 = 1799;
inline constexpr int kVoxAllowCancel = 1800;       // Form3.Check12
inline constexpr int kVoxInhibitOnReceive = 1801;  // Form3.Check13
inline constexpr int kVoxGain = 1802;              // Form3.Combo14
inline constexpr int kVoxDelay = 1803;             // Form3.Combo15
inline constexpr int kDtmfRate = 1804;             // Form2.Combo16
inline constexpr int kFirstDigitDelay = 1805;      // Form2.Combo17
inline constexpr int kGroupCallCode = 1806;        // Form2.Combo18
inline constexpr int kTxTimeout = 1807;            // Form3.Combo19
inline constexpr int kImageIdent = 1808;           // 6 bytes "RL-700", never read
inline constexpr int kBandCode = 1814;             // MDIForm1.Combo1 / BandCode
inline constexpr int kFiller1815 = 1815;
inline constexpr int kPowerOnText = 1816;  // 6 bytes, Form3.Text31
inline constexpr int kPowerOnTextSize = 6;
inline constexpr int kFiller1822 = 1822;    // 2 bytes
inline constexpr int kVfoFrequency = 1824;  // FreqBcd, Form3.Text20
inline constexpr int kVfoOffset = 1828;     // FreqBcd, Form3.Text21
inline constexpr int kVfoRxTone = 1832;     // ToneCode, Form3.Combo22
inline constexpr int kVfoTxTone = 1834;     // ToneCode, Form3.Combo23
inline constexpr int kVfoFlags = 1836;      // Form3.Combo24/25/26/27/28/12/29
inline constexpr int kFiller1837 = 1837;
inline constexpr int kVfoOffsetDirection = 1838;  // Form3.Combo30
inline constexpr int kFiller1839 = 1839;
inline constexpr int kAniEndCode = 1840;    // 16 bytes, Form2.Text4
inline constexpr int kAniStartCode = 1856;  // 16 bytes, Form2.Text2
inline constexpr int kAniCodeSize = 16;

inline constexpr std::string_view kImageIdentText = "RL-700";

// ---- FmSettings ------------------------------------------------------------
inline constexpr int kFmChannelNo = 1952;
inline constexpr int kFmDisplayMode = 1953;
inline constexpr int kFmStep = 1954;
inline constexpr int kFiller1955 = 1955;
inline constexpr int kFmFrequency = 1956;  // FmFreqCode, 2 bytes

// ---- SwitchBlock -----------------------------------------------------------
inline constexpr int kFmFunction = 2016;       // Form3.Combo2
inline constexpr int kScramblerSwitch = 2017;  // Form3.Combo6; always written 1
inline constexpr int kDeEmphasis = 2018;       // Form3.Combo13
inline constexpr int kFiller2019 = 2019;
inline constexpr int kVfoSwitch = 2020;     // Form3.Combo16
inline constexpr int kSwitchFiller = 2021;  // .. 2031

// ---- TuningBlock -----------------------------------------------------------
inline constexpr int kHighPowerMidGrade = 2032;  // PowerGrades(1)
inline constexpr int kFiller2033 = 2033;
inline constexpr int kLowPowerMidGrade = 2034;    // PowerGrades(4)
inline constexpr int kHighPowerHighGrade = 2035;  // PowerGrades(0)
inline constexpr int kHighPowerLowGrade = 2036;   // PowerGrades(2)
inline constexpr int kFiller2037 = 2037;          // 2 bytes
inline constexpr int kLowPowerHighGrade = 2039;   // PowerGrades(3)
inline constexpr int kLowPowerLowGrade = 2040;    // LowPowerLowGrade
inline constexpr int kTuningFiller = 2041;        // .. 2047

// ---- fillers the encoder writes 0xFF into -----------------------------------
struct ByteRange {
    int first;
    int count;
};
inline constexpr std::array<ByteRange, 14> kFillerRanges = {{
    {kChannelFiller, kSettingsBlock - kChannelFiller},  // 1664..1791
    {kFiller1799, 1},
    {kFiller1815, 1},
    {kFiller1822, 2},
    {kFiller1837, 1},
    {kFiller1839, 1},
    {kAniFiller, kFmChannelBlock - kAniFiller},  // 1872..1887
    {kFiller1955, 1},
    {kFmFiller, kUnwritten - kFmFiller},  // 1958..2005
    {kFiller2019, 1},
    {kSwitchFiller, kTuningBlock - kSwitchFiller},  // 2021..2031
    {kFiller2033, 1},
    {kFiller2037, 2},
    {kTuningFiller, kChannelNameBlock - kTuningFiller},  // 2041..2047
}};

// ---- item counts of the lists the image fields are bound to -----------------
inline constexpr int kDisplayModeItems = 4;         // Form3.Combo1
inline constexpr int kStepFrequencyItems = 5;       // Form3.Combo3
inline constexpr int kAniSendModeItems = 3;         // Form2.Combo1
inline constexpr int kSquelchLevelItems = 10;       // Form3.Combo5
inline constexpr int kVoxGainItems = 10;            // Form3.Combo14
inline constexpr int kVoxDelayItems = 6;            // Form3.Combo15
inline constexpr int kDtmfRateItems = 2;            // Form2.Combo16
inline constexpr int kFirstDigitDelayItems = 10;    // Form2.Combo17
inline constexpr int kGroupCallCodeItems = 7;       // Form2.Combo18
inline constexpr int kTxTimeoutItems = 41;          // Form3.Combo19
inline constexpr int kVfoOffsetDirectionItems = 3;  // Form3.Combo30
inline constexpr int kSwitchItems = 2;              // the two-item off/on and flag lists
inline constexpr int kFmDisplayModeItems = 2;       // Form5.Combo1(1)
inline constexpr int kFmStepItems = 3;              // Form5.Combo1(2)

}  // namespace qav::layout
