#pragma once
// What one program run keeps for its whole life besides the windows: the
// language, the band selection and the service flags. Owned by the run and
// handed by reference to the windows that use it; never a global.

#include <array>
#include <functional>

#include "image/ChannelTables.h"
#include "image/MemoryImage.h"
#include "image/ModelProfile.h"
#include "image/RadioValues.h"
#include "image/ToneTable.h"
#include "winsupport/TimeOfDay.h"

namespace qav {

struct BandSelection {
    int BandLow = 0;                  // lower band limit, MHz (from the band text)
    double BandHigh = 0;              // upper band limit, MHz; frequencies must lie below it
    int PrevBandIndex = 2;            // the band before the user opened the list
    bool BandChangeByProgram = true;  // false only while the user's choice in the open list is pending
};

// One group of the hidden service unlock on the optional features: three labels
// to be clicked, in any order, within five seconds of the attempt's first click.
struct ServiceUnlockGroup {
    std::array<bool, 3> members{};  // which of the group's labels the running attempt has seen
    int StartTime = 0;              // first click of the attempt, whole seconds since midnight
};

struct ServiceFlags {
    bool ForceWriteAllowed = false;     // a band mismatch at a write asks instead of refusing
    bool TuningWriteAllowed = false;    // a write also sends the tuning block
    ServiceUnlockGroup ServiceUnlockA;  // completing it sets ForceWriteAllowed
    ServiceUnlockGroup ServiceUnlockB;  // completing it sets TuningWriteAllowed
};

struct RunState {
    explicit RunState(const ModelProfile& model)
        : profile(model), channels(model), ReadImage(model), WriteImage(model) {}

    const ModelProfile& profile;
    // ChannelFreq, ChannelOptions, ChannelOptionText and ChannelName: what the
    // channel grid shows, what the codec reads and writes.
    ChannelTables channels;
    // The tone texts, filled once when the main window loads.
    ToneTable toneTable;
    int Language = 1;  // 0 Simplified Chinese, 1 English, 2 Traditional Chinese
    BandSelection band;
    ServiceFlags service;
    // The time of day in seconds since midnight, with fractions.
    std::function<double()> Timer = SecondsSinceMidnight;

    MemoryImage ReadImage;   // as read from the radio or loaded from a file
    MemoryImage WriteImage;  // as built by the encoder, sent and saved
    FmValues fm;
    PowerGradeValues grades;
    int GradesFromRadio = 0;  // set by a complete read: the tuning form shows the image's grades
    int BandCode = 0;         // the radio's band digit (0, 3 or 4)
};

}  // namespace qav
