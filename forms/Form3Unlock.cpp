// The hidden service unlock. Each group of three caption labels is completed by
// clicking all three, in any order, within five seconds of the attempt's first
// click; clicking one label again counts once. The first group lets a write go
// to a radio of another band after a question, the second sends the tuning
// block with a write and frees the tuning sliders. The permissions stay until
// the service buttons on the toolbar switch them off.
#include <algorithm>
#include <cmath>

#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/RunState.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"

namespace qav {
namespace {

constexpr double kAttemptSeconds = 5;
constexpr double kSecondsPerDay = 24 * 60 * 60;
constexpr int kForceWriteButton = 7;   // TAnMa
constexpr int kTuningWriteButton = 8;  // TDebug

int WholeSeconds(double timeOfDay) {
    return static_cast<int>(std::nearbyint(timeOfDay));
}

}  // namespace

void Form3::ConnectServiceUnlock() {
    ServiceFlags& service = context_.state.service;
    const std::array<VbLabel*, 3> groupA = ServiceGroupA();
    const std::array<VbLabel*, 3> groupB = ServiceGroupB();
    for (int member = 0; member < 3; ++member) {
        connect(groupA[member], &VbLabel::Click, this, [this, &service, member] {
            ServiceLabel_Click(service.ServiceUnlockA, member, service.ForceWriteAllowed, false);
        });
        connect(groupB[member], &VbLabel::Click, this, [this, &service, member] {
            ServiceLabel_Click(service.ServiceUnlockB, member, service.TuningWriteAllowed, true);
        });
    }
}

void Form3::ServiceLabel_Click(ServiceUnlockGroup& group, int member, bool& permission, bool tuning) {
    const double now = context_.state.Timer();
    const auto isSet = [](bool flag) { return flag; };
    if (std::none_of(group.members.begin(), group.members.end(), isSet)) group.StartTime = WholeSeconds(now);

    double elapsed = now - group.StartTime;
    // An attempt begun just before midnight goes on after it.
    if (elapsed < -kSecondsPerDay / 2) elapsed += kSecondsPerDay;
    if (elapsed > kAttemptSeconds) {
        // Too late for the running attempt: this click begins a new one.
        group.members = {};
        group.members[member] = true;
        group.StartTime = WholeSeconds(now);
        return;
    }

    group.members[member] = true;
    if (std::all_of(group.members.begin(), group.members.end(), isSet)) permission = true;
    if (permission) ShowServicePermission(tuning);
}

void Form3::ShowServicePermission(bool tuning) {
    context_.main.ShowToolbarButton(tuning ? kTuningWriteButton : kForceWriteButton);
    if (!tuning || context_.forms.form4 == nullptr) return;
    for (VbSlider* slider : context_.forms.form4->Slider1)
        if (slider != nullptr) slider->setEnabled(true);
}

}  // namespace qav
