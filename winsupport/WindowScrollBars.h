#pragma once
// A window's own standard scroll bars: a horizontal bar along its bottom edge
// and a vertical bar along its right edge, outside its client area, as the
// scroll bars of a window with the scroll-bar styles are. Both start hidden.
//
// The bars only report: an arrow, page, thumb or end-of-scroll action of the
// user is sent to the window's procedure as WM_HSCROLL / WM_VSCROLL (request in
// the low word of wParam, thumb position in the high word), and the bar moves
// only when the window sets its position (SetScrollInfo). A press on a bar is
// first sent as WM_NCLBUTTONDOWN / WM_NCRBUTTONDOWN / WM_NCMBUTTONDOWN with
// HTHSCROLL or HTVSCROLL; a wheel turn over a bar goes to the window.
//
// Children that are to be clipped by the bars belong into ClientArea(), which
// always fills the window less its visible bars.

#include <QObject>
#include <QPointer>
#include <array>

#include "winsupport/ScrollBarApi.h"
#include "winsupport/WinTypes.h"

class QScrollBar;
class QWidget;

namespace qav::win {

class WindowScrollBars : public QObject {
    Q_OBJECT
  public:
    // Owned by the window.
    explicit WindowScrollBars(QWidget* window);
    ~WindowScrollBars() override;

    // The bars of a window, or nullptr when it has none.
    static WindowScrollBars* Of(HWND window);

    QWidget* ClientArea() const { return client_; }
    QScrollBar* Bar(int bar) const { return bars_.at(bar); }
    bool IsShown(int bar) const { return shown_.at(bar); }

    void GetInfo(int bar, SCROLLINFO& info) const;
    LONG SetInfo(int bar, const SCROLLINFO& info);
    void Show(int bar, bool show);
    void Enable(int bar, bool enable);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Range {
        LONG min = 0;
        LONG max = 0;
        UINT page = 0;
    };

    void Layout();
    void Apply(int bar);
    void OnAction(int bar, int action);
    int BarOf(const QObject* object) const;

    QWidget* window_;
    HWND handle_;
    QWidget* client_;
    std::array<QScrollBar*, 2> bars_{};
    std::array<Range, 2> ranges_{};
    std::array<bool, 2> shown_{false, false};
};

}  // namespace qav::win
