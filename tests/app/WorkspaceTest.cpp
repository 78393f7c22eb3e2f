// The main window's area holding the editing forms.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "tests/support/ProgramFixture.h"

namespace qav::test {
namespace {

class WorkspaceTest : public ProgramFixture {};

TEST_F(WorkspaceTest, AFormReachingPastTheAreaCanBeScrolledIntoView) {
    ProgramRun& run = Start();
    MDIForm1& mdi = run.MainWindow();
    QMdiArea* area = mdi.MdiArea;
    QMdiSubWindow* editor = run.forms.form1->SubWindow();
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();

    mdi.resize(editor->width() / 2, editor->height() / 2 + 150);
    ASSERT_TRUE(QTest::qWaitFor([&] { return across->isVisible() && down->isVisible(); }))
        << "a form cut off by the area must be reachable";
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    const QRect room = area->viewport()->rect();
    EXPECT_LE(editor->geometry().right(), room.right()) << "scrolled to the end, its right edge shows";
    EXPECT_LE(editor->geometry().bottom(), room.bottom());
    across->setValue(0);
    down->setValue(0);
    EXPECT_EQ(editor->geometry().topLeft(), QPoint(0, 0)) << "and back to the start";

    mdi.resize(editor->width() + 200, editor->height() + 300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !across->isVisible() && !down->isVisible(); }))
        << "with room for every form, no bars";
}

}  // namespace
}  // namespace qav::test
