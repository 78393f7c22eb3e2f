#include "app/ServiceSwitches.h"

#include <QAction>
#include <cmath>

#include "app/MDIForm1.h"
#include "app/ProgramRun.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "winsupport/VbSlider.h"

namespace qav {
namespace {

constexpr double kSecondsPerDay = 24 * 60 * 60;
constexpr int kForceWriteButton = 7;   // TAnMa
constexpr int kTuningWriteButton = 8;  // TDebug
constexpr int kFmButton = 9;           // TFMMa

}  // namespace

ServiceSwitches::ServiceSwitches(ProgramRun& run, MDIForm1& mainWindow) : run_(run), main_(mainWindow) {}

bool ServiceSwitches::SecondClick(int& clickTime) {
    const double now = run_.state.Timer();
    if (clickTime != 0) {
        // The pending click keeps whole seconds and this one its fraction, so
        // the pair counts within 0.5 to 1.5 seconds; a pending click from
        // before midnight is measured across it, not as one from the future.
        double elapsed = now - clickTime;
        if (elapsed < -kSecondsPerDay / 2) elapsed += kSecondsPerDay;
        if (elapsed < 1) {
            clickTime = 0;
            return true;
        }
    }
    clickTime = static_cast<int>(std::nearbyint(now));
    return false;
}

void ServiceSwitches::TAnMa_Click() {
    if (!SecondClick(TAnMaClickTime)) return;
    ServiceFlags& service = run_.state.service;
    service.ForceWriteAllowed = false;
    service.ServiceUnlockA.members = {};  // the attempt's start time stays
    main_.ToolbarButton(kForceWriteButton)->setVisible(false);
}

void ServiceSwitches::TDebug_Click() {
    if (!SecondClick(TDebugClickTime)) return;
    ServiceFlags& service = run_.state.service;
    service.TuningWriteAllowed = false;
    service.ServiceUnlockB.members = {};
    main_.ToolbarButton(kTuningWriteButton)->setVisible(false);
    for (VbSlider* slider : run_.forms.form4->Slider1) slider->setEnabled(false);
}

void ServiceSwitches::TFMMa_Click() {
    // Nothing shows this button or grants what it would take back; a second
    // click only puts the FM controls of the optional features out of reach.
    if (!SecondClick(TFMMaClickTime)) return;
    main_.ToolbarButton(kFmButton)->setVisible(false);
    for (const char* name : {"Combo2", "Combo13", "Combo16", "Label12", "Label17", "Label18"})
        if (auto* control = run_.forms.form3->findChild<QWidget*>(QString::fromLatin1(name)))
            control->setEnabled(false);
}

}  // namespace qav
