#pragma once
// Where a scroll bar's arrow buttons are, for clicking them as a user does.

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

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

}  // namespace qav::test
