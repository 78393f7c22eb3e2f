#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <map>

#include "forms/MSFlexGrid.h"
#include "forms/MdiChildForm.h"
#include "lang/ModuleStringJorF.h"
#include "winsupport/VbCheckBox.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTabStrip.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

QString U(const char* text) {
    return QString::fromUtf8(text);
}

// A mapping from a table of whole texts; a text it does not hold comes back as it was.
TraditionalMapping TableMapping(std::map<std::string, std::string> table, int* calls = nullptr) {
    return [table = std::move(table), calls](const std::string& text) -> std::optional<std::string> {
        if (calls != nullptr) ++*calls;
        const auto found = table.find(text);
        return found == table.end() ? text : found->second;
    };
}

TEST(ToTraditionalTest, ConvertsCharacterForCharacterKeepingAsciiAsItIs) {
    struct Case {
        const char* text;
        const char* traditional;
    };
    const Case cases[] = {
        {"", ""},
        {"DTMF(&D)", "DTMF(&D)"},            // no Chinese character at all
        {"136-174MHz", "136-174MHz"},        //
        {"文件(&F)", "文件(&F)"},            // the access key stays
        {"读频(&R)", "讀頻(&R)"},            //
        {"中文简体(&CJ)", "中文簡體(&CJ)"},  //
        {"VOX增益电平:", "VOX增益電平:"},    // ASCII inside the text
        {"VOX延迟时间(秒):", "VOX延遲時間(秒):"},
        {"扰音功能开关;", "擾音功能開關;"},
        {"ANI开始码：", "ANI開始碼："},  // full-width colon
        {"+异频", "+異頻"},
        // Texts that hold their own Traditional literals, which are plain
        // conversions of their Simplified ones.
        {"繁体中文版 V1.00", "繁體中文版 V1.00"},
        {"读频成功！", "讀頻成功！"},
        {"写频成功！", "寫頻成功！"},
        {"关闭", "關閉"},
        {"错误", "錯誤"},
        {"串行端口无效", "串行端口無效"},
    };
    const ModuleStringJorF strings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString converted = strings.ToTraditional(U(c.text));
        EXPECT_EQ(converted, U(c.traditional));
        EXPECT_EQ(converted.size(), U(c.text).size());
    }
}

TEST(ToTraditionalTest, LiteralsWithTheirOwnVocabularyAreNotCharacterConversions) {
    // These messages and titles hold Traditional literals in other words (or
    // with another character for the same one); a caption conversion gives the
    // character conversion, which is why messages keep their literals.
    struct Case {
        const char* text;
        const char* converted;
        const char* literal;
    };
    const Case cases[] = {
        {"文件类型不正确！", "文件類型不正確！", "檔案類型不正確！"},
        {"确定退出本程序？", "確定退出本程序？", "確定退出本程式？"},
        {"未保存的更改将全部丢失！", "未保存的更改將全部丟失！", "未儲存的更改將全部丟失！"},
        {"改变频段将清除频道列表，确定吗？", "改變頻段將清除頻道列表，確定嗎？",
         "改變頻段將清除頻道清單，確定嗎？"},
        {"频段不符，是否强制写入？", "頻段不符，是否強制寫入？", "頻段不符，是否強製寫入？"},
        {"编程数据打印", "編程數據打印", "編程數據列印"},
    };
    const ModuleStringJorF strings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strings.ToTraditional(U(c.text)), U(c.converted));
        EXPECT_NE(strings.ToTraditional(U(c.text)), U(c.literal));
    }
}

TEST(ToTraditionalTest, KeepsEveryCharacterInItsPlaceWhateverTheMappingDoes) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> table;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"a phrase that grows falls back to single characters",
         {{"头发(&H)", "頭頭髮(&H)"}, {"头", "頭"}, {"发", "發"}},
         "头发(&H)",
         "頭發(&H)"},
        {"a phrase that shrinks falls back as well",
         {{"头发", "髮"}, {"头", "頭"}, {"发", "發"}},
         "头发",
         "頭發"},
        {"a character that becomes two stays as it was",
         {{"头发", "頭髮髮"}, {"头", "頭"}, {"发", "髮髮"}},
         "头发",
         "頭发"},
        {"ASCII changed by the mapping comes back as it was",
         {{"读频(&R)", "讀頻（＆Ｒ）"}},
         "读频(&R)",
         "讀頻(&R)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ModuleStringJorF(TableMapping(c.table)).ToTraditional(U(c.text)), U(c.expected));
    }
}

TEST(ToTraditionalTest, AFailingMappingLeavesTheTextUnchanged) {
    int calls = 0;
    const ModuleStringJorF failing([&calls](const std::string&) -> std::optional<std::string> {
        ++calls;
        return std::nullopt;
    });
    EXPECT_EQ(failing.ToTraditional(U("读频(&R)")), U("读频(&R)"));
    EXPECT_EQ(failing.ToTraditional(QString()), QString());
    EXPECT_EQ(calls, 1) << "a text without Chinese characters is not even looked up";
}

// A form with one control of every kind, and a form held inside it.
class ConvertFormTest : public ::testing::Test {
  protected:
    ConvertFormTest() {
        window.setWindowTitle(U("信道编辑"));
        QMenu* menu = window.menuBar()->addMenu(U("编辑(&E)"));
        menuItem = menu->addAction(U("读频(&R)"));
        bareItem = window.menuBar()->addAction(U("通信端口(&C)"));
        toolbar = window.addToolBar(QString());
        toolbar->setToolTip(U("工具栏"));
        toolButton = toolbar->addAction(QString());
        toolButton->setToolTip(U("读频"));
        window.statusBar()->addWidget(status = new QLabel(U("端口")));

        auto* client = new QWidget(&window);
        window.setCentralWidget(client);
        auto* column = new QVBoxLayout(client);
        column->addWidget(label = new QLabel(U("频段"), client));
        frame = new QGroupBox(U("全频频率"), client);
        column->addWidget(frame);
        auto* inFrame = new QVBoxLayout(frame);
        inFrame->addWidget(check = new VbCheckBox(frame));
        check->SetCaption(U("允许取消操作"));
        inFrame->addWidget(option = new VbOptionButton(frame));
        option->SetCaption(U("功能设置"));
        column->addWidget(button = new VbCommandButton(client));
        button->SetCaption(U("确定"));
        column->addWidget(list = new VbComboBox(client));
        for (const char* item : {"关闭", "打开", "60S"}) list->AddItem(U(item));
        list->SetListIndex(1);
        column->addWidget(text = new VbTextBox(client));
        text->setText(U("频道"));
        column->addWidget(tabs = new VbTabStrip(client));
        tabs->Add(1, "hpGrade", U("高功率等级"));
        column->addWidget(grid = new MSFlexGrid(client));
        grid->SetCols(2);
        grid->SetRows(2);
        grid->SetTextMatrix(0, 0, U("频道"));
        grid->SetTextMatrix(0, 1, U("频率(MHz)"));
        grid->SetTextMatrix(1, 1, U("频率"));
        column->addWidget(inner = new MdiChildForm(client));
        innerLabel = new QLabel(U("频段"), inner);
    }

    QMainWindow window;
    QAction* menuItem = nullptr;
    QAction* bareItem = nullptr;
    QToolBar* toolbar = nullptr;
    QAction* toolButton = nullptr;
    QLabel* status = nullptr;
    QLabel* label = nullptr;
    QGroupBox* frame = nullptr;
    VbCheckBox* check = nullptr;
    VbOptionButton* option = nullptr;
    VbCommandButton* button = nullptr;
    VbComboBox* list = nullptr;
    VbTextBox* text = nullptr;
    VbTabStrip* tabs = nullptr;
    MSFlexGrid* grid = nullptr;
    MdiChildForm* inner = nullptr;
    QLabel* innerLabel = nullptr;
};

TEST_F(ConvertFormTest, ConvertsTheCaptionKindsAndLeavesEveryOtherTextAlone) {
    int listClicks = 0;
    QObject::connect(list, &VbComboBox::Click, [&] { ++listClicks; });
    ModuleStringJorF().ConvertFormToTraditional(window);

    struct Expected {
        const char* what;
        QString actual;
        const char* text;
    };
    const Expected rows[] = {
        {"menu", window.menuBar()->actions().at(0)->text(), "編輯(&E)"},
        {"menu item", menuItem->text(), "讀頻(&R)"},
        {"item on the menu bar", bareItem->text(), "通信端口(&C)"},
        {"toolbar tip", toolbar->toolTip(), "工具欄"},
        {"label", label->text(), "頻段"},
        {"frame", frame->title(), "全頻頻率"},
        {"check box", check->Caption(), "允許取消操作"},
        {"option button", option->Caption(), "功能設置"},
        {"command button", button->Caption(), "確定"},
        {"list item 0", list->List(0), "關閉"},
        {"list item 1", list->List(1), "打開"},
        {"list item 2", list->List(2), "60S"},
        {"grid header 0", grid->TextMatrix(0, 0), "頻道"},
        {"grid header 1", grid->TextMatrix(0, 1), "頻率(MHz)"},
        // left alone
        {"form caption", window.windowTitle(), "信道编辑"},
        {"toolbar button tip", toolButton->toolTip(), "读频"},
        {"status bar", status->text(), "端口"},
        {"text box", text->text(), "频道"},
        {"tab caption", tabs->Caption(1), "高功率等级"},
        {"grid cell", grid->TextMatrix(1, 1), "频率"},
        {"a form held inside", innerLabel->text(), "频段"},
    };
    for (const Expected& row : rows) EXPECT_EQ(row.actual, U(row.text)) << row.what;
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(listClicks, 0) << "converting the items chooses nothing";
}

}  // namespace
}  // namespace qav
