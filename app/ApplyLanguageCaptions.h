#pragma once
// Puts the stored Simplified Chinese or English captions on the windows.

class QWidget;

namespace qav {

class ProgramRun;

// Writes every stored caption of the current language (0 Simplified, 1 English;
// nothing for Traditional) on the main window and the editing forms.
void ApplyLanguageCaptions(ProgramRun& run);

// Writes the captions of one window, found by its object name, for a language.
void ApplyCaptionsTo(QWidget& window, int language);

}  // namespace qav
