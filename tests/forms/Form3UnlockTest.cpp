// The hidden service unlock of the optional features, clicked on the real
// labels with the time of day under the test's control.
#include <QSlider>
#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"

namespace qav::test {
namespace {

struct Click {
    int member;   // 0..2 within the group
    double time;  // seconds since midnight
};

class Form3UnlockTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramRun& run = Start();
        run.state.Timer = [this] { return now; };
        form = run.forms.form3;
        form->ShowForm();
    }

    void ClickAt(VbLabel* label, double time) {
        now = time;
        QTest::mouseClick(label, Qt::LeftButton);
    }

    ServiceFlags& Service() { return Run().state.service; }
    bool ButtonShown(int n) { return Run().MainWindow().ToolbarButton(n)->isVisible(); }
    int SlidersEnabled() {
        int enabled = 0;
        for (const VbSlider* slider : Run().forms.form4->Slider1) enabled += slider->isEnabled() ? 1 : 0;
        return enabled;
    }

    Form3* form = nullptr;
    double now = 0;
};

TEST_F(Form3UnlockTest, AGroupNeedsItsThreeLabelsWithinFiveSecondsOfTheFirstClick) {
    struct Case {
        const char* name;
        std::vector<Click> clicks;
        bool granted;
    };
    const Case cases[] = {
        {"0 s, 2 s and 5 s", {{0, 100}, {1, 102}, {2, 105}}, true},
        {"0 s, 2 s and 6 s", {{0, 100}, {1, 102}, {2, 106}}, false},
        {"one label three times", {{1, 100}, {1, 101}, {1, 102}}, false},
        {"any order", {{2, 100}, {0, 101.2}, {1, 104.9}}, true},
        {"a late click begins the next attempt", {{0, 100}, {1, 106}, {2, 108}, {0, 109}}, true},
        {"over midnight", {{0, 86398}, {1, 86399.6}, {2, 1.5}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Service() = ServiceFlags{};
        for (const Click& click : c.clicks) ClickAt(form->ServiceGroupA()[click.member], click.time);
        EXPECT_EQ(Service().ForceWriteAllowed, c.granted);
    }

    Service() = ServiceFlags{};
    for (const Click& click : {Click{0, 200}, Click{1, 202}, Click{2, 206}})
        ClickAt(form->ServiceGroupA()[click.member], click.time);
    EXPECT_EQ(Service().ServiceUnlockA.members, (std::array<bool, 3>{false, false, true}))
        << "the late click is the new attempt's only member";
    EXPECT_EQ(Service().ServiceUnlockA.StartTime, 206);
}

TEST_F(Form3UnlockTest, FirstGroupAllowsForcedWritesAndShowsItsButton) {
    for (int member = 0; member < 3; ++member) ClickAt(form->ServiceGroupA()[member], 50 + member);
    EXPECT_TRUE(Service().ForceWriteAllowed);
    EXPECT_FALSE(Service().TuningWriteAllowed);
    EXPECT_TRUE(ButtonShown(7));
    EXPECT_FALSE(ButtonShown(8));
    EXPECT_EQ(SlidersEnabled(), 0);
    EXPECT_EQ(Service().ServiceUnlockA.members, (std::array<bool, 3>{true, true, true}))
        << "kept on completion";

    ClickAt(form->ServiceGroupA()[0], 500);
    EXPECT_TRUE(Service().ForceWriteAllowed) << "only the toolbar takes a permission back";
}

TEST_F(Form3UnlockTest, SecondGroupAllowsTuningWritesAndFreesAllThreeSliders) {
    ASSERT_EQ(SlidersEnabled(), 0);
    ClickAt(form->ServiceGroupB()[2], 7);
    ClickAt(form->ServiceGroupB()[1], 8);
    EXPECT_EQ(SlidersEnabled(), 0);
    ClickAt(form->ServiceGroupB()[0], 9);
    EXPECT_TRUE(Service().TuningWriteAllowed);
    EXPECT_FALSE(Service().ForceWriteAllowed);
    EXPECT_EQ(SlidersEnabled(), 3);
    EXPECT_TRUE(ButtonShown(8));
    EXPECT_FALSE(ButtonShown(7));
}

TEST_F(Form3UnlockTest, LabelsOfTheTwoGroupsNeverCompleteEachOther) {
    ClickAt(form->ServiceGroupA()[0], 10);
    ClickAt(form->ServiceGroupA()[1], 11);
    ClickAt(form->ServiceGroupB()[2], 12);
    ClickAt(form->ServiceGroupB()[0], 13);
    EXPECT_FALSE(Service().ForceWriteAllowed);
    EXPECT_FALSE(Service().TuningWriteAllowed);
    for (int n = 7; n <= 9; ++n) EXPECT_FALSE(ButtonShown(n));
}

}  // namespace
}  // namespace qav::test
