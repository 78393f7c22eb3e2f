#include "winsupport/ScrollBarApi.h"

#include <QApplication>

#include "winsupport/WindowScrollBars.h"

namespace qav::win {
namespace {

// The bars a request names: one bar, or both for SB_BOTH.
template <typename Action>
bool ForBars(WindowScrollBars* bars, int bar, Action action) {
    if (bars == nullptr) return false;
    if (bar == SB_BOTH) {
        action(SB_HORZ);
        action(SB_VERT);
        return true;
    }
    if (bar != SB_HORZ && bar != SB_VERT) return false;
    action(bar);
    return true;
}

}  // namespace

bool GetScrollInfo(HWND window, int bar, SCROLLINFO* info) {
    WindowScrollBars* bars = WindowScrollBars::Of(window);
    if (bars == nullptr || info == nullptr || (bar != SB_HORZ && bar != SB_VERT)) return false;
    bars->GetInfo(bar, *info);
    return true;
}

LONG SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool /*redraw*/) {
    WindowScrollBars* bars = WindowScrollBars::Of(window);
    if (bars == nullptr || info == nullptr || (bar != SB_HORZ && bar != SB_VERT)) return 0;
    return bars->SetInfo(bar, *info);
}

bool ShowScrollBar(HWND window, int bar, bool show) {
    WindowScrollBars* bars = WindowScrollBars::Of(window);
    return ForBars(bars, bar, [&](int b) { bars->Show(b, show); });
}

bool EnableScrollBar(HWND window, int bar, UINT arrows) {
    WindowScrollBars* bars = WindowScrollBars::Of(window);
    return ForBars(bars, bar, [&](int b) { bars->Enable(b, arrows != ESB_DISABLE_BOTH); });
}

int WheelScrollLines() {
    return QApplication::wheelScrollLines();
}

}  // namespace qav::win
