#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QWheelEvent>

#include "winsupport/MSubclass.h"
#include "winsupport/SubClassGrid.h"
#include "winsupport/SubclassError.h"
#include "winsupport/WindowTable.h"

namespace qav::win {
namespace {

struct GridView {
    GridView() {
        model.setRowCount(200);
        model.setColumnCount(3);
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
    }
    QStandardItemModel model;
    QTableView view;
};

void Turn(QWidget* target, int delta, QPointF global, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWheelEvent wheel(QPointF(10, 10), global, QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

TEST(SubClassGridTest, EachNotchRaisesMouseWheelAndTheGridNeverScrollsByItself) {
    GridView grid;
    SubClassGrid hook;
    hook.HookGrid(HandleOf(&grid.view));
    QSignalSpy wheel(&hook, &SubClassGrid::MouseWheel);

    struct Case {
        int delta;
        Qt::KeyboardModifiers modifiers;
        QPointF global;
        QList<QVariant> expected;  // rotation, x, y
    };
    const Case cases[] = {
        {-120, Qt::NoModifier, {400, 300}, {-120, 400, 300}},
        {120, Qt::NoModifier, {400, 300}, {120, 400, 300}},
        {-120, Qt::ShiftModifier, {5, 6}, {-120, 5, 6}},
        {120, Qt::ControlModifier, {5, 6}, {120, 5, 6}},
        {-240, Qt::NoModifier, {-10, 20}, {-240, 65526, 20}},  // a monitor left of the main one
    };
    for (const Case& c : cases) {
        wheel.clear();
        Turn(grid.view.viewport(), c.delta, c.global, c.modifiers);
        ASSERT_EQ(wheel.count(), 1) << c.delta;
        EXPECT_EQ(wheel.at(0), c.expected) << c.delta;
    }
    EXPECT_EQ(grid.view.verticalScrollBar()->value(), 0) << "the wheel never reached the grid";
}

TEST(SubClassGridTest, EndingTheObjectGivesTheWindowItsWheelBack) {
    GridView grid;
    const HWND window = HandleOf(&grid.view);
    const WNDPROC before = GetWindowLongA(window, GWL_WNDPROC);
    {
        SubClassGrid hook;
        hook.HookGrid(window);
        EXPECT_NE(GetWindowLongA(window, GWL_WNDPROC), before);
    }
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), before);
    Turn(grid.view.viewport(), -120, {0, 0});
    EXPECT_GT(grid.view.verticalScrollBar()->value(), 0);
}

TEST(SubClassGridTest, HookingSomethingThatIsNoWindowPassesTheEngineErrorOn) {
    SubClassGrid hook;
    try {
        hook.HookGrid(0);
        FAIL() << "no error";
    } catch (const SubclassError& error) {
        EXPECT_EQ(error.Code(), 13083);
    }
}

}  // namespace
}  // namespace qav::win
