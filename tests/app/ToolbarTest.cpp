#include <QAction>
#include <QTest>
#include <QToolBar>

#include "app/MDIForm1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "tests/support/RadioFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbSlider.h"

namespace qav::test {
namespace {

// Clicks toolbar button n with the mouse, as the user does.
void ClickToolbarButton(MDIForm1& main, int n) {
    QWidget* button = main.Toolbar1->widgetForAction(main.ToolbarButton(n));
    ASSERT_NE(button, nullptr);
    // A button shown a moment ago appears when the toolbar has laid itself out.
    ASSERT_TRUE(QTest::qWaitFor([button] { return button->isVisible(); }, 1000)) << "button " << n;
    QTest::mouseClick(button, Qt::LeftButton);
}

class ToolbarTest : public ProgramFixture {
  protected:
    void SetUp() override { StartWithClock(); }

    void StartWithClock() {
        Discard();
        Start();
        answerer.boxes.clear();  // the port message of a machine without the radio
        Run().state.Timer = [this] { return now; };
    }

    MDIForm1& Main() { return Run().MainWindow(); }

    // What a command showed the user: its message boxes and file dialogs, in order.
    QStringList Trace() {
        QStringList trace;
        for (const MessageRecord& box : answerer.boxes)
            trace << QString("box %1 | %2 | %3").arg(box.text, box.title).arg(box.style);
        for (const FileDialogRequest& request : fileRequests)
            trace << QString("dialog %1 in %2").arg(int(request.mode)).arg(request.directory);
        answerer.boxes.clear();
        fileRequests.clear();
        return trace;
    }

    // Shows service button n and grants its permission, as the service unlock does.
    void Unlock(int n) {
        Main().ToolbarButton(n)->setVisible(true);
        ServiceFlags& service = Run().state.service;
        if (n == 7) {
            service.ForceWriteAllowed = true;
            service.ServiceUnlockA = {{true, true, true}, 77};
        } else if (n == 8) {
            service.TuningWriteAllowed = true;
            service.ServiceUnlockB = {{true, true, true}, 77};
            for (VbSlider* slider : Run().forms.form4->Slider1) slider->setEnabled(true);
        }
    }

    void ClickAt(int n, double time) {
        now = time;
        ClickToolbarButton(Main(), n);
    }

    double now = 1000;
};

TEST_F(ToolbarTest, TheFiveCommandButtonsDoWhatTheirMenuItemsDo) {
    struct Case {
        int button;
        QAction* MDIForm1::*menuItem;
        const char* firstStep;
    };
    const Case cases[] = {
        {1, &MDIForm1::MNNew, "box Unsaved data will be lost, sure?"},
        {2, &MDIForm1::MNOpen, "dialog 0"},
        {3, &MDIForm1::MNSave, "dialog 1"},
        {5, &MDIForm1::MNRead, "box The serial port is invalid"},
        {6, &MDIForm1::MNWrite, "box The serial port is invalid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        ClickToolbarButton(Main(), c.button);
        const QStringList byButton = Trace();
        (Main().*c.menuItem)->trigger();
        const QStringList byMenu = Trace();
        ASSERT_FALSE(byButton.isEmpty());
        EXPECT_TRUE(byButton.first().startsWith(c.firstStep)) << byButton.first().toStdString();
        EXPECT_EQ(byButton, byMenu);
    }
}

TEST_F(ToolbarTest, ForceWriteIsSwitchedOffOnlyBySecondClickWithinItsSecond) {
    struct Case {
        double first;
        double second;
        bool switchedOff;
    };
    // The first click is kept to the nearest whole second, the second keeps its fraction.
    const Case cases[] = {
        {100.2, 100.5, true},    {100.6, 101.4, true},  // kept as 101
        {100.4, 101.1, false},                          // kept as 100
        {100.0, 102.0, false},   {86399.8, 0.2, true},  // across midnight
        {50000.0, 100.0, false},                        // a single click of the day before
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " then " << c.second);
        StartWithClock();
        Unlock(7);
        ClickAt(7, c.first);
        EXPECT_TRUE(Run().state.service.ForceWriteAllowed) << "a single click only records its time";
        ClickAt(7, c.second);
        const ServiceFlags& service = Run().state.service;
        EXPECT_EQ(service.ForceWriteAllowed, !c.switchedOff);
        EXPECT_EQ(Main().ToolbarButton(7)->isVisible(), !c.switchedOff);
        EXPECT_EQ(service.ServiceUnlockA.members,
                  (std::array{!c.switchedOff, !c.switchedOff, !c.switchedOff}));
        EXPECT_EQ(service.ServiceUnlockA.StartTime, 77) << "the attempt's start time stays";
        EXPECT_TRUE(service.TuningWriteAllowed == false) << "the other permission is not touched";
    }
}

TEST_F(ToolbarTest, ALateSecondClickBecomesTheNewFirstClick) {
    Unlock(7);
    ClickAt(7, 100.0);
    ClickAt(7, 102.0);
    EXPECT_TRUE(Run().state.service.ForceWriteAllowed);
    ClickAt(7, 102.3);
    EXPECT_FALSE(Run().state.service.ForceWriteAllowed);

    Unlock(7);  // unlocked again: the pair starts anew
    ClickAt(7, 200.0);
    EXPECT_TRUE(Run().state.service.ForceWriteAllowed);
}

TEST_F(ToolbarTest, FmButtonTakesTheFmFunctionOutOfReach) {
    Main().ToolbarButton(9)->setVisible(true);
    ClickAt(9, 500.0);
    EXPECT_TRUE(Run().forms.form3->Combo2->isEnabled());
    ClickAt(9, 500.4);
    EXPECT_FALSE(Main().ToolbarButton(9)->isVisible());
    EXPECT_FALSE(Run().forms.form3->Combo2->isEnabled());
}

class ServiceSwitchWriteTest : public RadioFixture {
  protected:
    void SetUp() override {
        StartWithRadio();
        Run().state.Timer = [this] { return now; };
    }
    MDIForm1& Main() { return Run().MainWindow(); }
    void ClickAt(int n, double time) {
        now = time;
        ClickToolbarButton(Main(), n);
    }
    std::vector<int> WrittenBlocks() {
        std::vector<int> blocks;
        for (const auto& f : radio.Frames())
            if (f.kind == sim::FrameKind::Write) blocks.push_back(f.address);
        return blocks;
    }

    double now = 0;
};

TEST_F(ServiceSwitchWriteTest, ForceWriteSwitchedOffRefusesARadioOfAnotherBandAgain) {
    Run().state.service.ForceWriteAllowed = true;
    Main().ToolbarButton(7)->setVisible(true);
    ClickAt(7, 3600.0);
    ClickAt(7, 3600.3);
    radio.SetBandDigit('3');
    Write();
    EXPECT_EQ(answerer.Texts(), QStringList{"The frequency band is not accorded with, can't write into!"});
    EXPECT_TRUE(WrittenBlocks().empty());
}

TEST_F(ServiceSwitchWriteTest, TuningSwitchedOffDisablesTheSlidersAndKeepsTheTuningBlockBack) {
    Run().state.service.TuningWriteAllowed = true;
    Run().state.service.ServiceUnlockB = {{true, true, true}, 5};
    Main().ToolbarButton(8)->setVisible(true);
    for (VbSlider* slider : Run().forms.form4->Slider1) slider->setEnabled(true);
    ClickAt(8, 7200.0);
    ClickAt(8, 7200.3);
    EXPECT_FALSE(Main().ToolbarButton(8)->isVisible());
    EXPECT_FALSE(Run().state.service.TuningWriteAllowed);
    EXPECT_EQ(Run().state.service.ServiceUnlockB.members, (std::array{false, false, false}));
    for (VbSlider* slider : Run().forms.form4->Slider1) EXPECT_FALSE(slider->isEnabled());

    Run().forms.form3->Combo2->SetListIndex(0);  // FM function off: the smallest block map
    Write();
    EXPECT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
    const auto blocks = WrittenBlocks();
    EXPECT_EQ(blocks.size(), 183u);
    EXPECT_EQ(std::find(blocks.begin(), blocks.end(), 0x7F0), blocks.end()) << "no tuning block";
}

}  // namespace
}  // namespace qav::test
