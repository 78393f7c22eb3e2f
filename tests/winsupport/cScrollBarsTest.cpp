#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <climits>

#include "tests/support/ScrollBarArrow.h"
#include "winsupport/WindowScrollBars.h"
#include "winsupport/WindowTable.h"
#include "winsupport/cScrollBars.h"

namespace qav::win {
namespace {

constexpr int V = cScrollBars::efsVertical;
constexpr int H = cScrollBars::efsHorizontal;

// A window with its own bars, driven by a cScrollBars as a form drives them.
class cScrollBarsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(300, 200);
        bars = new WindowScrollBars(&window);
        window.show();
        scroll.Create(HandleOf(&window));
        scroll.SetSmallChange(V, 2);
        scroll.SetLargeChange(V, 40);
        scroll.SetMax(V, 100);
        scroll.SetVisible(V, true);
        changes = std::make_unique<QSignalSpy>(&scroll, &cScrollBars::Change);
        scrolls = std::make_unique<QSignalSpy>(&scroll, &cScrollBars::Scroll);
    }

    void Turn(int delta) {
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window, &wheel);
    }

    static QPoint ArrowPoint(QScrollBar* bar, QStyle::SubControl arrow) {
        return test::ArrowPoint(bar, arrow);
    }

    QWidget window;
    WindowScrollBars* bars = nullptr;
    cScrollBars scroll;
    std::unique_ptr<QSignalSpy> changes;
    std::unique_ptr<QSignalSpy> scrolls;
};

TEST_F(cScrollBarsTest, OneNotchMovesSmallChangeTimesWheelLinesAndStopsAtTheEndsSilently) {
    ASSERT_EQ(scroll.WheelScrollLines(), QApplication::wheelScrollLines());
    const int step = 2 * scroll.WheelScrollLines();
    Turn(-120);  // towards the user
    EXPECT_EQ(scroll.Value(V), step);
    EXPECT_EQ(changes->count(), 1);
    Turn(120);
    EXPECT_EQ(scroll.Value(V), 0);
    EXPECT_EQ(changes->count(), 2);

    changes->clear();
    Turn(120);  // already at the top
    EXPECT_EQ(scroll.Value(V), 0);
    scroll.SetValue(V, 100);
    changes->clear();
    Turn(-120);
    Turn(-360);
    EXPECT_EQ(scroll.Value(V), 100);
    EXPECT_EQ(changes->count(), 0);
    Turn(-60);  // less than a notch
    EXPECT_EQ(changes->count(), 0);
    EXPECT_EQ(scrolls->count(), 0);
}

TEST_F(cScrollBarsTest, WheelScrollHandlerMayChangeBarAndAmount) {
    scroll.SetLargeChange(H, 10);
    scroll.SetMax(H, 50);
    QObject::connect(&scroll, &cScrollBars::WheelScroll, [](int& bar, int& amount) {
        bar = H;
        amount *= 2;
    });
    Turn(-120);
    EXPECT_EQ(scroll.Value(V), 0);
    EXPECT_EQ(scroll.Value(H), std::min(50, 4 * scroll.WheelScrollLines()));
}

TEST_F(cScrollBarsTest, MaxMinAndLargeChangeKeepEachOther) {
    EXPECT_EQ(scroll.Max(V), 100);
    EXPECT_EQ(scroll.LargeChange(V), 40);
    scroll.SetLargeChange(V, 25);
    EXPECT_EQ(scroll.Max(V), 100);
    EXPECT_EQ(scroll.LargeChange(V), 25);
    scroll.SetMin(V, 10);
    EXPECT_EQ(scroll.Min(V), 10);
    EXPECT_EQ(scroll.Max(V), 100);
    EXPECT_EQ(scroll.Value(V), 10) << "the position stays within the range";

    // A smaller Max pulls the value along and says so.
    scroll.SetValue(V, 90);
    changes->clear();
    scroll.SetMax(V, 60);
    EXPECT_EQ(scroll.Value(V), 60);
    EXPECT_EQ(changes->count(), 1);
    // The present value again raises nothing.
    scroll.SetValue(V, 60);
    EXPECT_EQ(changes->count(), 1);
}

TEST_F(cScrollBarsTest, ArrowClickRaisesChangeOncePerStepAndPagesGoByLargeChange) {
    QScrollBar* bar = bars->Bar(SB_VERT);
    ASSERT_TRUE(bar->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, ArrowPoint(bar, QStyle::SC_ScrollBarAddLine));
    EXPECT_EQ(scroll.Value(V), 2);
    EXPECT_EQ(changes->count(), 1);
    EXPECT_EQ(bar->value(), 2);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, ArrowPoint(bar, QStyle::SC_ScrollBarSubLine));
    EXPECT_EQ(scroll.Value(V), 0);
    EXPECT_EQ(changes->count(), 2);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, ArrowPoint(bar, QStyle::SC_ScrollBarSubLine));
    EXPECT_EQ(changes->count(), 2) << "nothing below the minimum";

    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(scroll.Value(V), 40);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(scroll.Value(V), 100);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(scroll.Value(V), 100);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(scroll.Value(V), 0);
    EXPECT_EQ(changes->count(), 5);
}

TEST_F(cScrollBarsTest, DraggingTheThumbReportsEachPositionAsChange) {
    QScrollBar* bar = bars->Bar(SB_VERT);
    for (const int position : {10, 35, 35, 70}) bar->setSliderPosition(position);
    EXPECT_EQ(scroll.Value(V), 70);
    EXPECT_EQ(changes->count(), 3);
    EXPECT_EQ(scrolls->count(), 0) << "the value was reported before the tracking check";
}

TEST_F(cScrollBarsTest, PressesOnTheBarsRaiseScrollClick) {
    QSignalSpy clicks(&scroll, &cScrollBars::ScrollClick);
    scroll.SetLargeChange(H, 10);
    scroll.SetMax(H, 50);
    scroll.SetVisible(H, true);
    QTest::mouseClick(bars->Bar(SB_VERT), Qt::RightButton, Qt::NoModifier, QPoint(5, 60));
    QTest::mouseClick(bars->Bar(SB_HORZ), Qt::LeftButton, Qt::NoModifier, QPoint(100, 5));
    QTest::mouseClick(bars->Bar(SB_HORZ), Qt::MiddleButton, Qt::NoModifier, QPoint(100, 5));
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(0), (QList<QVariant>{V, 2}));
    EXPECT_EQ(clicks.at(1), (QList<QVariant>{H, 1}));
}

TEST_F(cScrollBarsTest, NoFlatBarsHereSoAFlatStyleIsIgnored) {
    EXPECT_FALSE(scroll.CanBeFlat());
    scroll.SetStyle(cScrollBars::efsFlat);
    EXPECT_EQ(scroll.GetStyle(), cScrollBars::efsRegular);
    scroll.SetEnabled(V, false);
    EXPECT_FALSE(bars->Bar(SB_VERT)->isEnabled());
    scroll.SetEnabled(V, true);
    EXPECT_TRUE(bars->Bar(SB_VERT)->isEnabled());
}

TEST_F(cScrollBarsTest, ExtremeValuesAreClampedNeverOverflowed) {
    scroll.SetMax(V, INT_MAX);
    EXPECT_EQ(scroll.Max(V), INT_MAX - 40);
    scroll.SetSmallChange(V, INT_MAX);
    Turn(-120 * 200);
    EXPECT_EQ(scroll.Value(V), INT_MAX - 40);
    Turn(120 * 200);
    EXPECT_EQ(scroll.Value(V), 0);
    scroll.SetValue(V, INT_MAX - 40);
    SendMessageA(HandleOf(&window), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(HandleOf(&window), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(scroll.Value(V), INT_MAX - 40);
    scroll.SetLargeChange(V, INT_MIN);
    EXPECT_EQ(scroll.LargeChange(V), 0);
    scroll.SetMin(V, INT_MIN);
    scroll.SetValue(V, INT_MIN);
    SendMessageA(HandleOf(&window), WM_VSCROLL, SB_LINEUP, 0);
    SendMessageA(HandleOf(&window), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(scroll.Value(V), INT_MIN);
}

TEST_F(cScrollBarsTest, ShownBarsTakeTheirRoomFromTheClientArea) {
    QWidget* client = bars->ClientArea();
    const int barWidth = bars->Bar(SB_VERT)->width();
    EXPECT_GT(barWidth, 0);
    EXPECT_EQ(client->size(), QSize(300 - barWidth, 200));
    scroll.SetVisible(V, false);
    EXPECT_EQ(client->size(), QSize(300, 200));
    scroll.SetOrientation(cScrollBars::efsoHorizontal);
    EXPECT_EQ(client->width(), 300);
    EXPECT_LT(client->height(), 200);
}

}  // namespace
}  // namespace qav::win
