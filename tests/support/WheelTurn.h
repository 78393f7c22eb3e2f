#pragma once
// A turn of the mouse wheel over a widget, as the user gives it: 120 a notch,
// positive away from the user.

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

namespace qav::test {

inline void TurnWheel(QWidget* over, int delta) {
    QWheelEvent wheel(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
}

}  // namespace qav::test
