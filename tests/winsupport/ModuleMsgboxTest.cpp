#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "winsupport/ModuleMsgbox.h"

namespace qav {
namespace {

// Shows the real box and presses a key on it, as the user would.
class KeyPresser : public MessageAnswerer {
  public:
    explicit KeyPresser(Qt::Key key) : key_(key) {}
    int Answer(QMessageBox& box, const MessageRecord& record) override {
        seen = record;
        QTimer::singleShot(0, &box, [&box, this] { QTest::keyClick(&box, key_); });
        box.exec();
        icon = box.icon();
        return box.clickedButton() ? box.clickedButton()->property("qavButtonId").toInt() : 0;
    }
    MessageRecord seen;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

  private:
    Qt::Key key_;
};

TEST(ModuleMsgboxTest, ButtonsCarryTheCaptionsOfTheLanguage) {
    struct Case {
        int language;
        int style;
        QMap<int, QString> buttons;
    };
    const Case cases[] = {
        {0, ConfirmStyle, {{IDOK, "确定"}, {IDCANCEL, "取消"}}},
        {1, ConfirmStyle, {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}},
        {0, MB_ICONERROR, {{IDOK, "确定"}}},
        {1, MB_OK, {{IDOK, "OK"}}},
        {0, MB_YESNOCANCEL, {{IDYES, "是"}, {IDNO, "否"}, {IDCANCEL, "取消"}}},
        {0, MB_ABORTRETRYIGNORE, {{IDABORT, "放弃"}, {IDRETRY, "重试"}, {IDIGNORE, "忽略"}}},
    };
    for (const Case& c : cases) {
        int language = c.language;
        ModuleMsgbox msgbox(language, "QAV-750");
        KeyPresser presser(Qt::Key_Return);
        msgbox.SetAnswerer(&presser);
        msgbox.ShowMessage("text", c.style, "title");
        EXPECT_EQ(presser.seen.buttons, c.buttons) << "language " << c.language << " style " << c.style;
    }
}

TEST(ModuleMsgboxTest, TraditionalKeepsTheToolkitCaptions) {
    int language = 2;
    ModuleMsgbox msgbox(language, "QAV-750");
    KeyPresser presser(Qt::Key_Return);
    msgbox.SetAnswerer(&presser);
    msgbox.ShowMessage("text", ConfirmStyle, "title");
    ASSERT_EQ(presser.seen.buttons.size(), 2);
    EXPECT_NE(presser.seen.buttons.value(IDOK), QString("确定"));
    EXPECT_FALSE(presser.seen.buttons.value(IDOK).isEmpty());
    EXPECT_TRUE(ModuleMsgbox::ButtonCaptions(2).isEmpty());
}

// A program with a Traditional column captions Traditional boxes itself; any
// value outside the three languages still keeps the toolkit's captions.
TEST(ModuleMsgboxTest, TraditionalColumnWhereTheProgramHasOne) {
    struct Case {
        int language;
        int style;
        QMap<int, QString> buttons;  // empty: the toolkit's captions
    };
    const Case cases[] = {
        {2, ConfirmStyle, {{IDOK, "確定"}, {IDCANCEL, "取消"}}},
        {2, MB_ABORTRETRYIGNORE, {{IDABORT, "放棄"}, {IDRETRY, "重試"}, {IDIGNORE, "忽略"}}},
        {2, MB_YESNO, {{IDYES, "是"}, {IDNO, "否"}}},
        {0, MB_ABORTRETRYIGNORE, {{IDABORT, "放弃"}, {IDRETRY, "重试"}, {IDIGNORE, "忽略"}}},
        {1, ConfirmStyle, {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}},
        {3, ConfirmStyle, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << c.language << " style " << c.style);
        int language = c.language;
        ModuleMsgbox msgbox(language, "QAV-730");
        msgbox.SetTraditionalButtons(true);
        KeyPresser presser(Qt::Key_Return);
        msgbox.SetAnswerer(&presser);
        msgbox.ShowMessage("text", c.style, "title");
        if (c.buttons.isEmpty()) {
            ModuleMsgbox plain(language, "QAV-750");
            KeyPresser toolkit(Qt::Key_Return);
            plain.SetAnswerer(&toolkit);
            plain.ShowMessage("text", c.style, "title");
            EXPECT_EQ(presser.seen.buttons, toolkit.seen.buttons);
        } else {
            EXPECT_EQ(presser.seen.buttons, c.buttons);
        }
    }
}

TEST(ModuleMsgboxTest, EmptyTitleBecomesTheProgramTitleInTheCallersVariable) {
    int language = 1;
    ModuleMsgbox msgbox(language, "QAV-750");
    KeyPresser presser(Qt::Key_Return);
    msgbox.SetAnswerer(&presser);
    QString text = "The serial port is invalid";
    QString title;
    int style = MB_OK;
    EXPECT_EQ(msgbox.ShowMessage(text, style, title), IDOK);
    EXPECT_EQ(title, QString("QAV-750"));
    EXPECT_EQ(presser.seen.title, QString("QAV-750"));
}

TEST(ModuleMsgboxTest, EnterOnAConfirmationGivesCancel) {
    int language = 0;
    ModuleMsgbox msgbox(language, "QAV-750");
    KeyPresser presser(Qt::Key_Return);
    msgbox.SetAnswerer(&presser);
    EXPECT_EQ(msgbox.ShowMessage("确定吗？", ConfirmStyle, "注意"), IDCANCEL);
    EXPECT_EQ(presser.seen.defaultButton, IDCANCEL);
    EXPECT_EQ(presser.icon, QMessageBox::Question);
}

TEST(ModuleMsgboxTest, StyleSelectsTheIcon) {
    const std::pair<int, QMessageBox::Icon> cases[] = {
        {MB_OK, QMessageBox::NoIcon},
        {MB_ICONERROR, QMessageBox::Critical},
        {MB_ICONEXCLAMATION, QMessageBox::Warning},
        {MB_ICONINFORMATION, QMessageBox::Information},
    };
    for (const auto& [style, icon] : cases) {
        int language = 1;
        ModuleMsgbox msgbox(language, "QAV-750");
        KeyPresser presser(Qt::Key_Return);
        msgbox.SetAnswerer(&presser);
        EXPECT_EQ(msgbox.ShowMessage("x", style, "t"), IDOK);
        EXPECT_EQ(presser.icon, icon) << style;
    }
}

}  // namespace
}  // namespace qav
