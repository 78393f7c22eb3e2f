#pragma once
// What the DTMF form takes from the program's model. The defaults are the
// QAV-750 form.

namespace qav {

struct DtmfFormLayout {
    const char* caption = "DTMF(双音多频)";  // the window's caption in every language
    // The label of the send-mode list Combo1: LabelAni here, Label5 in the
    // first model's form; its caption is the same in every language.
    const char* sendModeLabel = "LabelAni";
    const char* sendModeCaption = "ANI：";
    bool endCodeFiltered = true;  // Text4 takes only A-D, 0-9, * and #; false: any key
};

}  // namespace qav
