#pragma once
// The values of the window controls that the memory image holds (both models;
// a member only one model stores says so), one member per control, named
// after the control it is bound to, so that the binding half next to the
// forms is a plain copy:
//
//   decode:  image -> DecodeImage -> ImageFields -> set each control
//            (a std::nullopt member: leave that control as it was)
//   encode:  read each control -> ImageFields -> EncodeImage -> WriteImage
//            (a list with no selection is -1; for the std::optional members
//            the binding always stores the control's index, and std::nullopt
//            there is reported as "no selection" too)
//
// List members hold the control's list index (`ListIndex`), check members
// its value (0 clear, 1 ticked), text members its text (UTF-8). std::optional
// is used exactly where a decoded byte may be one the list cannot take, so
// that the control keeps its value (the system's resume-next rule). The
// channel grid `Form1.Grid1` is not here: it is a view over the channel
// tables (row k: column 1 ChannelFreq(k-1,0), 2 ChannelFreq(k-1,1), 3..11
// ChannelOptionText(k-1,0..8), 12 ChannelName(k-1)); after a decode the
// binding redraws it from the decoded tables.
//
// Defaults: every list -1, every optional empty, checks 0, texts empty, so a
// struct not filled from the controls is never encoded silently.

#include <array>
#include <optional>
#include <string>

#include "image/RadioValues.h"

namespace qav {

// MDIForm1, the main window.
struct MainWindowFields {
    int Combo1 = -1;  // band selector: 0 "136-174MHz", 1 "350-390MHz", 2 "400-470MHz" (1814)

    friend bool operator==(const MainWindowFields&, const MainWindowFields&) = default;
};

// Form2, the DTMF form.
struct Form2Fields {
    // AniSendMode (1795): 0 at transmit start, 1 at transmit end, 2 both.
    // Decoded byte 3 is inside the rule's range but not a list item: nullopt.
    std::optional<int> Combo1;
    int Combo16 = -1;   // DtmfRate (1804): 0 fast, 1 slow
    int Combo17 = -1;   // FirstDigitDelay (1805): n x 200 ms, n = 0..9
    int Combo18 = -1;   // GroupCallCode (1806): 0 none, 1 "*", 2 "#", 3..6 "A".."D" (hidden)
    std::string Text2;  // AniStartCode (1856..1871), up to 16 characters
    std::string Text4;  // AniEndCode (1840..1855), up to 16 characters

    friend bool operator==(const Form2Fields&, const Form2Fields&) = default;
};

// Form3, the optional-features form.
struct Form3Fields {
    // Function settings
    int Combo1 = -1;    // DisplayMode (1792): 0 VFO, 1 channel+frequency, 2 channel, 3 name;
                        // first model: ChangePower, 0 off, 1 on
    std::string Text2;  // PriorityChannel (1793): channel number text, "" none
    int Combo3 = -1;    // StepFrequency (1794): 0 5K, 1 6.25K, 2 10K, 3 12.5K, 4 25K
    int Combo5 = -1;    // SquelchLevel (1796): 0..9
    std::string Text6;  // PresentChannel (1797): channel number text, "" none
    // FunctionFlags (1798), bit 0 and bits 2..7, each 0/1:
    int Combo7 = -1;    // bit 0 Beep: 0 off, 1 on
    int Combo17 = -1;   // bit 1 MonitorKey, first model only: MONI key 0 steady, 1 transient
    int Combo8 = -1;    // bit 2 BatterySave: 0 off, 1 on
    int Combo9 = -1;    // bit 3 KeyLock: 0 locked, 1 normal
    int ComboMod = -1;  // bit 4 ScanMode: 0 carrier, 1 time (hidden control); first model: 1799
    int Combo10 = -1;   // bit 5 AutoBacklight: 0 off, 1 on
    int Combo18 = -1;   // bit 6 KeyLockMode: 0 keys and encoder, 1 keys
    int Combo11 = -1;   // bit 7 ReverseFrequency: 0 on, 1 off
    // VOX
    int Check12 = 0;     // VoxAllowCancel (1800)
    int Check13 = 0;     // VoxInhibitOnReceive (1801)
    int Combo14 = -1;    // VoxGain (1802): 0 off, 1..9
    int Combo15 = -1;    // VoxDelay (1803): 0.5, 1, 1.5, 2, 2.5, 3 s
    int Combo19 = -1;    // TxTimeout (1807): 0 off, n = 15 s x n
    std::string Text31;  // PowerOnText (1816..1821), up to 6 characters
    // VFO page
    std::string Text20;  // VfoFrequency (1824..1827), MHz "0.00000"
    std::string Text21;  // VfoOffset (1828..1831), MHz "0.00000"
    int Combo22 = -1;    // VfoRxTone (1832..1833): tone list index, 0 off, 1..260 ToneTable
    int Combo23 = -1;    // VfoTxTone (1834..1835): likewise
    // VfoFlags (1836), bit 0 and bits 2..7, each 0/1:
    int Combo24 = -1;  // bit 0 VfoPower: 0 low, 1 high
    int Combo25 = -1;  // bit 2 VfoBusyLock: 0 carrier, 1 off
    int Combo26 = -1;  // bit 3 VfoScanAdd: 0 off, 1 on (hidden control)
    int Combo27 = -1;  // bit 4 VfoBandwidth: 0 narrow, 1 wide
    int Combo28 = -1;  // bit 5 VfoAni: 0 on, 1 off
    int Combo12 = -1;  // bit 6 VfoScramble: 0 on, 1 off
    int Combo29 = -1;  // bit 7 VfoCompanding: 0 off, 1 on
    // VfoOffsetDirection (1838): 0 plus, 1 minus, 2 none; no range rule, so a
    // byte above 2 leaves the control: nullopt.
    std::optional<int> Combo30;
    // SwitchBlock
    int Combo2 = -1;   // FmFunction (2016): 0 off, 1 on (its Click enables MNFMset)
    int Combo6 = -1;   // ScramblerSwitch (2017): decoded only, the encoder writes 1; first model: 1969
    int Combo13 = -1;  // DeEmphasis (2018): 0 off, 1 on (hidden control)
    int Combo16 = -1;  // VfoSwitch (2020): 0 off, 1 on (hidden control);
                       // first model: CompanderSwitch (1971)

    friend bool operator==(const Form3Fields&, const Form3Fields&) = default;
};

// Form5, the FM broadcast-channel form. The encoder reads only
// MSFGrid (whether a channel is empty); the FM values themselves are FmValues.
struct Form5Fields {
    // Column 1 of MSFGrid, row k at [k-1]: the FM channel's text, "" empty.
    std::array<std::string, kFmChannelCount> MSFGrid;
    std::string Combo1_0;         // Form5.Combo1(0) text: FmChannelNo as decimal text
    std::optional<int> Combo1_1;  // Form5.Combo1(1) index: FmDisplayMode if 0..1
    std::optional<int> Combo1_2;  // Form5.Combo1(2) index: FmStep if 0..2
    std::string Text2;            // FM frequency box: FmFrequency

    friend bool operator==(const Form5Fields&, const Form5Fields&) = default;
};

struct ImageFields {
    MainWindowFields mdiForm1;
    Form2Fields form2;
    Form3Fields form3;
    Form5Fields form5;

    friend bool operator==(const ImageFields&, const ImageFields&) = default;
};

}  // namespace qav
