#include "winsupport/SubClassGrid.h"

#include <cmath>

#include "winsupport/MSubclass.h"

namespace qav::win {

SubClassGrid::SubClassGrid(QObject* parent) : QObject(parent) {}

SubClassGrid::~SubClassGrid() {
    if (window_ >= 1) MSubclass::SubclassDetach(*this, window_, WM_MOUSEWHEEL);
}

void SubClassGrid::HookGrid(HWND window) {
    window_ = window;
    MSubclass::SubclassAttach(*this, window, WM_MOUSEWHEEL);
}

LRESULT SubClassGrid::WindowProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_MOUSEWHEEL) return 0;
    // The signed high word: the key flags of the low word stay below half of
    // 65536, so rounding the quotient gives exactly that word.
    const int rotation = static_cast<int>(std::nearbyint(static_cast<double>(wParam) / 65536.0));
    emit MouseWheel(rotation, LowWord(lParam), HighWord(lParam));
    return 0;
}

}  // namespace qav::win
