#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include "app/MDIForm1.h"
#include "tests/forms/ChannelEditorFixture.h"
#include "tests/forms/GridScrolling.h"
#include "tests/support/ScrollBarArrow.h"
#include "winsupport/MSubclass.h"
#include "winsupport/WindowScrollBars.h"
#include "winsupport/WindowTable.h"

namespace qav::test {
namespace {

using win::SB_HORZ;
using win::SB_VERT;

class Form1ScrollingTest : public ChannelEditorFixture {
  protected:
    win::WindowScrollBars& Bars() { return *win::WindowScrollBars::Of(win::HandleOf(form)); }
    QScrollBar* FormBar(int bar) { return Bars().Bar(bar); }
    QWidget* Client() { return Bars().ClientArea(); }

    void Turn(QWidget* over, int delta) { TurnWheel(over, delta); }

    void ClickArrow(QScrollBar* bar, QStyle::SubControl arrow) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, test::ArrowPoint(bar, arrow));
    }
};

TEST_F(Form1ScrollingTest, TheGridHasItsColumnsHeadersAndTint) {
    ASSERT_EQ(grid->Rows(), 129);
    ASSERT_EQ(grid->Cols(), 13);
    const int twips[] = {600, 1100, 1100, 1200, 1200, 600, 1400, 900, 700, 700, 900, 1200, 1400};
    for (const int language : {0, 1}) {
        if (language == 0)
            Run().MainWindow().MNChineseJ_Click();
        else
            Run().MainWindow().MNEnglish_Click();
        for (int c = 0; c < 13; ++c) {
            EXPECT_GE(grid->ColWidth(c), twips[c]) << "column " << c;
            EXPECT_EQ(grid->ColAlignment(c), MSFlexGrid::flexAlignCenterCenter);
            EXPECT_LE(grid->PixelsForText(Cell(0, c)), grid->columnWidth(c))
                << "header of column " << c << " clipped";
        }
        // The option texts of the language fit their cells too ("Narror" in 700 twips would not).
        for (int c = 5; c <= 11; ++c)
            for (int item = 0; item < 2; ++item)
                EXPECT_LE(grid->PixelsForText(form->Combo5(c)->List(item)), grid->columnWidth(c)) << c;
        EXPECT_EQ(grid->WidthForAllColumns(), grid->width()) << "every column shows";
    }
    for (int row = 1; row <= 128; ++row) {
        EXPECT_EQ(Cell(row, 0), QString::number(row));
        for (const int col : {0, 6, 12}) {
            grid->SetRow(row);
            grid->SetCol(col);
            if (row % 2 == 0)
                EXPECT_EQ(grid->CellBackColor(), 0xFFC0C0) << row << "," << col;
            else
                EXPECT_NE(grid->CellBackColor(), 0xFFC0C0) << row << "," << col;
        }
    }
}

TEST_F(Form1ScrollingTest, TheWindowFitsItsContentsWhenItLoads) {
    EXPECT_EQ(form->size(), QSize(933, 480));
    EXPECT_FALSE(Bars().IsShown(SB_VERT));
    EXPECT_FALSE(Bars().IsShown(SB_HORZ));
    EXPECT_EQ(form->picClient->pos(), QPoint(0, 0));
    EXPECT_EQ(form->picClient->size(), grid->size() + QSize(2, 2));
}

TEST_F(Form1ScrollingTest, WheelOverTheGridScrollsOneRowANotchAndLeavesTheWindowsBars) {
    form->resize(600, 300);  // the window's own bars show
    ASSERT_TRUE(Bars().IsShown(SB_VERT));
    const QPoint contents = form->picClient->pos();

    EXPECT_EQ(grid->TopRow(), 1);
    Turn(grid->viewport(), 120);  // away from the user, at the top
    EXPECT_EQ(grid->TopRow(), 1);
    Turn(grid->viewport(), -120);
    EXPECT_EQ(grid->TopRow(), 2);
    Turn(grid->viewport(), -120);
    Turn(grid->verticalScrollBar(), -120);  // the grid's own bar is the grid's too
    EXPECT_EQ(grid->TopRow(), 4);
    Turn(grid->viewport(), 120);
    EXPECT_EQ(grid->TopRow(), 3);

    grid->SetTopRow(128);
    const int last = grid->TopRow();
    EXPECT_GT(last, 100);
    Turn(grid->viewport(), -120);
    EXPECT_EQ(grid->TopRow(), last) << "at the end nothing changes";
    EXPECT_EQ(form->picClient->pos(), contents);
    EXPECT_EQ(FormBar(SB_VERT)->value(), 0);
}

TEST_F(Form1ScrollingTest, ScrolledToTheEndTheRowsShowWhole) {
    QScrollBar* bar = grid->verticalScrollBar();
    const GridScroller waysToTheEnd[] = {
        {"the last top row set", [this] { grid->SetTopRow(grid->Rows() - 1); }},
        {"the bar at its end", [bar] { bar->setValue(bar->maximum()); }},
        {"Ctrl+End", [this] { QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier); }},
        {"the wheel",
         [this] {
             for (int turn = 0; turn < grid->Rows(); ++turn) Turn(grid->viewport(), -120);
         }},
    };
    for (const int language : {1, 0}) {
        if (language == 0) Run().MainWindow().MNChineseJ_Click();
        for (const GridScroller& way : waysToTheEnd) {
            SCOPED_TRACE(testing::Message() << way.what << ", language " << language);
            grid->SetTopRow(1);
            grid->SetRow(1);
            grid->SetFocus();
            way.scroll();
            const int top = grid->TopRow() - 1;  // model rows: channel k is row k - 1
            const int last = grid->Rows() - 2;
            EXPECT_GT(top, 0) << "scrolled";
            EXPECT_EQ(grid->rowViewportPosition(top), 0) << "the top row is not cut by the header";
            EXPECT_LE(grid->rowViewportPosition(last) + grid->rowHeight(last), grid->viewport()->height())
                << "the last channel shows whole";
        }
    }
}

TEST_F(Form1ScrollingTest, WithoutItsWheelHookTheGridScrollsOnceATurnAsQtDoes) {
    win::MSubclass::SubclassDetachAll(grid->hWnd());
    ExpectEachTurnScrollsOnceAsQtDoes(grid);
}

TEST_F(Form1ScrollingTest, ScrollingTheGridUnderAnOpenEditorEndsTheEditAsLeavingItDoes) {
    EnterIntoCell(2, 1, "435.125");  // a channel in use
    for (const GridScroller& s : WaysToScrollDown(grid)) {
        SCOPED_TRACE(s.what);
        const auto scrolled = [&] {
            const int top = grid->TopRow();
            s.scroll();
            EXPECT_GT(grid->TopRow(), top) << "the grid scrolled";
        };

        grid->SetTopRow(1);
        TypeIntoCell(2, 1, "436");
        scrolled();
        EXPECT_FALSE(form->Text1->isVisible());
        EXPECT_EQ(Cell(2, 1), "436.00000");
        EXPECT_EQ(State().channels.ChannelFreq(1, 0), "436.00000");

        grid->SetTopRow(1);
        TypeIntoCell(2, 12, "ab");
        scrolled();
        EXPECT_FALSE(form->Text2->isVisible());
        EXPECT_EQ(Cell(2, 12), "AB");

        grid->SetTopRow(1);
        ClickCell(2, 5);
        ASSERT_TRUE(form->Combo5(5)->isVisible());
        QTest::keyClick(form->Combo5(5)->view(), Qt::Key_Escape);  // the list closes, the editor stays
        ASSERT_TRUE(form->Combo5(5)->isVisible());
        scrolled();
        EXPECT_FALSE(form->Combo5(5)->isVisible());
        EXPECT_EQ(Cell(2, 5), "High");

        EXPECT_EQ(QApplication::focusWidget(), grid);
        for (int channel = 3; channel <= 8; ++channel)
            EXPECT_EQ(Cell(channel, 1), QString()) << "nothing landed in channel " << channel;
        EnterIntoCell(2, 1, "435.125");
        EnterIntoCell(2, 12, "");
    }
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(Form1ScrollingTest, WindowSmallerThanItsContentsScrollsThemUnderItsOwnBars) {
    form->resize(600, 300);
    ASSERT_TRUE(Bars().IsShown(SB_VERT));
    ASSERT_TRUE(Bars().IsShown(SB_HORZ));
    const int overflowY = form->picClient->height() - Client()->height();
    const int overflowX = form->picClient->width() - Client()->width();
    EXPECT_EQ(FormBar(SB_VERT)->maximum(), overflowY);
    EXPECT_EQ(FormBar(SB_VERT)->pageStep(), overflowY / (overflowY / Client()->height() + 1));
    EXPECT_EQ(FormBar(SB_HORZ)->maximum(), overflowX);

    // A wheel notch over the window (here over its bar): two pixels a line.
    const int lines = QApplication::wheelScrollLines();
    Turn(FormBar(SB_VERT), -120);
    EXPECT_EQ(form->picClient->y(), -2 * lines);
    ClickArrow(FormBar(SB_VERT), QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(form->picClient->y(), -2 * lines - 2);
    ClickArrow(FormBar(SB_HORZ), QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(form->picClient->x(), -1);
    FormBar(SB_VERT)->setSliderPosition(overflowY);  // the thumb dragged to the end
    EXPECT_EQ(form->picClient->y(), -overflowY);
    Turn(FormBar(SB_VERT), -120);
    EXPECT_EQ(form->picClient->y(), -overflowY);
    // The bottom of the contents is then at the bottom of the client area.
    EXPECT_EQ(form->picClient->geometry().bottom(), Client()->height() - 1);

    // Large enough again: no bars, contents back at the origin.
    form->resize(1200, 900);
    EXPECT_FALSE(Bars().IsShown(SB_VERT));
    EXPECT_FALSE(Bars().IsShown(SB_HORZ));
    EXPECT_EQ(form->picClient->pos(), QPoint(0, 0));
}

TEST_F(Form1ScrollingTest, AWindowOfNoSizeDividesByNothing) {
    for (const QSize size : {QSize(0, 0), QSize(0, 300), QSize(500, 0), QSize(1, 1)}) {
        form->resize(size);
        EXPECT_EQ(Client()->height() == 0, !Bars().IsShown(SB_VERT)) << size.width() << "x" << size.height();
        if (Client()->width() == 0) {
            EXPECT_EQ(FormBar(SB_HORZ)->pageStep(), 0) << size.width() << "x" << size.height();
        }
    }
    form->resize(933, 480);
    EXPECT_FALSE(Bars().IsShown(SB_VERT));
    EXPECT_EQ(form->picClient->pos(), QPoint(0, 0));
}

TEST_F(Form1ScrollingTest, EditorsStayOverTheirCellWhenTheWindowIsScrolled) {
    form->resize(500, 250);
    Turn(FormBar(SB_VERT), -120);
    ClickArrow(FormBar(SB_HORZ), QStyle::SC_ScrollBarAddLine);
    grid->SetTopRow(40);
    ClickCell(45, 3);
    ASSERT_TRUE(form->Text1->isVisible());
    EXPECT_EQ(form->Text1->geometry(), CellInPicClient(45, 1));
}

}  // namespace
}  // namespace qav::test
