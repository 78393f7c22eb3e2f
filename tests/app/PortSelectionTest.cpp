#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/MSComm.h"
#include "app/RadioTransfer.h"
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

// A pulled cable: the line hangs up. The port closes and the status bar says
// so; the port number stays chosen, and the next Read or Write opens it again.
class DroppedLineTest : public PortSelectionTest {
  protected:
    void SetUp() override {
        StartWithRadio();
        radio.HangUp();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Main().MSComm1->PortOpen(); }, 2000))
            << "the port stays open after its line hung up";
    }
    MDIForm1& Main() { return Run().MainWindow(); }
};

TEST_F(DroppedLineTest, StatusBarTellsInTheLanguageOfTheProgram) {
    EXPECT_EQ(Main().ComboCom->ListIndex(), 0) << "the port stays chosen";
    EXPECT_EQ(Main().StatusPanel1->text(), QString("COM: 1"));
    EXPECT_EQ(Main().StatusPanel2->text(), QString("The line dropped, the port is closed"));
    Main().MNChineseJ_Click();
    EXPECT_EQ(Main().StatusPanel2->text(), QString::fromUtf8("连接已断开，端口已关闭"));
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
}

TEST_F(DroppedLineTest, NextReadOrWriteOpensThePortAgain) {
    for (const bool read : {false, true}) {  // the write first: a read changes the band
        SCOPED_TRACE(read ? "Read" : "Write");
        sim::RadioSimulator pluggedIn;  // the cable back in: the same port number, a new device
        pluggedIn.SetMemory(PatternMemory(7));
        ASSERT_TRUE(pluggedIn.LinkAsPort(PortsFolder().toStdString(), 1));
        answerer.boxes.clear();
        if (read) {
            Read();
            EXPECT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
            EXPECT_EQ(ReadImageBytes(), PatternMemory(7));
        } else {
            Write();
            EXPECT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
        }
        EXPECT_TRUE(Main().MSComm1->PortOpen());
        EXPECT_EQ(Main().StatusPanel2->text(), Main().MSComm1->PortMap().DeviceText(1));
        pluggedIn.HangUp();  // and out again, for the next command
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Main().MSComm1->PortOpen(); }, 2000));
    }
}

TEST_F(DroppedLineTest, PortThatCannotOpenAgainIsReportedAndStaysChosen) {
    // No device behind port 1 any more (the number of the pseudo-terminal
    // that went is free for other tests to take).
    ASSERT_TRUE(QFile::remove(PortsFolder() + "/com1"));
    for (const bool read : {true, false}) {
        SCOPED_TRACE(read ? "Read" : "Write");
        answerer.boxes.clear();
        radio.ClearRecord();
        if (read)
            Read();
        else
            Write();
        EXPECT_EQ(
            answerer.Texts(),
            QStringList{"Serial port1Invalid or has already been used by other procedures, please choose "
                        "other bunches of mouths or close its procedure."});
        EXPECT_FALSE(Main().MSComm1->PortOpen());
        EXPECT_EQ(Main().ComboCom->ListIndex(), 0);
        EXPECT_EQ(Main().StatusPanel1->text(), QString("COM: 1"));
        EXPECT_FALSE(Main().Transfer().Reading || Main().Transfer().Writing);
    }
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
