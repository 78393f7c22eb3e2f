#pragma once
// The factory power tuning: the six transmitter power grades (0..255), for
// high and for low output power, one per band section, on three sliders under
// a tab per power level. The sliders move only after the service unlock of the
// optional features; the grades themselves live in the run's state, where the
// codec reads and writes them.

#include <array>

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class VbFrame;
class VbLabel;
class VbSlider;
class VbTabStrip;

class Form4 : public MdiChildForm {
    Q_OBJECT
  public:
    explicit Form4(FormContext& context, QWidget* parent = nullptr);

    // Shows the grades of the selected tab on the sliders and captions the
    // sections for it and the language.
    void TabStrip1_Click();
    // A moved slider stores its value in the grade it shows.
    void Slider1_Change(int index);
    void Slider1_Scroll(int index);

    VbTabStrip* TabStrip1 = nullptr;     // tab 1 "hpGrade" high power, tab 2 "lpGrade" low power
    std::array<VbFrame*, 3> Frame1{};    // band section: 0 high, 1 middle, 2 low
    std::array<VbSlider*, 3> Slider1{};  // the grade of the section on the selected tab
    std::array<VbLabel*, 3> Label1{};    // at the slider's low end
    std::array<VbLabel*, 3> Label2{};    // at the slider's high end
    std::array<VbLabel*, 3> Label3{};    // section caption and grade

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    bool HighPowerTabSelected() const;
    // The grade that slider `section` edits on the selected tab.
    int& Grade(int section);

    FormContext& context_;
};

}  // namespace qav
