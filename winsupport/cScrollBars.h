#pragma once
// Drives a window's own scroll bars like a scroll-bar control: values,
// small and large change, and events for the user's scrolling and wheel.
//
// The range, page and position live in the window's bars (GetScrollInfo /
// SetScrollInfo), not here. Max is the largest position, so the bar's stored
// maximum is Max + LargeChange. Flat scroll bars do not exist on this
// platform: CanBeFlat is false, a non-zero Style is ignored, and the standard
// bars are used; what they look like is the desktop's business.
//
// All arithmetic is done wide and clamped to 32 bits, so no value a message or
// a caller brings can overflow.

#include <QObject>
#include <array>

#include "winsupport/ISubclass.h"

namespace qav::win {

class cScrollBars : public QObject, public ISubclass {
    Q_OBJECT
  public:
    enum Bar { efsHorizontal = 0, efsVertical = 1 };
    enum Orientation { efsoHorizontal = 0, efsoVertical = 1, efsoBoth = 2 };
    enum Style { efsRegular = 0, efsEncarta = 1, efsFlat = 2 };

    explicit cScrollBars(QObject* parent = nullptr);
    ~cScrollBars() override;

    // Detaches from an earlier window, takes this one and attaches to its
    // scroll, wheel and non-client press messages. Throws SubclassError.
    void Create(HWND window);

    bool Visible(int bar) const { return visible_.at(Index(bar)); }
    void SetVisible(int bar, bool visible);
    int GetOrientation() const { return orientation_; }
    void SetOrientation(int orientation);
    int GetStyle() const { return style_; }
    void SetStyle(int style);
    LONG SmallChange(int bar) const { return smallChange_.at(Index(bar)); }
    void SetSmallChange(int bar, LONG smallChange) { smallChange_.at(Index(bar)) = smallChange; }
    bool Enabled(int bar) const { return enabled_.at(Index(bar)); }
    void SetEnabled(int bar, bool enabled);
    LONG Min(int bar) const;
    LONG Max(int bar) const;
    LONG Value(int bar) const;
    LONG LargeChange(int bar) const;
    void SetMin(int bar, LONG min);
    void SetMax(int bar, LONG max);
    void SetValue(int bar, LONG value);
    void SetLargeChange(int bar, LONG largeChange);
    bool CanBeFlat() const { return !flatUnavailable_; }
    int WheelScrollLines() const { return wheelLines_; }

    LONG MsgResponse() override { return 1; }  // the window's own handling follows
    void SetMsgResponse(LONG) override {}
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  signals:
    void ScrollClick(int bar, int button);    // button 1 left, 2 right
    void Scroll(int bar);                     // the thumb is being dragged
    void Change(int bar);                     // the value changed
    void WheelScroll(int& bar, int& amount);  // the handler may change both

  private:
    static int Index(int bar) { return bar == efsHorizontal ? 0 : 1; }
    void Detach();
    void ValueCheck(int bar, bool tracking);
    void HandleScrollRequest(int bar, int request);
    LONG TrackPosition(int bar) const;

    HWND window_ = 0;
    bool flatUnavailable_ = true;
    int orientation_ = efsoBoth;
    int style_ = efsRegular;
    std::array<LONG, 2> smallChange_{1, 1};
    std::array<bool, 2> enabled_{false, false};
    std::array<bool, 2> visible_{false, false};
    int wheelLines_ = 3;
    std::array<LONG, 2> lastValue_{0, 0};
};

}  // namespace qav::win
