#pragma once
// What one program run keeps for its whole life besides the windows: the
// language, the band selection and the service flags. Owned by the run and
// handed by reference to the windows that use it; never a global.

#include "image/ChannelTables.h"
#include "image/ModelProfile.h"
#include "image/ToneTable.h"

namespace qav {

struct BandSelection {
    int BandLow = 0;                 // lower band limit, MHz (from the band text)
    double BandHigh = 0;             // upper band limit, MHz; frequencies must lie below it
    int PrevBandIndex = 2;           // the band before the user opened the list
    bool BandChangeByProgram = true; // false only while the user's choice in the open list is pending
};

struct ServiceFlags {
    bool ForceWriteAllowed = false;  // a band mismatch at a write asks instead of refusing
    bool TuningWriteAllowed = false; // a write also sends the tuning block
};

struct RunState {
    explicit RunState(const ModelProfile& model) : profile(model), channels(model) {}

    const ModelProfile& profile;
    // ChannelFreq, ChannelOptions, ChannelOptionText and ChannelName: what the
    // channel grid shows, what the codec reads and writes.
    ChannelTables channels;
    // The tone texts, filled once when the main window loads.
    ToneTable toneTable;
    int Language = 1;  // 0 Simplified Chinese, 1 English, 2 Traditional Chinese
    BandSelection band;
    ServiceFlags service;
};

}  // namespace qav
