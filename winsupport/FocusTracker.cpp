#include "winsupport/FocusTracker.h"

#include <QPointer>

namespace qav::FocusTracker {
namespace {

// One keyboard focus per application, like Qt's own.
QPointer<QWidget>& Holder() {
    static QPointer<QWidget> current;
    return current;
}

void Lose(QWidget* widget) {
    if (auto* client = dynamic_cast<FocusClient*>(widget)) client->RaiseLostFocus();
}

}  // namespace

void SetFocus(QWidget* target) {
    QPointer<QWidget> previous = Holder();
    Holder() = target;
    if (previous && previous != target) Lose(previous);
    if (target) target->setFocus(Qt::OtherFocusReason);
}

QWidget* Current() {
    return Holder();
}

void CommitCurrent() {
    QPointer<QWidget> previous = Holder();
    Holder() = nullptr;
    if (previous) Lose(previous);
}

void FocusIn(QWidget* widget) {
    QPointer<QWidget> previous = Holder();
    Holder() = widget;
    // A control that never saw its focus-out (its window was not active when the
    // focus moved) loses it now.
    if (previous && previous != widget) Lose(previous);
}

void FocusOut(QWidget* widget, Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    if (Holder() != widget) return;
    Holder() = nullptr;
    Lose(widget);
}

}  // namespace qav::FocusTracker
