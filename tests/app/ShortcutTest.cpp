#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
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

}  // namespace
}  // namespace qav::test
