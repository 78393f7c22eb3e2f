#include <QLabel>

#include "app/MDIForm1.h"
#include "app/MSComm.h"
#include "tests/support/RadioFixture.h"
#include "winsupport/VbComboBox.h"

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

}  // namespace
}  // namespace qav::test
