#pragma once
// The optional features: function settings, the full-band (VFO) frequency and VOX.

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class VbComboBox;
class VbTextBox;

class Form3 : public MdiChildForm {
    Q_OBJECT
public:
    explicit Form3(FormContext& context, QWidget* parent = nullptr);

    void StartForm();  // the defaults of a new data set

    VbTextBox* Text20 = nullptr;   // full-band frequency
    VbComboBox* Combo2 = nullptr;  // FM function off / on

private:
    FormContext& context_;
};

}  // namespace qav
