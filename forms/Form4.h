#pragma once
// The factory power tuning: the power grades on sliders, for service use.

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class Form4 : public MdiChildForm {
    Q_OBJECT
public:
    explicit Form4(FormContext& context, QWidget* parent = nullptr);

    void TabStrip1_Click();  // shows the grades of the selected tab

private:
    FormContext& context_;
};

}  // namespace qav
