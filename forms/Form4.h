#pragma once
// The factory power tuning: the power grades on sliders, for service use.

#include <array>

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

class QSlider;

namespace qav {

class Form4 : public MdiChildForm {
    Q_OBJECT
public:
    explicit Form4(FormContext& context, QWidget* parent = nullptr);

    void TabStrip1_Click();  // shows the grades of the selected tab

    // The grades of the high, middle and low band section (0..255); they can
    // be moved only after the tuning group of the service unlock.
    std::array<QSlider*, 3> Slider1{};

private:
    FormContext& context_;
};

}  // namespace qav
