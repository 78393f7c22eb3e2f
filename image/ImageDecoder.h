#pragma once
// The pure half of `DecodeImage` of both models (the layout is the context's
// profile's, image/ModelLayout.h): ReadImage -> the field values of
// the controls (ImageFields), the channel tables, the FM values, the power
// grades and the radio's BandCode, in the decoder's order and with the layout's
// rules. The binding half next to the forms copies the result into
// the controls (setting a list index raises its Click, as the forms expect)
// and redraws the channel grid and the FM grid from the result.
//
// What the decoder needs of the windows is passed in DecodeContext: the
// language (the off text of a tone), the item texts of the channel editor's
// option lists (the texts that go into ChannelOptionText) and the band
// selector's item texts (SetGrid reads the band limits from them).
//
// Never fails and never reads out of range, whatever the bytes: every byte is
// read through MemoryImage::ValueOr (a missing byte counts 0xFF), and every
// rule that the system runs in resume-next mode is a total function here.
//
// StepFrequency (1794)
// values 0..4 are the list index, so 25 kHz (4, the default) comes back as
// 25 kHz (a decoder that turned 4 into 1 would bring a saved 25 kHz back as
// 6.25 kHz); every other value gives 1 (6.25 kHz).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "image/Band.h"
#include "image/ChannelTables.h"
#include "image/ImageFields.h"
#include "image/Language.h"
#include "image/MemoryImage.h"
#include "image/ModelLayout.h"
#include "image/ModelProfile.h"
#include "image/RadioValues.h"

namespace qav {

struct DecodeContext {
    // Sizes of the channel tables the decoder fills, and the layout it reads.
    const ModelProfile* profile = &kQav750;
    // Current Language: the off text of an off tone.
    Language language = LangEnglish;
    // Items 0 and 1 of the option list Form1.Combo5(c + 3), by ChannelOptions
    // column c (entries 0 and 1, the tone columns, are not used). A missing
    // entry gives empty texts.
    std::vector<std::array<std::string, 2>> optionItems;
    // Items of the band selector MDIForm1.Combo1.
    std::array<std::string_view, 3> bandTexts = kBandTexts;
};

struct DecodedImage {
    explicit DecodedImage(const ModelProfile& profile) : tables(profile) {}

    ImageFields fields;    // the controls; fields.mdiForm1.Combo1 is the band chosen by SetGrid
    ChannelTables tables;  // only the channels that survive SetGrid; every name
    FmValues fm;
    PowerGradeValues grades;
    int BandCode = 0;  // MDIForm1.BandCode := byte 1814
};

// DecodeImage: all decoding steps in order.
DecodedImage DecodeImage(const MemoryImage& readImage, const DecodeContext& context);

// SetNumOf: channels from the ChannelBlock into the tables; a channel whose
// receive byte +0 is 0xFF is cleared (Form1.ClearNO), whatever else it holds.
void SetNumOf(const MemoryImage& readImage, const DecodeContext& context, ChannelTables& tables);

// SetGrid, the tables' part: the band selector index from bandCode (3 -> 1,
// 4 -> 2, else 0), the band limits from that item's text, and every channel
// whose receive frequency is empty or outside [low, high) cleared. Returns the
// band selector index.
int SetGrid(int bandCode, const DecodeContext& context, ChannelTables& tables);

// Step 16: every channel's name from the ChannelNameBlock (TrimPadding),
// also for channels that SetGrid cleared. A layout without names: nothing.
void DecodeChannelNames(const MemoryImage& readImage, ChannelTables& tables,
                        const ModelLayout& layout = kLayout750);

}  // namespace qav
