#pragma once
// Turns the wheel messages of one window (the channel grid) into a MouseWheel
// event and keeps them from the window's own procedure, so the grid scrolls
// exactly as its owner decides and never by itself.

#include <QObject>

#include "winsupport/ISubclass.h"

namespace qav::win {

class SubClassGrid : public QObject, public ISubclass {
    Q_OBJECT
  public:
    explicit SubClassGrid(QObject* parent = nullptr);
    ~SubClassGrid() override;

    // Attaches to WM_MOUSEWHEEL of the window. Throws SubclassError.
    void HookGrid(HWND window);

    LONG MsgResponse() override { return 0; }  // the window never sees the wheel
    void SetMsgResponse(LONG) override {}
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  signals:
    // rotation: signed wheel distance, 120 a notch, positive away from the user;
    // x, y: the pointer's screen position, each as an unsigned 16-bit value.
    void MouseWheel(int rotation, int x, int y);

  private:
    HWND window_ = 0;
};

}  // namespace qav::win
