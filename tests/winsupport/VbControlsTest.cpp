#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "winsupport/FocusTracker.h"
#include "winsupport/VbCheckBox.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

TEST(VbComboBoxTest, SettingTheIndexRaisesClickAlsoWhenUnchangedAndRefusesOutOfRange) {
    VbComboBox combo;
    combo.AddItem("a");
    combo.AddItem("b");
    EXPECT_EQ(combo.ListIndex(), -1) << "adding items selects nothing";
    QSignalSpy clicks(&combo, &VbComboBox::Click);
    EXPECT_TRUE(combo.SetListIndex(1));
    EXPECT_TRUE(combo.SetListIndex(1));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(combo.SetListIndex(2));
    EXPECT_FALSE(combo.SetListIndex(-2));
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_TRUE(combo.SetListIndex(-1));
    EXPECT_EQ(combo.Text(), QString());
    EXPECT_EQ(clicks.count(), 3);
}

TEST(VbComboBoxTest, ListTextSelectsItsItemAndWritingOnePastTheEndAdds) {
    VbComboBox combo;
    for (int i = 0; i < 8; ++i) combo.AddItem(QString::number(i * 200));
    EXPECT_TRUE(combo.SetList(8, "1600"));
    EXPECT_FALSE(combo.SetList(10, "2000"));
    EXPECT_EQ(combo.ListCount(), 9);
    QSignalSpy clicks(&combo, &VbComboBox::Click);
    EXPECT_TRUE(combo.SetText("1600"));
    EXPECT_EQ(combo.ListIndex(), 8);
    EXPECT_FALSE(combo.SetText("no such item"));
    EXPECT_EQ(combo.ListIndex(), 8);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(VbComboBoxTest, EditableComboReportsNoIndexForATextOfItsOwn) {
    VbComboBox combo(nullptr, VbComboBox::Style::DropDownCombo);
    combo.AddItem("Empty");
    combo.AddItem("#");
    combo.SetListIndex(1);
    EXPECT_EQ(combo.ListIndex(), 1);
    combo.SetText("typed");
    EXPECT_EQ(combo.ListIndex(), -1);
    combo.SetText("Empty");
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(combo.ListCount(), 2) << "typing never adds items";
}

TEST(VbComboBoxTest, AnEditableComboKeepingItsItemPutsOneBackWhenLeft) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* keeping = new VbComboBox(nullptr, VbComboBox::Style::DropDownCombo);
    auto* plain = new VbComboBox(nullptr, VbComboBox::Style::DropDownCombo);
    auto* elsewhere = new VbTextBox;
    for (VbComboBox* combo : {keeping, plain}) {
        layout->addWidget(combo);
        combo->AddItem("Off");
        combo->AddItem("On");
        combo->SetListIndex(1);
    }
    layout->addWidget(elsewhere);
    keeping->SetKeepsItemOnLeave(true);
    QSignalSpy clicks(keeping, &VbComboBox::Click);

    for (VbComboBox* combo : {keeping, plain}) {
        combo->SetFocus();
        combo->SetText("typed");
        elsewhere->SetFocus();
    }
    EXPECT_EQ(keeping->ListIndex(), 1);
    EXPECT_EQ(keeping->Text(), QString("On"));
    EXPECT_EQ(clicks.count(), 0) << "the same item: nothing was chosen";
    EXPECT_EQ(plain->ListIndex(), -1) << "without it the typed text stays";

    keeping->SetFocus();
    keeping->SetText("Off");
    elsewhere->SetFocus();
    EXPECT_EQ(keeping->ListIndex(), 0);
    EXPECT_EQ(clicks.count(), 1) << "taking another item is a choice";
}

// Keeps digits only, as a frequency field does.
void DigitsOnly(int& key) {
    if ((key < '0' || key > '9') && key != 8) key = 0;
}

TEST(VbTextBoxTest, TypedAndPastedTextPassTheSameKeyFilter) {
    VbTextBox box;
    box.SetMaxLength(6);
    QObject::connect(&box, &VbTextBox::KeyPress, &DigitsOnly);
    box.show();
    QTest::keyClicks(&box, "4a3.5 ");
    EXPECT_EQ(box.Text(), QString("435"));

    QApplication::clipboard()->setText("12x34567\n89");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QString("435123")) << "filtered and cut at the length limit";

    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.Text(), QString("43512"));
}

TEST(VbTextBoxTest, MaxLengthStopsWhatIsTypedOrPastedButNeverCutsATextSetFromCode) {
    struct Case {
        const char* what;
        QString start;     // set from code
        int selectFrom;    // -1: no selection, the cursor at the end
        int selectLength;  //
        QString typed;     // typed key by key, or pasted
        bool pasted;
        QString expected;
        int keyPresses;  // every character is offered to the handler, fitting or not
    };
    const Case cases[] = {
        {"typing stops at the limit", "", -1, 0, "1234567", false, "123456", 7},
        {"pasting stops at the limit", "AB", -1, 0, "CDEFGH", true, "ABCDEF", 6},
        {"a longer text from code stays whole", "ABCDEFGH", -1, 0, "", false, "ABCDEFGH", 0},
        {"and takes no typed character", "ABCDEFGH", -1, 0, "X", false, "ABCDEFGH", 1},
        {"nor a pasted one", "ABCDEFGH", -1, 0, "XY", true, "ABCDEFGH", 2},
        {"typing over all of it", "ABCDEFGH", 0, 8, "xyz", false, "xyz", 3},
        {"typing over too little of it changes nothing", "ABCDEFGH", 2, 1, "x", false, "ABCDEFGH", 1},
        {"typing over part of a full box", "ABCDEF", 1, 2, "xyz", false, "AxyDEF", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        VbTextBox box;
        box.SetMaxLength(6);
        box.show();
        int keyPresses = 0;
        QObject::connect(&box, &VbTextBox::KeyPress, [&keyPresses](int&) { ++keyPresses; });
        box.SetText(c.start);
        EXPECT_EQ(box.Text(), c.start);
        if (c.selectFrom >= 0) box.setSelection(c.selectFrom, c.selectLength);
        if (c.pasted) {
            QApplication::clipboard()->setText(c.typed);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(&box, c.typed);
        }
        EXPECT_EQ(box.Text(), c.expected);
        EXPECT_EQ(keyPresses, c.keyPresses);
    }

    // Deleting from an over-long text works as ever, and the limit holds again below it.
    VbTextBox box;
    box.SetMaxLength(6);
    box.show();
    box.SetText("ABCDEFGH");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, "XY");
    EXPECT_EQ(box.Text(), QString("ABCDEX"));
    EXPECT_EQ(box.MaxLength(), 6);
}

TEST(VbTextBoxTest, KeyPressCanChangeTheCharacter) {
    VbTextBox box;
    QObject::connect(&box, &VbTextBox::KeyPress, [](int& key) {
        if (key >= 'a' && key <= 'z') key -= 32;
    });
    box.show();
    QTest::keyClicks(&box, "ab1");
    EXPECT_EQ(box.Text(), QString("AB1"));
}

TEST(VbTextBoxTest, SettingTheTextRaisesChange) {
    VbTextBox box;
    QSignalSpy changes(&box, &VbTextBox::Change);
    box.SetText("x");
    box.SetText("x");
    EXPECT_EQ(changes.count(), 2);
}

TEST(FocusTrackerTest, GivingTheFocusRaisesLostFocusAtOnceEvenInAnInactiveWindow) {
    QWidget window;  // never shown, so never active
    auto* layout = new QVBoxLayout(&window);
    auto* first = new VbTextBox;
    auto* second = new VbComboBox;
    layout->addWidget(first);
    layout->addWidget(second);
    QSignalSpy lost(first, &VbTextBox::LostFocus);
    first->SetFocus();
    EXPECT_EQ(lost.count(), 0);
    second->SetFocus();
    EXPECT_EQ(lost.count(), 1);
    EXPECT_EQ(FocusTracker::Current(), second);
    second->SetFocus();
    EXPECT_EQ(lost.count(), 1);
}

TEST(FocusTrackerTest, MovingTheFocusInAnActiveWindowRaisesLostFocusOnce) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new VbTextBox;
    auto* second = new VbTextBox;
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->SetFocus();
    QSignalSpy lost(first, &VbTextBox::LostFocus);
    second->setFocus(Qt::MouseFocusReason);  // as a click does
    EXPECT_EQ(lost.count(), 1);
    second->SetFocus();
    first->SetFocus();
    EXPECT_EQ(lost.count(), 1);
}

TEST(FocusTrackerTest, CommittingTheCurrentControlRaisesLostFocusOnce) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* typing = new VbTextBox;
    auto* other = new VbTextBox;
    layout->addWidget(typing);
    layout->addWidget(other);
    QSignalSpy lost(typing, &VbTextBox::LostFocus);
    typing->SetFocus();
    FocusTracker::CommitCurrent();
    EXPECT_EQ(lost.count(), 1);
    EXPECT_EQ(FocusTracker::Current(), nullptr);
    other->SetFocus();
    FocusTracker::CommitCurrent();
    EXPECT_EQ(lost.count(), 1);
}

TEST(FocusTrackerTest, OpeningAComboListIsNoLossOfFocusChoosingElsewhereIs) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* combo = new VbComboBox;
    auto* other = new VbTextBox;
    combo->AddItem("a");
    combo->AddItem("b");
    layout->addWidget(combo);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    combo->SetFocus();
    QSignalSpy lost(combo, &VbComboBox::LostFocus);
    combo->OpenList();
    ASSERT_TRUE(combo->view()->isVisible());
    EXPECT_EQ(lost.count(), 0);
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    EXPECT_EQ(lost.count(), 0);
    other->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(lost.count(), 1);
}

TEST(VbButtonsTest, ValueFromCodeRaisesClick) {
    VbCheckBox check;
    QSignalSpy checkClicks(&check, &VbCheckBox::Click);
    check.SetValue(1);
    check.SetValue(1);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(checkClicks.count(), 2);

    QWidget group;
    auto* a = new VbOptionButton(&group);
    auto* b = new VbOptionButton(&group);
    QSignalSpy aClicks(a, &VbOptionButton::Click);
    a->SetValue(true);
    b->SetValue(true);
    EXPECT_FALSE(a->Value());
    b->SetValue(false);
    EXPECT_FALSE(b->Value());
    EXPECT_EQ(aClicks.count(), 1);
}

}  // namespace
}  // namespace qav
