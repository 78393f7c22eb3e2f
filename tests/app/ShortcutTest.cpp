#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "tests/support/ProgramFixture.h"

namespace qav::test {
namespace {

class ShortcutTest : public ProgramFixture {};

// The commands' keys reach the main window wherever the focus is: in the
// channel grid, where it usually is, no child window's own keys take them.
TEST_F(ShortcutTest, TransferKeysWorkWithTheFocusInTheChannelGrid) {
    answerer.answers = {IDOK};  // no device behind port 1
    ProgramRun& run = Start();
    MDIForm1& mdi = run.MainWindow();
    mdi.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
    MSFlexGrid* grid = run.forms.form1->Grid1;
    grid->SetFocus();
    ASSERT_TRUE(grid->hasFocus());

    for (const Qt::Key key : {Qt::Key_W, Qt::Key_R}) {
        answerer.boxes.clear();
        QTest::keyClick(grid, key, Qt::ControlModifier);
        EXPECT_EQ(answerer.Texts(), QStringList{"The serial port is invalid"}) << int(key);
    }
}

// Each window command brings its form into view, also from a minimised bar.
TEST_F(ShortcutTest, WindowKeysRestoreAMinimisedFormAndBringItToTheFront) {
    ProgramRun& run = Start();
    MDIForm1& mdi = run.MainWindow();
    mdi.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
    const std::pair<Qt::Key, MdiChildForm*> commands[] = {
        {Qt::Key_M, run.forms.form1}, {Qt::Key_D, run.forms.form2}, {Qt::Key_P, run.forms.form3},
        {Qt::Key_B, run.forms.form4}, {Qt::Key_F, run.forms.form5},
    };
    for (const auto& [key, form] : commands) {
        SCOPED_TRACE(form->objectName().toStdString());
        form->ShowForm();
        QApplication::sendPostedEvents();  // a form shown the first time fits itself to its captions
        const QSize normal = form->SubWindow()->size();
        form->SubWindow()->showMinimized();
        // Another form in front of the bar.
        (form == run.forms.form1 ? static_cast<MdiChildForm*>(run.forms.form2) : run.forms.form1)->ShowForm();
        ASSERT_TRUE(form->SubWindow()->isMinimized());

        QTest::keyClick(&mdi, key, Qt::ControlModifier);
        EXPECT_FALSE(form->SubWindow()->isMinimized());
        EXPECT_TRUE(form->IsShown());
        EXPECT_EQ(form->SubWindow()->size(), normal);
        EXPECT_EQ(mdi.MdiArea->activeSubWindow(), form->SubWindow());
        EXPECT_EQ(mdi.MdiArea->subWindowList(QMdiArea::StackingOrder).last(), form->SubWindow());
    }
}

}  // namespace
}  // namespace qav::test
