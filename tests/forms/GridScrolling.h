#pragma once
// The user's ways of scrolling the rows of a grid (the channel grid, the FM
// grid), and what the wheel does to a grid that no hook scrolls.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <vector>

#include "forms/MSFlexGrid.h"
#include "tests/support/ScrollBarArrow.h"
#include "tests/support/WheelTurn.h"

namespace qav::test {

struct GridScroller {
    const char* what;
    std::function<void()> scroll;
};

// Each scrolls the grid down by at least a row, none moves the focus by itself.
inline std::vector<GridScroller> WaysToScrollDown(MSFlexGrid* grid) {
    QScrollBar* bar = grid->verticalScrollBar();
    return {
        {"a wheel turn over the cells", [grid] { TurnWheel(grid->viewport(), -120); }},
        {"a wheel turn over the grid's bar", [bar] { TurnWheel(bar, -120); }},
        {"a click on the bar's arrow",
         [bar] {
             QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                               ArrowPoint(bar, QStyle::SC_ScrollBarAddLine));
         }},
        {"the thumb dragged", [bar] { DragThumb(bar, 30); }},
    };
}

// Without a hook on its window, a turn over the cells or over the grid's own
// bar scrolls the grid once, by Qt's lines a notch.
inline void ExpectEachTurnScrollsOnceAsQtDoes(MSFlexGrid* grid) {
    const int lines = QApplication::wheelScrollLines();
    ASSERT_GE(grid->verticalScrollBar()->maximum(), 2 * lines) << "rows enough to scroll through";
    grid->SetTopRow(1);
    struct Case {
        const char* what;
        QWidget* over;
        int delta;
        int top;  // the top row afterwards
    };
    const Case cases[] = {
        {"over the cells, towards the user", grid->viewport(), -120, 1 + lines},
        {"over the grid's bar, towards the user", grid->verticalScrollBar(), -120, 1 + 2 * lines},
        {"over the cells, away", grid->viewport(), 120, 1 + lines},
        {"over the grid's bar, away", grid->verticalScrollBar(), 120, 1},
        {"over the cells at the top", grid->viewport(), 120, 1},
        {"over the bar at the top", grid->verticalScrollBar(), 120, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TurnWheel(c.over, c.delta);
        EXPECT_EQ(grid->TopRow(), c.top);
    }
}

}  // namespace qav::test
