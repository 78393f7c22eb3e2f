#pragma once
// The QAV-730 program's channel editor, optional features and DTMF form, as
// their differences from the QAV-750 forms.

#include "forms/ChannelEditorLayout.h"
#include "forms/DtmfFormLayout.h"
#include "forms/FeaturesFormLayout.h"

namespace qav {

// 16 channels without names: column 12 is the reverse switch, a new channel
// has the compander on and reverse off, the window is 13500 x 5800 twips.
ChannelEditorLayout Qav730ChannelEditor();
// Seven fields in two columns, the MONI key mode, no page switch, the priority
// channel up to 16, the VFO frequency on the 5 kHz / 6.25 kHz raster.
FeaturesFormLayout Qav730FeaturesForm();
// "DTMF", Label5 "PTTID：" over the send mode, an end code without key filter.
DtmfFormLayout Qav730DtmfForm();

}  // namespace qav
