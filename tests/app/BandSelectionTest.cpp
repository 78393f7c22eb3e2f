#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/MSFlexGrid.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

class BandSelectionTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramRun& run = Start();
        band = run.MainWindow().Combo1;
        run.forms.form3->Text20->SetText("435.00000");
        answerer.boxes.clear();
    }

    // Opens the band list with a click, points at an item and takes it with Enter.
    void ChooseInOpenList(int index) {
        QTest::mouseClick(band, Qt::LeftButton);
        QAbstractItemView* list = band->view();
        ASSERT_TRUE(list->isVisible());
        list->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
        ASSERT_FALSE(list->isVisible());
    }

    const BandSelection& Band() { return Run().state.band; }
    QString FullBandFrequency() { return Run().forms.form3->Text20->Text(); }

    VbComboBox* band = nullptr;
};

TEST_F(BandSelectionTest, ChoosingTheSameBandAsksNothing) {
    ChooseInOpenList(2);
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_EQ(band->ListIndex(), 2);
    EXPECT_TRUE(Band().BandChangeByProgram);
    EXPECT_EQ(FullBandFrequency(), QString("435.00000"));
}

TEST_F(BandSelectionTest, CancelPutsTheOldBandBack) {
    answerer.answers = {IDCANCEL};
    ChooseInOpenList(0);
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].style, ConfirmStyle);
    EXPECT_EQ(answerer.boxes[0].title, QString("Be careful!"));
    EXPECT_EQ(answerer.boxes[0].text,
              QString("Changing the frequency band will remove the channel tabulation, confirm?"));
    EXPECT_EQ(band->ListIndex(), 2);
    EXPECT_EQ(Band().BandLow, 400);
    EXPECT_EQ(Band().BandHigh, 470.0);
    EXPECT_TRUE(Band().BandChangeByProgram);
    EXPECT_EQ(FullBandFrequency(), QString("435.00000"));
}

TEST_F(BandSelectionTest, OkTakesTheBandAndPutsTheFullBandFrequencyInItsMiddle) {
    answerer.answers = {IDOK};
    ChooseInOpenList(1);
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(band->ListIndex(), 1);
    EXPECT_EQ(Band().BandLow, 350);
    EXPECT_EQ(Band().BandHigh, 390.0);
    EXPECT_EQ(FullBandFrequency(), QString("370.00000"));
    EXPECT_TRUE(Band().BandChangeByProgram);
}

TEST_F(BandSelectionTest, QuestionIsInTheCurrentLanguage) {
    Run().MainWindow().MNChineseJ_Click();
    answerer.answers = {IDCANCEL};
    ChooseInOpenList(0);
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].title, QString("注意！"));
    EXPECT_EQ(answerer.boxes[0].text, QString("改变频段将清除频道列表，确定吗？"));
    EXPECT_EQ(answerer.boxes[0].buttons.value(IDCANCEL), QString("取消"));
}

TEST_F(BandSelectionTest, KeysOnTheClosedSelectorAskTheSameQuestion) {
    struct Case {
        const char* what;
        Qt::Key key;
        int answer;
        int index;  // the band afterwards
        int low;
        const char* fullBand;
        bool channelKept;
    };
    const Case cases[] = {
        {"Up, cancelled", Qt::Key_Up, IDCANCEL, 2, 400, "435.00000", true},
        {"Up, OK", Qt::Key_Up, IDOK, 1, 350, "370.00000", false},
        {"Home, OK", Qt::Key_Home, IDOK, 0, 136, "155.00000", false},
    };
    Form1& editor = *Run().forms.form1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Run().MainWindow().ResetBandSelection();
        editor.Grid1->SetTextMatrix(1, Form1::kColReceive, "435.12500");
        Run().forms.form3->Text20->SetText("435.00000");
        answerer.boxes.clear();
        answerer.answers = {c.answer};

        band->setFocus();
        QTest::keyClick(band, c.key);
        ASSERT_EQ(answerer.boxes.size(), 1);
        EXPECT_EQ(answerer.boxes[0].style, ConfirmStyle);
        EXPECT_EQ(answerer.boxes[0].text,
                  QString("Changing the frequency band will remove the channel tabulation, confirm?"));
        EXPECT_EQ(band->ListIndex(), c.index);
        EXPECT_EQ(Band().BandLow, c.low);
        EXPECT_EQ(FullBandFrequency(), QString(c.fullBand));
        EXPECT_EQ(editor.Grid1->TextMatrix(1, Form1::kColReceive), c.channelKept ? "435.12500" : "");
        EXPECT_TRUE(Band().BandChangeByProgram);
    }

    // After a cancelled change the next key asks again, measured from the band kept.
    Run().MainWindow().ResetBandSelection();
    answerer.boxes.clear();
    answerer.answers = {IDCANCEL, IDCANCEL};
    QTest::keyClick(band, Qt::Key_Up);
    QTest::keyClick(band, Qt::Key_Up);
    EXPECT_EQ(answerer.boxes.size(), 2);
    EXPECT_EQ(band->ListIndex(), 2);

    // A key that moves nothing asks nothing.
    answerer.boxes.clear();
    QTest::keyClick(band, Qt::Key_Down);
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(BandSelectionTest, WheelOverTheSelectorNeverChangesTheBand) {
    QSignalSpy clicks(band, &VbComboBox::Click);
    for (const int delta : {120, -120, -240}) {
        QWheelEvent wheel(QPointF(4, 4), band->mapToGlobal(QPointF(4, 4)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(band, &wheel);
    }
    EXPECT_EQ(band->ListIndex(), 2);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(BandSelectionTest, ResetSelectsTheThirdBandSilently) {
    answerer.answers = {IDOK};
    ChooseInOpenList(0);
    answerer.boxes.clear();
    Run().MainWindow().ResetBandSelection();
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_EQ(band->ListIndex(), 2);
    EXPECT_EQ(Band().BandLow, 400);
}

}  // namespace
}  // namespace qav::test
