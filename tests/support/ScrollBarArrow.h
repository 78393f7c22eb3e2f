#pragma once
// Where a scroll bar's arrow buttons and thumb are, for clicking and dragging
// them as a user does.

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace qav::test {

inline QPoint ArrowPoint(QScrollBar* bar, QStyle::SubControl arrow) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar).center();
}

// Drags the thumb along the bar by that many pixels (down or right when positive).
inline void DragThumb(QScrollBar* bar, int pixels) {
    const QPoint from = ArrowPoint(bar, QStyle::SC_ScrollBarSlider);
    const QPoint to = from + (bar->orientation() == Qt::Vertical ? QPoint(0, pixels) : QPoint(pixels, 0));
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(bar, to);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, to);
}

}  // namespace qav::test
