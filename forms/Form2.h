#pragma once
// The DTMF signalling settings.

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class Form2 : public MdiChildForm {
    Q_OBJECT
public:
    explicit Form2(FormContext& context, QWidget* parent = nullptr);

    void StartForm();  // the DTMF defaults of a new data set

private:
    FormContext& context_;
};

}  // namespace qav
