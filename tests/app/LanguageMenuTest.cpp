#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "lang/OpenCCConverter.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTabStrip.h"

namespace qav::test {
namespace {

QString U(const char* text) {
    return QString::fromUtf8(text);
}

enum Item { Simplified, English, Traditional };

class LanguageMenuTest : public ProgramFixture {
  protected:
    // Chooses an item of Language Select as the user does.
    void Choose(Item item) {
        MDIForm1& mdi = Run().MainWindow();
        QAction* action = item == Simplified ? mdi.MNChineseJ
                          : item == English  ? mdi.MNEnglish
                                             : mdi.MNChineseF;
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }

    // Every text of every control on the main window and the editing forms, in
    // the order of the controls: what the user can read anywhere.
    QStringList AllTexts() {
        QStringList texts;
        for (QObject* control : Run().MainWindow().findChildren<QObject*>()) {
            if (auto* action = qobject_cast<QAction*>(control))
                texts << action->text() << action->toolTip();
            else if (auto* label = qobject_cast<QLabel*>(control))
                texts << label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                texts << button->text();
            else if (auto* frame = qobject_cast<QGroupBox*>(control))
                texts << frame->title();
            else if (auto* list = qobject_cast<QComboBox*>(control))
                for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
            else if (auto* grid = qobject_cast<MSFlexGrid*>(control))
                for (int c = 0; c < grid->Cols(); ++c) texts << grid->TextMatrix(0, c);
            else if (auto* form = qobject_cast<QWidget*>(control); form && !form->windowTitle().isEmpty())
                texts << form->windowTitle();
        }
        return texts;
    }

    // Channel 1: receive tone off, high power, wide band; channel 128 as well;
    // channel 2 without a receive frequency but with a name left in grid and tables.
    void PutChannels() {
        ChannelTables& tables = Run().state.channels;
        Form1& form1 = *Run().forms.form1;
        for (int ch : {0, 127}) {
            tables.ChannelFreq(ch, 0) = "430.12500";
            tables.ChannelFreq(ch, 1) = "435.00000";
            tables.ChannelOptions(ch, 0) = 0;
            tables.ChannelOptions(ch, 1) = 1;  // 67.0
            tables.ChannelOptions(ch, 2) = 1;  // high power
            tables.ChannelOptions(ch, 5) = 1;  // wide band
        }
        tables.ChannelName(1) = "OLD";
        form1.Grid1->SetTextMatrix(2, Form1::kColName, "OLD");
        form1.Grid1->SetTextMatrix(2, Form1::kColReceiveTone, U("关闭"));
    }
};

TEST_F(LanguageMenuTest, TraditionalIsTheConvertedSimplifiedSetFromSimplifiedAndFromEnglish) {
    ProgramRun& run = Start();  // in English
    const QStringList fromEnglishStart = [&] {
        Choose(Traditional);
        return AllTexts();
    }();
    EXPECT_EQ(run.state.Language, 2);
    Discard();

    ProgramRun& second = Start();
    Choose(Simplified);
    Choose(Traditional);
    EXPECT_EQ(AllTexts(), fromEnglishStart) << "English passes through the Simplified captions first";

    MDIForm1& mdi = second.MainWindow();
    Form1& form1 = *second.forms.form1;
    Form3& form3 = *second.forms.form3;
    struct Expected {
        const char* what;
        QString actual;
        const char* text;
    };
    const Expected rows[] = {
        {"menu", mdi.MNProgram->title(), "編程(&G)"},
        {"menu item", mdi.MNRead->text(), "讀頻(&R)"},
        {"menu item", mdi.MNChineseF->text(), "中文繁體(&CF)"},
        {"band label", mdi.Label1->text(), "頻段"},
        {"button", mdi.Command1->text(), "恢復出廠設置"},
        {"grid header", form1.Grid1->TextMatrix(0, 1), "接收頻率"},
        {"grid editor list", form1.Combo5(8)->List(1), "寬帶"},
        {"label", form3.Label19->text(), "發射超時:"},
        {"list", form3.Combo27->List(0), "窄帶"},
        {"time-out list", form3.Combo19->List(4), "60秒"},
        {"frame", second.forms.form4->Frame1[0]->Caption(), "高功率高段等級"},
        {"DTMF label", second.forms.form2->Label1[0]->text(), "第一組自動拔號存儲器"},
        {"FM button", second.forms.form5->Command1->text(), "確定"},
        // not of a converted kind
        {"window title", mdi.windowTitle(), "QAV-750 Pelorix V1.70"},
        {"form caption", form3.windowTitle(), "可选功能"},
        {"toolbar button tip", mdi.ToolbarButton(5)->toolTip(), "读频"},
        {"tab caption", second.forms.form4->TabStrip1->Caption(1), "高功率等级"},
    };
    for (const Expected& row : rows) EXPECT_EQ(row.actual, U(row.text)) << row.what;

    // Messages speak Traditional from their own texts.
    mdi.MNRead->trigger();
    ASSERT_FALSE(answerer.boxes.isEmpty());
    EXPECT_EQ(answerer.boxes.back().text, U("串行端口無效"));
}

TEST_F(LanguageMenuTest, TraditionalWhileTraditionalDoesNothing) {
    int conversions = 0;
    traditionalMapping = [&conversions, opencc = OpenCCConverter()](const std::string& text) mutable {
        ++conversions;
        return opencc(text);
    };
    ProgramRun& run = Start();
    Choose(Traditional);
    ASSERT_GT(conversions, 0);
    const int before = conversions;
    const QStringList texts = AllTexts();
    run.forms.form1->Grid1->SetTextMatrix(5, 1, "stale");  // channel 5 is empty: a redraw would clear it

    Choose(Traditional);
    EXPECT_EQ(conversions, before);
    EXPECT_EQ(AllTexts(), texts);
    EXPECT_EQ(run.forms.form1->Grid1->TextMatrix(5, 1), QString("stale")) << "no redraw";
}

TEST_F(LanguageMenuTest, LeavingTraditionalRewritesOnlyWhatTheCatalogueNames) {
    struct Case {
        Item item;
        const char* readItem;
        const char* bandLabel;
    };
    const Case cases[] = {
        {Simplified, "读频(&R)", "频段"},
        {English, "Read Data from the Transceive(&R)", "Frequency"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.readItem);
        ProgramRun& run = Start();
        VbLabel& unnamed = *run.forms.form3->Label4;  // a label the catalogue has no row for
        unnamed.SetCaption(U("呼叫音开关:"));
        Choose(Traditional);
        ASSERT_EQ(unnamed.Caption(), U("呼叫音開關:"));

        Choose(c.item);
        EXPECT_EQ(run.state.Language, c.item == Simplified ? 0 : 1);
        EXPECT_EQ(run.MainWindow().MNRead->text(), U(c.readItem));
        EXPECT_EQ(run.MainWindow().Label1->text(), U(c.bandLabel));
        EXPECT_EQ(unnamed.Caption(), U("呼叫音開關:")) << "stays converted until the next start";
        Discard();
    }
}

TEST_F(LanguageMenuTest, EveryChoiceRedrawsTheChannelsInTheNewLanguage) {
    ProgramRun& run = Start();
    PutChannels();
    MSFlexGrid& grid = *run.forms.form1->Grid1;
    struct Step {
        Item item;
        const char* off;
        const char* power;
        const char* bandwidth;
    };
    const Step steps[] = {
        {English, "Off", "High", "wide"},  // English again while English is active
        {Simplified, "关闭", "高", "宽带"}, {Traditional, "關閉", "高", "寬帶"},
        {English, "Off", "High", "wide"},   {Traditional, "關閉", "高", "寬帶"},
        {Simplified, "关闭", "高", "宽带"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.off);
        Choose(step.item);
        for (int row : {1, 128}) {
            EXPECT_EQ(grid.TextMatrix(row, Form1::kColReceive), QString("430.12500"));
            EXPECT_EQ(grid.TextMatrix(row, Form1::kColTransmit), QString("435.00000"));
            EXPECT_EQ(grid.TextMatrix(row, Form1::kColReceiveTone), U(step.off));
            EXPECT_EQ(grid.TextMatrix(row, Form1::kColTransmitTone), QString("67.0"));
            EXPECT_EQ(grid.TextMatrix(row, 5), U(step.power));
            EXPECT_EQ(grid.TextMatrix(row, 8), U(step.bandwidth));
        }
        // The empty channel is cleared, its name with it.
        EXPECT_EQ(grid.TextMatrix(2, Form1::kColName), QString());
        EXPECT_EQ(grid.TextMatrix(2, Form1::kColReceiveTone), QString());
        EXPECT_EQ(run.state.channels.ChannelName(1), "");
    }
}

TEST_F(LanguageMenuTest, TheChosenTimeoutSurvivesEverySwitch) {
    ProgramRun& run = Start();
    VbComboBox& timeout = *run.forms.form3->Combo19;
    timeout.SetListIndex(10);  // 150 seconds, as a read or an Open may have set it
    struct Step {
        Item item;
        const char* text;
    };
    for (const Step& step : {Step{Simplified, "150秒"}, Step{English, "150S"}, Step{English, "150S"},
                             Step{Traditional, "150秒"}, Step{Simplified, "150秒"}}) {
        SCOPED_TRACE(step.text);
        Choose(step.item);
        EXPECT_EQ(timeout.ListIndex(), 10);
        EXPECT_EQ(timeout.Text(), U(step.text));
    }
}

TEST_F(LanguageMenuTest, WithoutAConversionEveryCaptionStaysReadable) {
    traditionalMapping = [](const std::string&) { return std::optional<std::string>(); };
    ProgramRun& run = Start();
    PutChannels();
    Choose(Traditional);
    EXPECT_EQ(run.state.Language, 2);
    EXPECT_EQ(run.MainWindow().MNRead->text(), U("读频(&R)")) << "the Simplified caption, not blanks";
    EXPECT_EQ(run.forms.form3->Label19->text(), U("发射超时:"));
    EXPECT_EQ(run.forms.form1->Grid1->TextMatrix(1, 8), U("宽带"));
}

}  // namespace
}  // namespace qav::test
