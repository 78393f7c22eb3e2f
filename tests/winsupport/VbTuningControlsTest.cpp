#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

#include "winsupport/VbSlider.h"
#include "winsupport/VbTabStrip.h"

namespace qav {
namespace {

class ShownSlider : public VbSlider {
  public:
    ShownSlider() {
        setRange(0, 255);
        setSingleStep(1);
        setPageStep(5);
        resize(300, 30);
        show();
    }
    QPoint HandleCentre() {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this).center();
    }
};

TEST(VbSliderTest, ValueFromCodeRaisesChangeAlsoWhenUnchangedAndRefusesOutOfRange) {
    ShownSlider slider;
    QSignalSpy changes(&slider, &VbSlider::Change);
    QSignalSpy scrolls(&slider, &VbSlider::Scroll);
    EXPECT_TRUE(slider.SetValue(220));
    EXPECT_TRUE(slider.SetValue(220));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_FALSE(slider.SetValue(256));
    EXPECT_FALSE(slider.SetValue(-1));
    EXPECT_EQ(slider.Value(), 220);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(scrolls.count(), 0);
}

TEST(VbSliderTest, KeysMoveBySmallAndLargeChangeAndRaiseChange) {
    ShownSlider slider;
    slider.SetValue(100);
    QSignalSpy changes(&slider, &VbSlider::Change);
    QSignalSpy scrolls(&slider, &VbSlider::Scroll);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 101);
    QTest::keyClick(&slider, Qt::Key_PageUp);
    EXPECT_EQ(slider.Value(), 106);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(scrolls.count(), 0);
    QTest::keyClick(&slider, Qt::Key_End);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 255) << "never beyond the range";
}

TEST(VbSliderTest, DraggingTheThumbScrollsAndReleasingItChanges) {
    ShownSlider slider;
    slider.SetValue(0);
    QSignalSpy changes(&slider, &VbSlider::Change);
    QSignalSpy scrolls(&slider, &VbSlider::Scroll);
    const QPoint start = slider.HandleCentre();
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&slider, start + QPoint(40, 0));
    QTest::mouseMove(&slider, start + QPoint(80, 0));
    EXPECT_GE(scrolls.count(), 2);
    EXPECT_EQ(changes.count(), 0) << "no Change while the thumb is held";
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, start + QPoint(80, 0));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_GT(slider.Value(), 0);
}

TEST(VbTabStripTest, TabsCarryKeysAndTheFirstAddedIsSelectedWithoutClick) {
    VbTabStrip strip;
    QSignalSpy clicks(&strip, &VbTabStrip::Click);
    EXPECT_EQ(strip.SelectedIndex(), 0);
    EXPECT_TRUE(strip.Add(1, "hpGrade", "High Power Grades"));
    EXPECT_TRUE(strip.Add(2, "lpGrade", "Low Power Grades"));
    EXPECT_FALSE(strip.Add(4, "x", "beyond the end"));
    EXPECT_FALSE(strip.Add(0, "x", "before the first"));
    EXPECT_EQ(strip.Count(), 2);
    EXPECT_EQ(strip.SelectedIndex(), 1);
    EXPECT_EQ(strip.SelectedKey(), QString("hpGrade"));
    EXPECT_EQ(strip.Key(2), QString("lpGrade"));
    EXPECT_EQ(strip.Caption(2), QString("Low Power Grades"));

    strip.SetSelectedIndex(2);
    clicks.clear();
    strip.Clear();
    strip.Add(1, "a", "A");
    strip.Add(2, "b", "B");
    EXPECT_EQ(clicks.count(), 0) << "rebuilding the tabs is no click";
    EXPECT_EQ(strip.SelectedIndex(), 1) << "a rebuilt strip selects its first tab";
}

TEST(VbTabStripTest, ClickingATabOrSelectingFromCodeRaisesClick) {
    VbTabStrip strip;
    strip.Add(1, "hpGrade", "High Power Grades");
    strip.Add(2, "lpGrade", "Low Power Grades");
    strip.show();
    int selectedAtClick = 0;
    QObject::connect(&strip, &VbTabStrip::Click, [&] { selectedAtClick = strip.SelectedIndex(); });
    QSignalSpy clicks(&strip, &VbTabStrip::Click);

    QTest::mouseClick(&strip, Qt::LeftButton, Qt::NoModifier, strip.tabRect(1).center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(selectedAtClick, 2) << "the handler sees the tab just chosen";
    EXPECT_EQ(strip.SelectedKey(), QString("lpGrade"));

    EXPECT_TRUE(strip.SetSelectedIndex(2));
    EXPECT_TRUE(strip.SetSelectedIndex(1));
    EXPECT_FALSE(strip.SetSelectedIndex(3));
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(selectedAtClick, 1);
}

}  // namespace
}  // namespace qav
