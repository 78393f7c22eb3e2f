#include "winsupport/WindowScrollBars.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "winsupport/WindowTable.h"

namespace qav::win {
namespace {

std::unordered_map<HWND, WindowScrollBars*>& Registry() {
    static std::unordered_map<HWND, WindowScrollBars*> registry;
    return registry;
}

LONG Clamp32(std::int64_t value) {
    return static_cast<LONG>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

int RequestOf(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return SB_LINEUP;
        case QAbstractSlider::SliderSingleStepAdd:
            return SB_LINEDOWN;
        case QAbstractSlider::SliderPageStepSub:
            return SB_PAGEUP;
        case QAbstractSlider::SliderPageStepAdd:
            return SB_PAGEDOWN;
        case QAbstractSlider::SliderMove:
            return SB_THUMBTRACK;
        case QAbstractSlider::SliderToMinimum:
            return SB_TOP;
        case QAbstractSlider::SliderToMaximum:
            return SB_BOTTOM;
        default:
            return -1;
    }
}

}  // namespace

WindowScrollBars::WindowScrollBars(QWidget* window)
    : QObject(window), window_(window), handle_(HandleOf(window)), client_(new QWidget(window)) {
    client_->setObjectName(QStringLiteral("ClientArea"));
    for (int bar : {SB_HORZ, SB_VERT}) {
        auto* scrollBar = new QScrollBar(bar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, window);
        scrollBar->setObjectName(bar == SB_HORZ ? QStringLiteral("HorizontalBar")
                                                : QStringLiteral("VerticalBar"));
        scrollBar->setFocusPolicy(Qt::NoFocus);
        scrollBar->setRange(0, 0);
        scrollBar->hide();
        scrollBar->installEventFilter(this);
        connect(scrollBar, &QAbstractSlider::actionTriggered, this,
                [this, bar](int action) { OnAction(bar, action); });
        bars_[bar] = scrollBar;
    }
    window->installEventFilter(this);
    Registry()[handle_] = this;
    Layout();
}

WindowScrollBars::~WindowScrollBars() {
    const auto it = Registry().find(handle_);
    if (it != Registry().end() && it->second == this) Registry().erase(it);
}

WindowScrollBars* WindowScrollBars::Of(HWND window) {
    const auto it = Registry().find(window);
    return it == Registry().end() ? nullptr : it->second;
}

void WindowScrollBars::GetInfo(int bar, SCROLLINFO& info) const {
    const Range& range = ranges_.at(bar);
    const QScrollBar* scrollBar = bars_.at(bar);
    if (info.fMask & SIF_RANGE) {
        info.nMin = range.min;
        info.nMax = range.max;
    }
    if (info.fMask & SIF_PAGE) info.nPage = range.page;
    if (info.fMask & SIF_POS) info.nPos = scrollBar->value();
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = scrollBar->sliderPosition();
}

LONG WindowScrollBars::SetInfo(int bar, const SCROLLINFO& info) {
    Range& range = ranges_.at(bar);
    if (info.fMask & SIF_RANGE) {
        range.min = info.nMin;
        range.max = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE) range.page = info.nPage;
    const std::int64_t span = std::int64_t{range.max} - range.min + 1;
    range.page = static_cast<UINT>(std::min<std::int64_t>(range.page, span));
    Apply(bar);
    if (info.fMask & SIF_POS) bars_.at(bar)->setValue(info.nPos);  // kept within the range
    return bars_.at(bar)->value();
}

void WindowScrollBars::Apply(int bar) {
    const Range& range = ranges_.at(bar);
    QScrollBar* scrollBar = bars_.at(bar);
    const LONG largest = std::max(range.min, Clamp32(std::int64_t{range.max} - range.page));
    scrollBar->setRange(range.min, largest);
    scrollBar->setPageStep(static_cast<int>(std::min<UINT>(range.page, INT32_MAX)));
}

void WindowScrollBars::Show(int bar, bool show) {
    if (shown_.at(bar) == show) return;
    shown_.at(bar) = show;
    bars_.at(bar)->setVisible(show);
    Layout();
}

void WindowScrollBars::Enable(int bar, bool enable) {
    bars_.at(bar)->setEnabled(enable);
}

void WindowScrollBars::Layout() {
    const int width = window_->width();
    const int height = window_->height();
    const int barWidth = shown_[SB_VERT] ? bars_[SB_VERT]->sizeHint().width() : 0;
    const int barHeight = shown_[SB_HORZ] ? bars_[SB_HORZ]->sizeHint().height() : 0;
    const int clientWidth = std::max(0, width - barWidth);
    const int clientHeight = std::max(0, height - barHeight);
    bars_[SB_VERT]->setGeometry(clientWidth, 0, barWidth, clientHeight);
    bars_[SB_HORZ]->setGeometry(0, clientHeight, clientWidth, barHeight);
    bars_[SB_VERT]->raise();
    bars_[SB_HORZ]->raise();
    // Last: a change of the client area's size is what the window reacts to,
    // and by then the bars are in place.
    client_->setGeometry(0, 0, clientWidth, clientHeight);
}

void WindowScrollBars::OnAction(int bar, int action) {
    const int request = RequestOf(action);
    if (request < 0) return;
    QScrollBar* scrollBar = bars_.at(bar);
    // Qt has moved the thumb already; it goes back until the window sets the
    // position. A dragged thumb stays where it is dragged while the window is
    // told, as the track position.
    const int track = scrollBar->sliderPosition();
    if (request != SB_THUMBTRACK) scrollBar->setSliderPosition(scrollBar->value());
    const UINT message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    QPointer<QScrollBar> alive(scrollBar);
    SendMessageA(handle_, message, MakeLong(request, request == SB_THUMBTRACK ? track : 0), 0);
    if (alive) scrollBar->setSliderPosition(scrollBar->value());
}

int WindowScrollBars::BarOf(const QObject* object) const {
    if (object == bars_[SB_HORZ]) return SB_HORZ;
    if (object == bars_[SB_VERT]) return SB_VERT;
    return -1;
}

bool WindowScrollBars::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Resize) Layout();
        return false;
    }
    const int bar = BarOf(watched);
    if (bar < 0) return false;
    QScrollBar* scrollBar = bars_[bar];
    switch (event->type()) {
        case QEvent::Wheel:
            // The window decides what the wheel does, over its bars too.
            QCoreApplication::sendEvent(window_, event);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            UINT message = WM_NCLBUTTONDOWN;
            if (mouse->button() == Qt::RightButton)
                message = WM_NCRBUTTONDOWN;
            else if (mouse->button() == Qt::MiddleButton)
                message = WM_NCMBUTTONDOWN;
            const QPoint global = mouse->globalPosition().toPoint();
            const bool passed = SendEventMessage(handle_, message, bar == SB_HORZ ? HTHSCROLL : HTVSCROLL,
                                                 MakeLong(global.x(), global.y()));
            return !passed;
        }
        case QEvent::MouseButtonRelease: {
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
            const UINT message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
            QPointer<QScrollBar> alive(scrollBar);
            if (scrollBar->isSliderDown())
                SendMessageA(handle_, message, MakeLong(SB_THUMBPOSITION, scrollBar->sliderPosition()), 0);
            if (alive) SendMessageA(handle_, message, MakeLong(SB_ENDSCROLL, 0), 0);
            return false;
        }
        default:
            return false;
    }
}

}  // namespace qav::win
