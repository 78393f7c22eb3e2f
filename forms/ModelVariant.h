#pragma once
// What a program adds to the shared windows for its own model. The shared code
// is the QAV-750 program's; a member left empty keeps that behaviour. The
// QAV-730 program fills its variant from model730/, so that the shared code
// never depends on the other model's code.

#include <functional>
#include <span>

#include "forms/ChannelEditorLayout.h"
#include "forms/DtmfFormLayout.h"
#include "forms/FeaturesFormLayout.h"
#include "lang/CaptionCatalogue.h"

class QPrinter;

namespace qav {

class CurtPrinter;
struct FormContext;

struct ModelVariant {
    // Each difference is a member here: a hook (std::function) the shared code
    // calls where the first model does something else, or the data it uses in
    // place of the second model's.

    // ---- The editing forms: left as they are, the QAV-750 forms ----
    ChannelEditorLayout channelEditor;  // Form1: columns, option lists, new-channel defaults, size
    FeaturesFormLayout featuresForm;    // Form3: shown fields, defaults, entry limits, unlock labels
    DtmfFormLayout dtmfForm;            // Form2: caption, send-mode label, end-code filter

    // The print-out: makes every call of the report on the preview control,
    // from begin to end document (device: nullptr for the preview, else the
    // printer, as CurtPrinter::StartDoc takes it). Empty: the QAV-750 report.
    std::function<void(CurtPrinter& printer, QPrinter*& device, FormContext& context)> printContent;

    // Start-up: a stored Traditional choice is restored (through the Simplified
    // and then the Traditional language command) and the captions are in place
    // before the main window is shown. Off: a stored Traditional choice starts
    // in English and the captions follow the window.
    bool restoresTraditionalAtStart = false;

    // Main window: no factory-data menu item (the button is the only reset),
    // and the language menu lists Traditional first.
    bool withoutResetMenuItem = false;
    bool traditionalMenuFirst = false;
    // The FM channel menu item is set from the FM function when the main window
    // loads, not only when that function is chosen.
    bool fmMenuFromFormAtLoad = false;
    // The upper band limit is taken to the nearest whole MHz, like the lower.
    bool wholeNumberBandHigh = false;
    // The default-data button shows the channel editor after a load.
    bool defaultDataShowsChannelEditor = false;
    // The quit question and the About box's edition line in Traditional are
    // converted from the Simplified texts instead of held as Traditional texts.
    bool traditionalQuitAndAboutByConversion = false;

    // The caption catalogue; empty: the second model's.
    std::span<const CaptionRow> captions{};
    // Message boxes caption their buttons in Traditional too.
    bool messageBoxTraditionalButtons = false;
};

// The second model's program: nothing differs.
inline const ModelVariant kNoVariant{};

}  // namespace qav
