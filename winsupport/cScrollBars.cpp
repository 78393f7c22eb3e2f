#include "winsupport/cScrollBars.h"

#include <algorithm>
#include <cstdint>

#include "winsupport/MSubclass.h"
#include "winsupport/ScrollBarApi.h"

namespace qav::win {
namespace {

constexpr UINT kMessages[] = {WM_HSCROLL,       WM_VSCROLL,       WM_MOUSEWHEEL,
                              WM_NCLBUTTONDOWN, WM_NCMBUTTONDOWN, WM_NCRBUTTONDOWN};

LONG Clamp32(std::int64_t value) {
    return static_cast<LONG>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

UINT ClampPage(std::int64_t value) {
    return static_cast<UINT>(std::clamp<std::int64_t>(value, 0, INT32_MAX));
}

int SystemBar(int bar) {
    return bar == cScrollBars::efsHorizontal ? SB_HORZ : SB_VERT;
}

}  // namespace

cScrollBars::cScrollBars(QObject* parent) : QObject(parent) {}

cScrollBars::~cScrollBars() {
    Detach();
}

void cScrollBars::Create(HWND window) {
    Detach();
    window_ = window;
    // No flat scroll-bar functions here: the standard bars serve.
    flatUnavailable_ = true;
    for (const UINT message : kMessages) MSubclass::SubclassAttach(*this, window_, message);
    const int lines = win::WheelScrollLines();
    wheelLines_ = lines <= 0 ? 3 : lines;
}

void cScrollBars::Detach() {
    if (window_ == 0) return;
    for (const UINT message : kMessages) MSubclass::SubclassDetach(*this, window_, message);
    window_ = 0;
}

void cScrollBars::SetVisible(int bar, bool visible) {
    visible_.at(Index(bar)) = visible;
    ShowScrollBar(window_, SystemBar(bar), visible);
}

void cScrollBars::SetOrientation(int orientation) {
    orientation_ = orientation;
    const bool horizontal = orientation == efsoHorizontal || orientation == efsoBoth;
    const bool vertical = orientation == efsoVertical || orientation == efsoBoth;
    ShowScrollBar(window_, SB_HORZ, horizontal);
    ShowScrollBar(window_, SB_VERT, vertical);
}

void cScrollBars::SetStyle(int style) {
    if (style != efsRegular && flatUnavailable_) return;
    style_ = style;
}

void cScrollBars::SetEnabled(int bar, bool enabled) {
    enabled_.at(Index(bar)) = enabled;
    EnableScrollBar(window_, SystemBar(bar), enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

LONG cScrollBars::Min(int bar) const {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(window_, SystemBar(bar), &info);
    return info.nMin;
}

LONG cScrollBars::Max(int bar) const {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(window_, SystemBar(bar), &info);
    return Clamp32(std::int64_t{info.nMax} - info.nPage);
}

LONG cScrollBars::Value(int bar) const {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    GetScrollInfo(window_, SystemBar(bar), &info);
    return info.nPos;
}

LONG cScrollBars::LargeChange(int bar) const {
    SCROLLINFO info;
    info.fMask = SIF_PAGE;
    GetScrollInfo(window_, SystemBar(bar), &info);
    return Clamp32(info.nPage);
}

LONG cScrollBars::TrackPosition(int bar) const {
    SCROLLINFO info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window_, SystemBar(bar), &info);
    return info.nTrackPos;
}

void cScrollBars::SetMin(int bar, LONG min) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = min;
    info.nMax = Clamp32(std::int64_t{Max(bar)} + LargeChange(bar));
    SetScrollInfo(window_, SystemBar(bar), &info, true);
}

void cScrollBars::SetMax(int bar, LONG max) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMax = Clamp32(std::int64_t{max} + LargeChange(bar));
    info.nMin = Min(bar);
    SetScrollInfo(window_, SystemBar(bar), &info, true);
    ValueCheck(bar, false);
}

void cScrollBars::SetValue(int bar, LONG value) {
    if (value == Value(bar)) return;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = value;
    SetScrollInfo(window_, SystemBar(bar), &info, true);
    ValueCheck(bar, false);
}

void cScrollBars::SetLargeChange(int bar, LONG largeChange) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, SystemBar(bar), &info);
    const UINT page = ClampPage(largeChange);
    info.nMax = Clamp32(std::int64_t{info.nMax} - info.nPage + page);
    info.nPage = page;
    info.fMask = SIF_RANGE | SIF_PAGE;
    SetScrollInfo(window_, SystemBar(bar), &info, true);
}

void cScrollBars::ValueCheck(int bar, bool tracking) {
    const int index = Index(bar);
    if (Value(bar) != lastValue_[index]) {
        if (tracking)
            emit Scroll(bar);
        else
            emit Change(bar);
    }
    lastValue_[index] = Value(bar);
}

void cScrollBars::HandleScrollRequest(int bar, int request) {
    const std::int64_t value = Value(bar);
    const std::int64_t small = SmallChange(bar);
    switch (request) {
        case SB_LINEUP: {
            const std::int64_t lowered = value - small;
            SetValue(bar, lowered >= Min(bar) ? Clamp32(lowered) : Min(bar));
            ValueCheck(bar, false);
            break;
        }
        case SB_LINEDOWN: {
            const std::int64_t raised = value + small;
            SetValue(bar, raised > Max(bar) ? Max(bar) : Clamp32(raised));
            ValueCheck(bar, false);
            break;
        }
        case SB_PAGEUP:
            SetValue(bar, Clamp32(value - LargeChange(bar)));
            ValueCheck(bar, false);
            break;
        case SB_PAGEDOWN:
            SetValue(bar, Clamp32(value + LargeChange(bar)));
            ValueCheck(bar, false);
            break;
        case SB_THUMBPOSITION:
            break;
        case SB_THUMBTRACK:
            SetValue(bar, TrackPosition(bar));
            ValueCheck(bar, true);
            break;
        case SB_TOP:
            SetValue(bar, Min(bar));
            ValueCheck(bar, false);
            break;
        case SB_BOTTOM:
            SetValue(bar, Max(bar));
            ValueCheck(bar, false);
            break;
        case SB_ENDSCROLL:
            ValueCheck(bar, false);
            break;
        default:
            break;
    }
}

LRESULT cScrollBars::WindowProc(HWND, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            HandleScrollRequest(message == WM_HSCROLL ? efsHorizontal : efsVertical, LowWord(wParam));
            return 0;
        case WM_MOUSEWHEEL: {
            const std::int64_t distance = static_cast<std::int16_t>(HighWord(wParam));
            const std::int64_t notches = distance / WHEEL_DELTA;  // towards zero
            int bar = efsVertical;
            int amount = Clamp32(-notches * SmallChange(efsVertical) * wheelLines_);
            emit WheelScroll(bar, amount);
            if (amount == 0) return 0;
            SetValue(bar, Clamp32(std::int64_t{Value(bar)} + amount));
            return 1;
        }
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN: {
            const int button = message == WM_NCLBUTTONDOWN ? 1 : 2;
            if (wParam == HTHSCROLL)
                emit ScrollClick(efsHorizontal, button);
            else if (wParam == HTVSCROLL)
                emit ScrollClick(efsVertical, button);
            return 0;
        }
        default:
            return 0;
    }
}

}  // namespace qav::win
