#pragma once
// The channel editor: all memory channels in one grid, edited in place.
// So far it holds what the main window calls on it.

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class VbTextBox;

class Form1 : public MdiChildForm {
    Q_OBJECT
public:
    explicit Form1(FormContext& context, QWidget* parent = nullptr);

    void ClearNO(int channel);  // empties one channel, 1-based
    void ClearGrid();           // empties every channel
    void StartForm();           // the editor's part of a new data set
    void Text1_LostFocus();     // commits an open frequency edit

    VbTextBox* Text1 = nullptr;  // in-cell frequency editor

private:
    FormContext& context_;
};

}  // namespace qav
