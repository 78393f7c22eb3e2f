#pragma once
// Which control holds the focus, as the program's handlers see it.
//
// The handlers rely on two things Qt's focus events do not give alone: giving a
// control the focus from code raises LostFocus on the control that had it at
// once, also while the window is not active (a message box is up); and a
// window losing activation (a message box, a menu, another program) is not a
// control losing the focus.

#include <QWidget>

namespace qav {

// A control that raises LostFocus.
class FocusClient {
  public:
    virtual ~FocusClient() = default;
    virtual void RaiseLostFocus() = 0;
};

namespace FocusTracker {

// Gives target the focus; the control that had it raises LostFocus first.
void SetFocus(QWidget* target);
// The control that holds the focus, or nullptr.
QWidget* Current();
// The control that holds the focus raises LostFocus now, as if the user left
// it, so that what is typed there is committed; it keeps the keyboard focus.
void CommitCurrent();
// Called by controls from their focus events.
void FocusIn(QWidget* widget);
void FocusOut(QWidget* widget, Qt::FocusReason reason);

}  // namespace FocusTracker
}  // namespace qav
