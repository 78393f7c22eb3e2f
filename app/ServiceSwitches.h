#pragma once
// The three service buttons of the toolbar. The hidden service unlock of the
// optional features shows button 7 (force write) or 8 (tuning write) and sets
// its permission; clicking such a button twice within about a second takes the
// permission back and hides the button again. A single click only records its
// time.

namespace qav {

class MDIForm1;
class ProgramRun;

class ServiceSwitches {
  public:
    ServiceSwitches(ProgramRun& run, MDIForm1& mainWindow);

    void TAnMa_Click();   // button 7: force write
    void TDebug_Click();  // button 8: tuning write and the tuning sliders
    void TFMMa_Click();   // button 9: the FM controls of the optional features

    // The time of the pending first click of each button, in whole seconds
    // since midnight; 0: no click pending. A pending click never expires; the
    // next click that comes too late takes its place.
    int TAnMaClickTime = 0;
    int TDebugClickTime = 0;
    int TFMMaClickTime = 0;

  private:
    // True for the second click of a pair: the caller switches off. Otherwise
    // this click becomes the pending one.
    bool SecondClick(int& clickTime);

    ProgramRun& run_;
    MDIForm1& main_;
};

}  // namespace qav
