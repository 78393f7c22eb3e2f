#include <QClipboard>
#include <QInputMethodEvent>
#include <QMdiSubWindow>
#include <QSignalSpy>

#include "app/MDIForm1.h"
#include "tests/forms/ChannelEditorFixture.h"

namespace qav::test {
namespace {

class Form1EditingTest : public ChannelEditorFixture {
  protected:
    // A channel in use, made the way a user makes one.
    void MakeChannel(int channel, const QString& frequency = "435.12500") {
        EnterIntoCell(channel, 1, frequency);
    }
};

TEST_F(Form1EditingTest, AnyCellOfAnEmptyChannelOpensItsReceiveFrequencyExactlyOverTheCell) {
    for (const int col : {1, 2, 3, 5, 11, 12}) {
        ClickCell(7, col);
        ASSERT_TRUE(form->Text1->isVisible()) << "column " << col;
        EXPECT_EQ(QApplication::focusWidget(), form->Text1);
        EXPECT_EQ(form->Text1->geometry(), CellInPicClient(7, 1)) << "column " << col;
        EXPECT_TRUE(form->Text1->Text().isEmpty());
        QTest::keyClick(form->Text1, Qt::Key_Return);
        EXPECT_FALSE(form->Text1->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), grid);
    }
    EXPECT_EQ(Row(7), QStringList(12, QString()));
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(Form1EditingTest, ReceiveFrequencyInAnEmptyChannelMakesANewChannelWithTheDefaultsOfTheLanguage) {
    struct Case {
        int language;
        QStringList optionCells;  // columns 3 to 11
    };
    const Case cases[] = {
        {0, {"关闭", "关闭", "高", "关", "使能", "宽带", "禁止", "禁止", "禁止"}},
        {1, {"Off", "Off", "High", "Off", "On", "Wide", "Off", "Off", "Off"}},
        {2, {"關閉", "關閉", "高", "關", "使能", "寬帶", "禁止", "禁止", "禁止"}},
    };
    int channel = 1;
    for (const Case& c : cases) {
        State().Language = c.language;
        EnterIntoCell(channel, 1, "435.1");
        QStringList expected{"435.10000", "435.10000"};
        expected << c.optionCells << QString();
        EXPECT_EQ(Row(channel), expected) << "language " << c.language;
        EXPECT_EQ(Tables().ChannelFreq(channel - 1, 0), "435.10000");
        EXPECT_EQ(Tables().ChannelFreq(channel - 1, 1), "435.10000");
        EXPECT_EQ(Options(channel), (std::vector<int>{0, 0, 1, 1, 1, 1, 1, 1, 0}));
        for (int col = 0; col < 9; ++col) EXPECT_EQ(Tables().ChannelOptionText(channel - 1, col), "");
        EXPECT_EQ(Tables().ChannelName(channel - 1), "");
        ++channel;
    }
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(Form1EditingTest, FrequenciesAreSnappedAndShownWithThreeAndFiveDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"435.1", "435.10000"},     {"435.126", "435.12500"}, {"435.132", "435.13125"},
        {"435.13124", "435.13000"}, {"400", "400.00000"},     {"469.99999", "469.99500"},
    };
    int channel = 1;
    for (const auto& [typed, shown] : cases) {
        EnterIntoCell(channel, 1, typed);
        EXPECT_EQ(Cell(channel, 1), shown) << typed;
        EXPECT_EQ(Tables().ChannelFreq(channel - 1, 0), std::string(shown)) << typed;
        ++channel;
    }
}

TEST_F(Form1EditingTest, BandLowIsInsideAndBandHighOutsideWithTheMessageOfTheLanguage) {
    ASSERT_EQ(State().band.BandLow, 400);
    ASSERT_EQ(State().band.BandHigh, 470.0);
    EnterIntoCell(1, 1, "400");
    EXPECT_EQ(Cell(1, 1), "400.00000");

    struct Case {
        int language;
        const char* text;
    };
    for (const Case& c :
         {Case{1, "Beyond the scope of frequency band"}, Case{0, "超出频段范围"}, Case{2, "超出频段范围"}}) {
        State().Language = c.language;
        answerer.boxes.clear();
        for (const char* refused : {"470", "399.99999", "500"}) {
            EnterIntoCell(1, 1, refused);
            EXPECT_EQ(Cell(1, 1), "400.00000") << refused << ": the cell keeps its value";
            EXPECT_EQ(Tables().ChannelFreq(0, 0), "400.00000");
            EXPECT_FALSE(form->Text1->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), grid);
        }
        ASSERT_EQ(answerer.boxes.size(), 3) << "one message for each refused value";
        EXPECT_EQ(answerer.boxes[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(answerer.boxes[0].style, MB_OK);
        EXPECT_EQ(answerer.boxes[0].title, QString("QAV-750")) << "the application title";
    }
    // A new channel out of the band is not made.
    EnterIntoCell(2, 1, "470");
    EXPECT_EQ(Row(2), QStringList(12, QString()));
}

TEST_F(Form1EditingTest, NewReceiveFrequencyInAChannelInUseChangesOnlyThatCell) {
    MakeChannel(3, "435.12500");
    ChooseInCell(3, 5, 0);  // power low
    const QStringList before = Row(3);
    const std::vector<int> options = Options(3);
    EnterIntoCell(3, 1, "440");
    QStringList expected = before;
    expected[0] = "440.00000";
    EXPECT_EQ(Row(3), expected);
    EXPECT_EQ(Options(3), options);
    EXPECT_EQ(Tables().ChannelFreq(2, 0), "440.00000");
    EXPECT_EQ(Tables().ChannelFreq(2, 1), "435.12500");

    EnterIntoCell(3, 2, "445.5");
    expected[1] = "445.50000";
    EXPECT_EQ(Row(3), expected) << "a transmit frequency changes only its own cell";
    EXPECT_EQ(Tables().ChannelFreq(2, 1), "445.50000");
}

TEST_F(Form1EditingTest, EmptyingReceiveDeletesTheChannelEmptyingTransmitChangesNothing) {
    MakeChannel(4);
    const QStringList before = Row(4);
    EnterIntoCell(4, 2, "");
    EXPECT_EQ(Row(4), before);
    EXPECT_EQ(Tables().ChannelFreq(3, 1), "435.12500");

    Tables().ChannelName(3) = "CH4";
    Tables().ChannelOptionText(3, 0) = "Off";
    EnterIntoCell(4, 1, "");
    EXPECT_EQ(Row(4), QStringList(12, QString()));
    EXPECT_EQ(Cell(4, 0), "4");
    EXPECT_EQ(Tables().ChannelFreq(3, 0), "");
    EXPECT_EQ(Tables().ChannelFreq(3, 1), "");
    EXPECT_EQ(Tables().ChannelName(3), "");
    EXPECT_EQ(Tables().ChannelOptionText(3, 0), "");
    EXPECT_EQ(Options(4), std::vector<int>(9, 0));
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(Form1EditingTest, FrequencyEditorTakesDigitsAndPointOnlyAtMostNine) {
    MakeChannel(1);
    TypeIntoCell(1, 2, "4a3 5,-x.1e");
    EXPECT_EQ(form->Text1->Text(), "435.1");
    form->Text1->selectAll();
    QTest::keyClick(form->Text1, Qt::Key_Backspace);
    QTest::keyClicks(form->Text1, "4351234567890");
    EXPECT_EQ(form->Text1->Text(), "435123456");
    // A pasted text passes the same filter.
    form->Text1->selectAll();
    QTest::keyClick(form->Text1, Qt::Key_Backspace);
    QApplication::clipboard()->setText("４36.5 MHz");
    QTest::keyClick(form->Text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->Text1->Text(), "36.5");
    // Two points make no number: nothing changes, nothing is said.
    form->Text1->selectAll();
    QTest::keyClick(form->Text1, Qt::Key_Backspace);
    QTest::keyClicks(form->Text1, "4.3.5");
    QTest::keyClick(form->Text1, Qt::Key_Return);
    EXPECT_EQ(Cell(1, 2), "435.12500");
    EXPECT_EQ(Tables().ChannelFreq(0, 1), "435.12500");
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(Form1EditingTest, NameEditorMakesPlainUpperCaseAsciiOfAtMostSix) {
    MakeChannel(2);
    TypeIntoCell(2, 12, "ab c!\"#z");
    EXPECT_EQ(form->Text2->Text(), "ABC#Z");
    EXPECT_EQ(Tables().ChannelName(1), "ABC#Z") << "kept on every change";
    QTest::keyClicks(form->Text2, "{|}~xyz");
    EXPECT_EQ(form->Text2->Text(), "ABC#ZX");

    // Pasted and composed text are filtered alike: nothing the image cannot hold.
    TypeIntoCell(2, 12, "");
    QApplication::clipboard()->setText("中文 ok\t1é");
    QTest::keyClick(form->Text2, Qt::Key_V, Qt::ControlModifier);
    QInputMethodEvent composed;
    composed.setCommitString("名a");
    QApplication::sendEvent(form->Text2, &composed);
    EXPECT_EQ(form->Text2->Text(), "OK1A");
    QTest::keyClick(form->Text2, Qt::Key_Return);
    EXPECT_FALSE(form->Text2->isVisible());
    EXPECT_EQ(Cell(2, 12), "OK1A");
    EXPECT_EQ(Tables().ChannelName(1), "OK1A");

    // An emptied name is a name too.
    EnterIntoCell(2, 12, "");
    EXPECT_EQ(Cell(2, 12), "");
    EXPECT_EQ(Tables().ChannelName(1), "");
}

TEST_F(Form1EditingTest, EnterOnTheGridOpensTheCurrentCellAndEnterInTheEditorCommits) {
    grid->SetRow(9);
    grid->SetCol(1);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_TRUE(form->Text1->isVisible());
    EXPECT_EQ(form->Text1->geometry(), CellInPicClient(9, 1));
    QTest::keyClicks(form->Text1, "436.5");
    QTest::keyClick(form->Text1, Qt::Key_Return);
    EXPECT_FALSE(form->Text1->isVisible());
    EXPECT_EQ(Cell(9, 1), "436.50000");
    EXPECT_EQ(QApplication::focusWidget(), grid);

    // Arrow keys then Enter reach the name of the same channel.
    for (int i = 1; i < 12; ++i) QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_TRUE(form->Text2->isVisible());
    EXPECT_EQ(form->Text2->geometry(), CellInPicClient(9, 12));
}

TEST_F(Form1EditingTest, ReadCommandCommitsAnOpenFrequencyEditOnce) {
    MakeChannel(5);
    TypeIntoCell(5, 2, "437");
    ASSERT_TRUE(form->Text1->isVisible());
    form->Text1_LostFocus();  // what the read and write commands do first
    EXPECT_EQ(Cell(5, 2), "437.00000");
    EXPECT_EQ(Tables().ChannelFreq(4, 1), "437.00000");
    EXPECT_FALSE(form->Text1->isVisible());

    // Out of band: one message, however the focus moves afterwards.
    TypeIntoCell(5, 2, "480");
    form->Text1_LostFocus();
    EXPECT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(Cell(5, 2), "437.00000");
    ClickCell(6, 3);
    EXPECT_EQ(answerer.boxes.size(), 1);
}

TEST_F(Form1EditingTest, ClickingAnotherCellCommitsTheOpenEditorFirst) {
    MakeChannel(1);
    TypeIntoCell(1, 2, "436");
    ClickCell(1, 12);
    EXPECT_EQ(Cell(1, 2), "436.00000");
    EXPECT_FALSE(form->Text1->isVisible());
    ASSERT_TRUE(form->Text2->isVisible());
    QTest::keyClicks(form->Text2, "abc");
    ClickCell(2, 1);  // an empty channel
    EXPECT_EQ(Cell(1, 12), "ABC");
    EXPECT_FALSE(form->Text2->isVisible());
    EXPECT_TRUE(form->Text1->isVisible());
}

TEST_F(Form1EditingTest, ToneListOpensOverTheCellAndItsChoiceGoesToCellAndTables) {
    MakeChannel(6);
    ClickCell(6, 4);
    ASSERT_TRUE(form->Combo1->isVisible());
    EXPECT_TRUE(form->Combo1->view()->isVisible()) << "the list opens at once";
    EXPECT_EQ(form->Combo1->ListCount(), 261);
    EXPECT_EQ(form->Combo1->ListIndex(), 0) << "the channel's tone";
    const QRect cell = CellInPicClient(6, 4);
    EXPECT_EQ(form->Combo1->geometry().topLeft(), cell.topLeft());
    EXPECT_EQ(form->Combo1->width(), cell.width());
    QAbstractItemView* view = form->Combo1->view();
    view->setCurrentIndex(view->model()->index(9, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(form->Combo1->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(Cell(6, 4), "88.5");
    EXPECT_EQ(Tables().ChannelOptions(5, 1), 9);
    EXPECT_EQ(Tables().ChannelOptionText(5, 1), "88.5");

    // Opened again, the list shows the channel's tone.
    ClickCell(6, 4);
    EXPECT_EQ(form->Combo1->ListIndex(), 9);
    ChooseInCell(6, 3, 260);
    EXPECT_EQ(Cell(6, 3), "D754I");
    EXPECT_EQ(Tables().ChannelOptions(5, 0), 260);
}

TEST_F(Form1EditingTest, OptionListsSetTheValueButNotTheOptionText) {
    MakeChannel(8);
    struct Case {
        int col;
        int item;
        const char* cell;
    };
    for (const Case& c : {Case{5, 0, "Low"}, Case{6, 0, "Carry"}, Case{7, 0, "Off"}, Case{8, 0, "Narror"},
                          Case{9, 0, "On"}, Case{10, 0, "On"}, Case{11, 1, "On"}}) {
        ChooseInCell(8, c.col, c.item);
        EXPECT_FALSE(form->Combo5(c.col)->isVisible());
        EXPECT_EQ(Cell(8, c.col), c.cell);
        EXPECT_EQ(Tables().ChannelOptions(7, c.col - 3), c.item);
        EXPECT_EQ(Tables().ChannelOptionText(7, c.col - 3), "");
    }
}

TEST_F(Form1EditingTest, LeavingAListWithoutChoosingChangesNothing) {
    MakeChannel(1);
    ClickCell(1, 5);
    ASSERT_TRUE(form->Combo5(5)->isVisible());
    QTest::keyClick(form->Combo5(5)->view(), Qt::Key_Escape);
    EXPECT_TRUE(form->Combo5(5)->isVisible()) << "closing the list keeps the editor";
    grid->SetFocus();
    EXPECT_FALSE(form->Combo5(5)->isVisible());
    EXPECT_EQ(Cell(1, 5), "High");
    EXPECT_EQ(Tables().ChannelOptions(0, 2), 1);
}

TEST_F(Form1EditingTest, RightButtonClosesAnOpenEditorAndOpensNothing) {
    MakeChannel(1);
    TypeIntoCell(1, 1, "441");
    ClickCell(3, 3, Qt::RightButton);
    EXPECT_EQ(Cell(1, 1), "441.00000");
    EXPECT_FALSE(form->Text1->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->Row(), 1) << "the right button leaves the current cell";
}

TEST_F(Form1EditingTest, ChannelNumberColumnOpensNothingOnAChannelInUse) {
    MakeChannel(2);
    ClickCell(2, 0);
    EXPECT_FALSE(form->Text1->isVisible());
    EXPECT_FALSE(form->Text2->isVisible());
    EXPECT_FALSE(form->Combo1->isVisible());
    ClickCell(3, 0);  // an empty channel: its receive frequency
    EXPECT_TRUE(form->Text1->isVisible());
    EXPECT_EQ(form->Text1->geometry(), CellInPicClient(3, 1));
}

TEST_F(Form1EditingTest, ClearNoClearGridAndStartForm) {
    MakeChannel(1);
    MakeChannel(128, "401");
    ChooseInCell(1, 3, 5);
    form->ClearNO(1);
    EXPECT_EQ(Row(1), QStringList(12, QString()));
    EXPECT_EQ(Cell(1, 0), "1");
    EXPECT_EQ(Options(1), std::vector<int>(9, 0));
    EXPECT_EQ(Cell(128, 1), "401.00000");

    form->Combo1->SetListIndex(7);
    form->Combo5(5)->SetListIndex(0);
    form->Combo5(11)->SetListIndex(0);
    form->StartForm();
    EXPECT_EQ(Row(128), QStringList(12, QString()));
    EXPECT_EQ(Cell(128, 0), "128");
    EXPECT_EQ(Tables().ChannelFreq(127, 0), "");
    EXPECT_EQ(form->Combo1->ListIndex(), 0);
    EXPECT_EQ(form->Combo5(5)->ListIndex(), 1);
    EXPECT_EQ(form->Combo5(11)->ListIndex(), 0) << "the new data set leaves the compander list";
}

TEST_F(Form1EditingTest, ClosingHidesTheWindowAndKeepsItsRows) {
    MakeChannel(10, "438");
    form->SubWindow()->close();
    EXPECT_FALSE(form->IsShown());
    Run().MainWindow().MNModel_Click();
    EXPECT_TRUE(form->IsShown());
    EXPECT_EQ(Cell(10, 1), "438.00000");
}

TEST_F(Form1EditingTest, CaptionsOfBothLanguagesReachHeadersListsAndCaption) {
    Run().MainWindow().MNChineseJ_Click();
    EXPECT_EQ(form->windowTitle(), "信道编辑");
    EXPECT_EQ(Cell(0, 0), "频道");
    EXPECT_EQ(Cell(0, 12), "频道名称");
    EXPECT_EQ(form->Combo1->List(0), "关闭");
    EXPECT_EQ(form->Combo5(8)->List(1), "宽带");
    Run().MainWindow().MNEnglish_Click();
    EXPECT_EQ(form->windowTitle(), "Channel Edit");
    EXPECT_EQ(Cell(0, 6), "Channel lock");
    EXPECT_EQ(Cell(0, 12), "Channel Name");
    EXPECT_EQ(form->Combo1->List(0), "Off");
    EXPECT_EQ(form->Combo1->List(1), "67.0");
    EXPECT_EQ(form->Combo5(8)->List(0), "Narror");
    EXPECT_EQ(form->Combo5(8)->List(1), "wide");
    EXPECT_EQ(form->Combo5(6)->List(0), "Carry");
}

}  // namespace
}  // namespace qav::test
