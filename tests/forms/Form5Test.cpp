// The FM broadcast-channel form, driven with real clicks and keys: the cell
// editor and the frequency box with their filters and range messages on the
// form's own message line, OK and Cancel, captions and layout.
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>

#include "app/ImageBinding.h"
#include "app/MDIForm1.h"
#include "forms/Form3.h"
#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "image/ImageDecoder.h"
#include "lang/CaptionCatalogue.h"
#include "tests/forms/FmGridUser.h"
#include "tests/forms/GridScrolling.h"
#include "tests/forms/LayoutCheck.h"
#include "tests/support/ListChoice.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

const QString kCellRangeMessage = "Beyond the scope of frequency(76-108), please input again.";
const QString kBoxRangeMessage = "Beyond the scope of frequency(76-107.95), please input again.";

class Form5Test : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramRun& run = Run();
        // The FM values the form finds when the main window loads it.
        run.state.fm.FmChannelFreq[0] = "87.50";
        run.state.fm.FmChannelFreq[2] = "101.60";
        run.state.fm.FmChannelNo = 3;
        run.state.fm.FmDisplayMode = 1;
        run.state.fm.FmStep = 2;
        run.state.fm.FmFrequency = "99.00";
        Start();
        answerer.boxes.clear();
        form = run.forms.form5;
        user.AttachTo(form);
        QApplication::setActiveWindow(&run.MainWindow());
        run.MainWindow().MNFMset->trigger();
        ASSERT_TRUE(form->IsShown());
    }

    FmValues& Fm() { return Run().state.fm; }
    QString Cell(int channel) const { return user.Cell(channel); }
    void ClickCell(int channel, int col = Form5::kColFrequency) { user.ClickCell(channel, col); }
    void EnterIntoCell(int channel, const QString& typed, int col = Form5::kColFrequency) {
        user.EnterIntoCell(channel, typed, col);
    }
    void EnterIntoFrequencyBox(const QString& typed) {
        form->Text2->SetFocus();
        form->Text2->selectAll();
        QTest::keyClick(form->Text2, Qt::Key_Backspace);
        QTest::keyClicks(form->Text2, typed);
        QTest::keyClick(form->Text2, Qt::Key_Return);
    }

    Form5* form = nullptr;
    FmGridUser user;
};

TEST_F(Form5Test, LoadingFillsTheControlsFromTheFmValues) {
    EXPECT_EQ(form->MSFGrid->Rows(), 33);
    EXPECT_EQ(form->MSFGrid->Cols(), 2);
    for (int k = 1; k <= 32; ++k) EXPECT_EQ(form->MSFGrid->TextMatrix(k, 0), QString::number(k));
    EXPECT_EQ(Cell(1), QString("87.50"));
    EXPECT_EQ(Cell(2), QString());
    EXPECT_EQ(Cell(3), QString("101.60"));
    EXPECT_EQ(form->Combo1[0]->Text(), QString("3"));
    EXPECT_EQ(form->Combo1[0]->ListCount(), 32);
    EXPECT_EQ(form->Combo1[1]->ListIndex(), 1);
    EXPECT_EQ(form->Combo1[2]->ListIndex(), 2);
    EXPECT_EQ(form->Text2->Text(), QString("99.00"));
    EXPECT_FALSE(form->Combo1[0]->isVisible()) << "the present channel is not shown";
    EXPECT_FALSE(form->Label1[0]->isVisible());
    EXPECT_FALSE(form->Label2->isVisible());
    EXPECT_FALSE(form->Text1->isVisible());
}

TEST_F(Form5Test, CellEditorTakesFrequenciesOfTheFmBandOnTheHalfStepRaster) {
    struct Case {
        QString typed;
        QString cell;  // what the cell shows afterwards
        bool message;  // the range message is shown
    };
    const Case cases[] = {
        {"88.57", "88.55", false}, {"107.95", "107.95", false},  {"76", "76.00", false},
        {"088.5", "88.50", false}, {"101.649", "101.60", false}, {"108", "87.50", true},
        {"75.95", "87.50", true},  {"107.96", "87.50", true},    {".", "87.50", false},
        {"", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        form->MSFGrid->SetTextMatrix(1, Form5::kColFrequency, "87.50");
        form->Label2->hide();
        EnterIntoCell(1, c.typed);
        EXPECT_EQ(Cell(1), c.cell);
        EXPECT_FALSE(form->Text1->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), form->MSFGrid);
        EXPECT_EQ(form->Label2->isVisible(), c.message);
        if (c.message) {
            EXPECT_EQ(form->Label2->Caption(), kCellRangeMessage);
            EXPECT_TRUE(form->Text1->Text().isEmpty());
        }
    }
    EXPECT_TRUE(answerer.boxes.isEmpty()) << "no message box, ever";
    EXPECT_EQ(Fm().FmChannelFreq[0], "87.50") << "the FM values change only with OK";
}

TEST_F(Form5Test, CellEditorOpensOverTheFrequencyOfTheClickedChannel) {
    for (const int col : {Form5::kColFrequency, Form5::kColChannel}) {
        SCOPED_TRACE(col);
        ClickCell(3, col);
        ASSERT_TRUE(form->Text1->isVisible());
        MSFlexGrid* grid = form->MSFGrid;
        const QRect cell = grid->visualRect(grid->model()->index(2, Form5::kColFrequency));
        EXPECT_EQ(form->Text1->geometry(), QRect(grid->viewport()->mapTo(form, cell.topLeft()), cell.size()));
        EXPECT_EQ(form->Text1->Text(), QString("101.60"));
        QTest::keyClick(form->Text1, Qt::Key_Return);
    }
    EXPECT_EQ(form->MSFGrid->TextMatrix(3, Form5::kColChannel), QString("3"))
        << "the channel number is never edited";
    EXPECT_EQ(Cell(3), QString("101.60"));
}

TEST_F(Form5Test, FrequencyFieldsTakeOnlyDigitsAndPointTypedOrPasted) {
    EnterIntoCell(2, "9x1,.2 MHz");
    EXPECT_EQ(Cell(2), QString("91.20"));

    QApplication::clipboard()->setText("1o2.3-5");
    form->Text2->SetFocus();
    form->Text2->selectAll();
    QTest::keySequence(form->Text2, QKeySequence::Paste);
    EXPECT_EQ(form->Text2->Text(), QString("12.35"));
    form->Text2->SetText(QString());

    // The present channel, typed over, takes digits only.
    form->Combo1[0]->lineEdit()->selectAll();
    QTest::keyClicks(form->Combo1[0]->lineEdit(), "1a7");
    EXPECT_EQ(form->Combo1[0]->Text(), QString("17"));
}

TEST_F(Form5Test, FrequencyBoxPutsItsValueOnTheRasterOrRefusesIt) {
    struct Case {
        QString typed;
        QString shown;
        bool message;
    };
    const Case cases[] = {
        {"101.63", "101.60", false}, {"76", "76.00", false}, {"107.99", "107.95", false},
        {"108", "", true},           {"75.9", "", true},     {"", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        form->Label2->hide();
        EnterIntoFrequencyBox(c.typed);
        EXPECT_EQ(form->Text2->Text(), c.shown);
        EXPECT_EQ(form->Label2->isVisible(), c.message);
        if (c.message) {
            EXPECT_EQ(form->Label2->Caption(), kBoxRangeMessage);
        }
    }
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(Form5Test, MessageLineSpeaksTheLanguageStandsBesideTheCellAndGoesOnAClick) {
    Run().MainWindow().MNChineseJ_Click();
    EnterIntoCell(5, "200");
    ASSERT_TRUE(form->Label2->isVisible());
    EXPECT_EQ(form->Label2->Caption(), QString::fromUtf8("超出频率范围(76-108)，请重输。"));
    const QRect line(form->Label2->mapTo(form, QPoint(0, 0)), form->Label2->size());
    EXPECT_GE(line.left(), form->MSFGrid->geometry().right()) << "beside the grid, not over it";
    const QStringList faults = LayoutFaults(*form);
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();

    EnterIntoFrequencyBox("300");
    EXPECT_EQ(form->Label2->Caption(), QString::fromUtf8("超出频率范围(76-107.95)，请重输。"));

    form->Text1->SetText("9");
    QTest::mouseClick(form->Label2, Qt::LeftButton);
    EXPECT_FALSE(form->Label2->isVisible());
    EXPECT_TRUE(form->Text1->Text().isEmpty());
}

TEST_F(Form5Test, OkTakesTheControlsIntoTheFmValuesAndCancelPutsBackWhatOkStored) {
    const auto editEverything = [this](const char* channel2, const char* box, int mode, int step,
                                       const char* present) {
        EnterIntoCell(2, channel2);
        EnterIntoCell(1, "");
        EnterIntoFrequencyBox(box);
        ChooseInList(form->Combo1[1], mode);
        ChooseInList(form->Combo1[2], step);
        form->Combo1[0]->SetText(present);
    };
    // What the form shows: channels 1 to 3, the box, display mode, step, present channel.
    const auto shown = [this] {
        return QStringList{Cell(1),
                           Cell(2),
                           Cell(3),
                           form->Text2->Text(),
                           QString::number(form->Combo1[1]->ListIndex()),
                           QString::number(form->Combo1[2]->ListIndex()),
                           form->Combo1[0]->Text()};
    };
    const QStringList loaded{"87.50", "", "101.60", "99.00", "1", "2", "3"};

    editEverything("90.1", "88.8", 0, 1, "7");
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_FALSE(form->IsShown());
    EXPECT_EQ(Fm().FmChannelFreq[0], "87.50");
    EXPECT_EQ(Fm().FmChannelFreq[1], "");
    EXPECT_EQ(Fm().FmDisplayMode, 1);
    EXPECT_EQ(Fm().FmStep, 2);
    EXPECT_EQ(Fm().FmFrequency, "99.00");
    EXPECT_EQ(Fm().FmChannelNo, 3);
    EXPECT_EQ(shown(), loaded) << "the cleared channel 1 is back, the typed channel 2 gone";
    // What a save stores is what the form shows.
    ASSERT_TRUE(Run().EncodeImage());
    const FmValues stored = qav::DecodeImage(Run().state.WriteImage, ImageBinding::ContextOf(Run())).fm;
    EXPECT_EQ(stored.FmChannelFreq[0], "87.50");
    EXPECT_EQ(stored.FmChannelFreq[1], "");

    Run().MainWindow().MNFMset->trigger();
    EXPECT_EQ(shown(), loaded);
    editEverything("90.1", "88.8", 0, 1, "7");
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_FALSE(form->IsShown());
    EXPECT_EQ(Fm().FmChannelFreq[0], "");
    EXPECT_EQ(Fm().FmChannelFreq[1], "90.10");
    EXPECT_EQ(Fm().FmChannelFreq[2], "101.60");
    EXPECT_EQ(Fm().FmDisplayMode, 0);
    EXPECT_EQ(Fm().FmStep, 1);
    EXPECT_EQ(Fm().FmFrequency, "88.80");
    EXPECT_EQ(Fm().FmChannelNo, 7);

    // Cancel goes back to the last OK, not to what the form loaded.
    Run().MainWindow().MNFMset->trigger();
    editEverything("100.5", "", 1, 2, "9");
    ClickCell(3);
    QTest::keyClicks(form->Text1, "5");  // an edit still open
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_EQ(shown(), (QStringList{"", "90.10", "101.60", "88.80", "0", "1", "7"}));
    EXPECT_EQ(Fm().FmChannelFreq[2], "101.60");
}

TEST_F(Form5Test, MessageLineGoesWhenWhatItSpokeOfIsGone) {
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"shown again",
         [this] {
             form->SubWindow()->close();
             Run().MainWindow().MNFMset->trigger();
         }},
        {"cancelled",
         [this] {
             QTest::mouseClick(form->Command2, Qt::LeftButton);
             Run().MainWindow().MNFMset->trigger();
         }},
        {"refilled by a decode", [this] { Run().DecodeImage(); }},
        {"another language", [this] { Run().MainWindow().MNChineseJ_Click(); }},
        {"the same language again", [this] { Run().MainWindow().MNEnglish_Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Run().MainWindow().MNEnglish_Click();
        EnterIntoCell(5, "200");
        ASSERT_TRUE(form->Label2->isVisible());
        c.act();
        ASSERT_TRUE(form->IsShown());
        EXPECT_FALSE(form->Label2->isVisible());
    }
}

TEST_F(Form5Test, OkCommitsAnOpenCellEditAndNeverStoresAListWithoutItem) {
    // A display mode typed over and left for OK: the list puts its item back.
    form->Combo1[1]->SetFocus();
    form->Combo1[1]->lineEdit()->selectAll();
    QTest::keyClicks(form->Combo1[1]->lineEdit(), "Neither");
    ClickCell(4);
    QTest::keyClicks(form->Text1, "95");
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(Fm().FmChannelFreq[3], "95.00") << "the open edit was committed first";
    EXPECT_EQ(form->Combo1[1]->Text(), form->Combo1[1]->List(1));
    EXPECT_EQ(Fm().FmDisplayMode, 1);
}

TEST_F(Form5Test, CaptionsOfBothLanguagesAndEveryFieldWhole) {
    struct Expected {
        QWidget* control;
        const char* simplified;
        const char* english;
    };
    const Expected rows[] = {
        {form->Label1[3], "频率模式(频率):", "FrequencyMode(Frequency):"},
        {form->Label1[0], "当前收音机工作频道:", "Present Channel:"},
        {form->Label1[1], "显示模式:", "Reveal Mode:"},
        {form->Label1[2], "收音机步进频率:", "FM Step Frequency:"},
        {form->Command1, "确定", "OK"},
        {form->Command2, "取消", "Cancel"},
    };
    for (const int language : {0, 1}) {
        SCOPED_TRACE(language);
        if (language == 0)
            Run().MainWindow().MNChineseJ_Click();
        else
            Run().MainWindow().MNEnglish_Click();
        const auto pick = [language](const char* simplified, const char* english) {
            return QString::fromUtf8(language == 0 ? simplified : english);
        };
        for (const Expected& row : rows) {
            const auto* label = qobject_cast<QLabel*>(row.control);
            const QString caption =
                label ? label->text() : static_cast<VbCommandButton*>(row.control)->Caption();
            EXPECT_EQ(caption, pick(row.simplified, row.english)) << row.control->objectName().toStdString();
        }
        EXPECT_EQ(form->windowTitle(), pick("FM频道设置", "FM Channel Set"));
        EXPECT_EQ(form->Combo1[1]->List(0), pick("频道", "Channel"));
        EXPECT_EQ(form->Combo1[1]->List(1), pick("频率", "Frequency"));
        EXPECT_EQ(form->MSFGrid->TextMatrix(0, 0), pick("频道", "Channel"));
        EXPECT_EQ(form->MSFGrid->TextMatrix(0, 1), pick("频率(MHz)", "Frequency(MHz)"));
        const QStringList faults = LayoutFaults(*form);
        EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
        EXPECT_TRUE(form->SubWindow()->mdiArea()->viewport()->rect().contains(form->SubWindow()->geometry()))
            << "the whole window inside the main window's area";
        for (int col = 0; col < 2; ++col)
            EXPECT_GE(form->MSFGrid->columnWidth(col),
                      form->MSFGrid->PixelsForText(form->MSFGrid->TextMatrix(0, col)));
    }
    for (const CaptionRow& row : Qav750Captions()) {
        if (qstrcmp(row.form, "Form5") != 0 || *row.control == '\0') continue;
        EXPECT_NE(form->findChild<QObject*>(QString::fromLatin1(row.control)), nullptr) << row.control;
    }
}

TEST_F(Form5Test, WheelOverTheGridScrollsItOnceATurn) {
    ExpectEachTurnScrollsOnceAsQtDoes(form->MSFGrid);
}

TEST_F(Form5Test, ScrollingTheGridUnderTheCellEditorEndsTheEditAsLeavingItDoes) {
    MSFlexGrid* grid = form->MSFGrid;
    for (const GridScroller& s : WaysToScrollDown(grid)) {
        SCOPED_TRACE(s.what);
        grid->SetTopRow(1);
        user.TypeIntoCell(2, "95");
        s.scroll();
        EXPECT_GT(grid->TopRow(), 1) << "the grid scrolled";
        EXPECT_FALSE(form->Text1->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), grid);
        EXPECT_EQ(Cell(2), QString("95.00"));
        EXPECT_EQ(Cell(3), QString("101.60"));
        for (int channel = 4; channel <= 12; ++channel)
            EXPECT_EQ(Cell(channel), QString()) << "nothing landed in channel " << channel;
        grid->SetTextMatrix(2, Form5::kColFrequency, QString());
    }
}

TEST_F(Form5Test, MenuItemFollowsTheFmFunctionAndClosingOnlyHides) {
    QAction* menu = Run().MainWindow().MNFMset;
    EXPECT_TRUE(menu->isEnabled()) << "the FM function starts on";
    Run().forms.form3->Combo2->SetListIndex(0);
    EXPECT_FALSE(menu->isEnabled());
    Run().forms.form3->Combo2->SetListIndex(1);
    EnterIntoCell(6, "100");
    form->SubWindow()->close();
    EXPECT_FALSE(form->IsShown());
    menu->trigger();
    EXPECT_TRUE(form->IsShown());
    EXPECT_EQ(Cell(6), QString("100.00"));
}

}  // namespace
}  // namespace qav::test
