#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/MSComm.h"
#include "tests/support/RadioFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"

namespace qav::test {
namespace {

class PortSelectionTest : public RadioFixture {};

TEST_F(PortSelectionTest, LinkedPortOpensAndTheStatusBarNamesIt) {
    ProgramRun& run = StartWithRadio();
    EXPECT_TRUE(run.MainWindow().MSComm1->PortOpen());
    EXPECT_EQ(run.MainWindow().StatusPanel1->text(), QString("COM: 1"));
    EXPECT_FALSE(run.MainWindow().StatusPanel2->text().isEmpty());
}

TEST_F(PortSelectionTest, PortHeldByAnotherProgramIsReportedAndLeftUnselected) {
    MSComm other(SerialPortMap({PortsFolder(), noDevices.path(), noDevices.path()}));
    ASSERT_TRUE(other.SetPortOpen(true)) << other.PortError().toStdString();
    answerer.answers = {IDOK};
    ProgramRun& run = Start();
    EXPECT_EQ(
        answerer.Texts(),
        QStringList{"Serial port1Invalid or has already been used by other procedures, please choose other "
                    "bunches of mouths or close its procedure."});
    EXPECT_FALSE(run.MainWindow().MSComm1->PortOpen());
    EXPECT_EQ(run.MainWindow().ComboCom->ListIndex(), -1);
    EXPECT_EQ(run.MainWindow().StatusPanel1->text(), QString("COM: "));
}

TEST_F(PortSelectionTest, ChoosingAPortThroughTheMenuOpensIt) {
    ProgramRun& run = StartWithRadio();
    MDIForm1& mdi = run.MainWindow();
    radio.LinkAsPort(PortsFolder().toStdString(), 3);
    mdi.MNCommPort_Click();
    EXPECT_TRUE(mdi.ComboCom->isVisible());
    mdi.ComboCom->SetListIndex(2);
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
    EXPECT_TRUE(mdi.MSComm1->PortOpen());
    EXPECT_EQ(mdi.MSComm1->CommPort(), 3);
    EXPECT_FALSE(mdi.ComboCom->isVisible());
    EXPECT_EQ(mdi.StatusPanel1->text(), QString("COM: 3"));
}

TEST_F(PortSelectionTest, SelectorShowsInAPlaceOfItsOwnAndEscHidesIt) {
    ProgramRun& run = StartWithRadio();
    MDIForm1& mdi = run.MainWindow();
    mdi.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
    const auto place = [&mdi](QWidget* control) {
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return QRect(control->mapTo(&mdi, QPoint(0, 0)), control->size());
    };
    const QRect button = place(mdi.Command1);
    const QRect band = place(mdi.Combo1);

    mdi.MNCommPort_Click();
    ASSERT_TRUE(mdi.ComboCom->isVisible());
    EXPECT_TRUE(mdi.ComboCom->hasFocus());
    EXPECT_EQ(place(mdi.Command1), button) << "nothing moves aside for the selector";
    EXPECT_EQ(place(mdi.Combo1), band);
    EXPECT_FALSE(place(mdi.ComboCom).intersects(button));
    EXPECT_FALSE(place(mdi.ComboCom).intersects(band));

    QTest::keyClick(mdi.ComboCom, Qt::Key_Escape);
    EXPECT_FALSE(mdi.ComboCom->isVisible());
    EXPECT_EQ(place(mdi.Command1), button);
    EXPECT_EQ(mdi.ComboCom->ListIndex(), 0) << "the port chosen before stays";
    EXPECT_TRUE(mdi.MSComm1->PortOpen());
    EXPECT_EQ(mdi.StatusPanel1->text(), QString("COM: 1"));
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

}  // namespace
}  // namespace qav::test
