#pragma once
// Puts the stored Simplified Chinese or English captions on the windows.

#include <span>

#include "lang/CaptionCatalogue.h"

class QWidget;

namespace qav {

class ProgramRun;

// Writes every stored caption of the current language (0 Simplified, 1 English;
// nothing for Traditional) on the main window and the editing forms, from the
// catalogue of the run's program.
void ApplyLanguageCaptions(ProgramRun& run);

// Writes the captions of one window, found by its object name, for a language,
// from a catalogue (by default the second model's).
void ApplyCaptionsTo(QWidget& window, int language, std::span<const CaptionRow> rows = Qav750Captions());

}  // namespace qav
