#include <QApplication>
#include <QTest>

#include "app/ApplyLanguageCaptions.h"
#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form4.h"
#include "tests/support/RadioFixture.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"
#include "winsupport/VbTabStrip.h"

namespace qav::test {
namespace {

class Form4Test : public ProgramFixture {
  protected:
    void SetUp() override {
        Start();
        answerer.boxes.clear();
    }

    Form4& Form() { return *Run().forms.form4; }

    std::array<int, 3> Sliders() {
        return {Form().Slider1[0]->Value(), Form().Slider1[1]->Value(), Form().Slider1[2]->Value()};
    }
    std::array<QString, 3> Texts(const std::array<VbLabel*, 3>& labels) {
        return {labels[0]->Caption(), labels[1]->Caption(), labels[2]->Caption()};
    }
    std::array<QString, 3> FrameCaptions() {
        return {Form().Frame1[0]->Caption(), Form().Frame1[1]->Caption(), Form().Frame1[2]->Caption()};
    }

    // Chooses tab n with the mouse.
    void ClickTab(int n) {
        Form().ShowForm();
        VbTabStrip* strip = Form().TabStrip1;
        QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, strip->tabRect(n - 1).center());
        ASSERT_EQ(strip->SelectedIndex(), n);
    }
};

TEST_F(Form4Test, FreshStartHoldsAllSixDefaultsAndShowsTheHighPowerTab) {
    EXPECT_EQ(Run().state.grades, (PowerGradeValues{{220, 208, 220, 130, 116}, 130}))
        << "the low-power defaults are in place before that tab is ever shown";
    EXPECT_EQ(Form().TabStrip1->SelectedKey(), QString("hpGrade"));
    EXPECT_EQ(Sliders(), (std::array{220, 208, 220}));
    EXPECT_EQ(FrameCaptions(),
              (std::array<QString, 3>{"High Section Grades", "Midsection Grades", "Low Section Grades"}));
    EXPECT_EQ(Texts(Form().Label3),
              (std::array<QString, 3>{"High Section Grades:220", "Midsection Grades:208",
                                      "Low Section Grades:220"}));
    EXPECT_EQ(Texts(Form().Label1), (std::array<QString, 3>{"Low", "Low", "Low"}));
    EXPECT_EQ(Texts(Form().Label2), (std::array<QString, 3>{"High", "High", "High"}));
    for (VbSlider* slider : Form().Slider1) EXPECT_FALSE(slider->isEnabled()) << "until the service unlock";
    EXPECT_EQ(Form().windowTitle(), QString("Debugging"));
    EXPECT_FALSE(Form().IsShown());
}

TEST_F(Form4Test, LockedSlidersLookLockedAndTheFocusGoesToThemOnceTheyTakeInput) {
    MDIForm1& mdi = Run().MainWindow();
    mdi.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
    mdi.MNDebug->trigger();
    ASSERT_TRUE(Form().IsShown());
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(Form().Slider1[i]->isEnabled());
        EXPECT_FALSE(Form().Label1[i]->isEnabled()) << "the ends of a locked scale are greyed";
        EXPECT_FALSE(Form().Label2[i]->isEnabled());
    }
    EXPECT_NE(QApplication::focusWidget(), Form().TabStrip1);
    EXPECT_TRUE(Form().isAncestorOf(QApplication::focusWidget()) || Form().hasFocus())
        << "the form in front holds the focus";

    Form().HideForm();
    Run().forms.form1->ShowForm();
    for (VbSlider* slider : Form().Slider1) slider->setEnabled(true);  // as the service unlock does
    mdi.MNDebug->trigger();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Form().Label1[i]->isEnabled() && Form().Label2[i]->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Form().Slider1[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(Run().state.grades.PowerGrades[HighPowerHighGrade], 221) << "the keys move the first slider";
}

TEST_F(Form4Test, LowPowerTabShowsItsGradesWithItsChineseCaptions) {
    Run().MainWindow().MNChineseJ->trigger();
    ClickTab(2);
    EXPECT_EQ(Sliders(), (std::array{130, 116, 130}));
    EXPECT_EQ(FrameCaptions(),
              (std::array<QString, 3>{"低功率高段等级", "低功率中段等级", "低功率低段等级"}));
    EXPECT_EQ(Texts(Form().Label3),
              (std::array<QString, 3>{"低功率高段等级:130", "低功率中段等级:116", "低功率低段等级:130"}));
    EXPECT_EQ(Texts(Form().Label1), (std::array<QString, 3>{"低", "低", "低"}));
    ClickTab(1);
    EXPECT_EQ(Texts(Form().Label3),
              (std::array<QString, 3>{"高功率高段等级:220", "高功率中段等级:208", "高功率低段等级:220"}));
}

TEST_F(Form4Test, MovingASliderStoresTheGradeOfItsTabAndSection) {
    for (VbSlider* slider : Form().Slider1) slider->setEnabled(true);
    struct Case {
        int tab;
        int slider;
        int PowerGradeValues::*single;  // LowPowerLowGrade, or nullptr for PowerGrades[index]
        int index;
    };
    const Case cases[] = {
        {1, 0, nullptr, HighPowerHighGrade}, {1, 1, nullptr, HighPowerMidGrade},
        {1, 2, nullptr, HighPowerLowGrade},  {2, 0, nullptr, LowPowerHighGrade},
        {2, 1, nullptr, LowPowerMidGrade},   {2, 2, &PowerGradeValues::LowPowerLowGrade, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab << " slider " << c.slider);
        ClickTab(c.tab);
        PowerGradeValues expected = Run().state.grades;
        int& grade = c.single ? expected.*c.single : expected.PowerGrades[c.index];
        grade += 1;
        VbSlider* slider = Form().Slider1[c.slider];
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_EQ(Run().state.grades, expected) << "only the grade of that slider changes";
        EXPECT_EQ(Form().Label3[c.slider]->Caption(),
                  Form().Frame1[c.slider]->Caption() + QString::number(grade));
    }
}

TEST_F(Form4Test, GradesThatArriveLaterAreShownNotReplacedByDefaults) {
    // What a decoded file or radio leaves, before the low-power tab was ever shown.
    Run().state.grades = PowerGradeValues{{1, 2, 3, 4, 5}, 6};
    ClickTab(2);
    EXPECT_EQ(Sliders(), (std::array{4, 5, 6}));
    ClickTab(1);
    EXPECT_EQ(Sliders(), (std::array{1, 2, 3}));
    EXPECT_EQ(Run().state.grades, (PowerGradeValues{{1, 2, 3, 4, 5}, 6}));
}

TEST_F(Form4Test, GradesFromTheRadioBeforeTheFormLoadsAreKept) {
    Discard();
    ProgramRun& run = Run();  // built, not started: no form yet
    run.state.GradesFromRadio = 1;
    run.state.grades = PowerGradeValues{{9, 8, 7, 6, 5}, 4};
    Form4 form(run.Context());
    EXPECT_EQ(run.state.grades, (PowerGradeValues{{9, 8, 7, 6, 5}, 4}));
    EXPECT_EQ(form.Slider1[0]->Value(), 9);
}

TEST_F(Form4Test, LanguageChangeRebuildsTheTabsAndReturnsToHighPower) {
    ClickTab(2);
    Run().MainWindow().MNChineseJ->trigger();
    VbTabStrip* strip = Form().TabStrip1;
    ASSERT_EQ(strip->Count(), 2);
    EXPECT_EQ(strip->SelectedIndex(), 1);
    EXPECT_EQ(strip->Key(1), QString("hpGrade"));
    EXPECT_EQ(strip->Key(2), QString("lpGrade"));
    EXPECT_EQ(strip->Caption(1), QString("高功率等级"));
    EXPECT_EQ(strip->Caption(2), QString("低功率等级"));
    EXPECT_EQ(Form().windowTitle(), QString("调试"));
    EXPECT_EQ(Sliders(), (std::array{220, 208, 220}));
    EXPECT_EQ(Form().Label3[0]->Caption(), QString("高功率高段等级:220"));

    Run().MainWindow().MNEnglish->trigger();
    EXPECT_EQ(strip->Caption(2), QString("Low Power Grades"));
    EXPECT_EQ(strip->Count(), 2);

    // Traditional writes no caption, but the sections are captioned again.
    ClickTab(2);
    Run().state.Language = 2;
    ApplyLanguageCaptions(Run());
    EXPECT_EQ(strip->Caption(2), QString("Low Power Grades"));
    EXPECT_EQ(strip->SelectedIndex(), 2) << "no rebuild, so the tab stays";
    EXPECT_EQ(Form().Label3[0]->Caption(), QString("低功率高段等级:130"));
}

class Form4ReadTest : public RadioFixture {};

TEST_F(Form4ReadTest, ReadShowsTheGradesAtOnce) {
    // The radio's grades: high power high, middle and low section at 2035, 2032, 2036.
    std::vector<std::uint8_t> memory(3072, 0xFF);
    memory[2035] = 31;
    memory[2032] = 32;
    memory[2036] = 33;
    radio.SetMemory(memory);
    StartWithRadio();
    Read();
    ASSERT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    const auto& sliders = Run().forms.form4->Slider1;
    EXPECT_EQ((std::array{sliders[0]->Value(), sliders[1]->Value(), sliders[2]->Value()}),
              (std::array{31, 32, 33}));
}

}  // namespace
}  // namespace qav::test
