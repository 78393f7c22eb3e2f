#include "winsupport/VbComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>

#include "winsupport/KeyFilteredLineEdit.h"

namespace qav {

VbComboBox::VbComboBox(QWidget* parent, Style style) : QComboBox(parent) {
    if (style == Style::DropDownCombo) {
        auto* edit = new KeyFilteredLineEdit(this);
        setLineEdit(edit);
        setInsertPolicy(QComboBox::NoInsert);  // typing never adds items
        setCompleter(nullptr);
        connect(edit, &KeyFilteredLineEdit::KeyPress, this, &VbComboBox::KeyPress);
        connect(edit, &QLineEdit::textEdited, this, &VbComboBox::Change);
    }
    connect(this, &QComboBox::activated, this, [this] {
        const bool wasByUser = clickByUser_;
        clickByUser_ = true;
        emit Click();
        clickByUser_ = wasByUser;
    });
}

int VbComboBox::ListIndex() const {
    if (!isEditable()) return currentIndex();
    const QString typed = currentText();
    if (currentIndex() >= 0 && itemText(currentIndex()) == typed) return currentIndex();
    return findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

bool VbComboBox::SetListIndex(int index) {
    if (index < -1 || index >= count()) return false;
    setCurrentIndex(index);
    if (index == -1 && isEditable()) setEditText(QString());
    // A handler answering the user's choice may set the list itself: that
    // Click is the code's.
    const bool wasByUser = clickByUser_;
    clickByUser_ = false;
    emit Click();
    clickByUser_ = wasByUser;
    return true;
}

void VbComboBox::AddItem(const QString& text) {
    const int selected = currentIndex();
    addItem(text);
    if (selected == -1 && currentIndex() != -1) setCurrentIndex(-1);
}

bool VbComboBox::SetList(int index, const QString& text) {
    if (index == count()) {
        AddItem(text);
        return true;
    }
    if (index < 0 || index > count()) return false;
    setItemText(index, text);
    return true;
}

bool VbComboBox::SetText(const QString& text) {
    if (isEditable()) {
        setEditText(text);
        emit Change();
        return true;
    }
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return false;
    return SetListIndex(index);
}

void VbComboBox::showPopup() {
    emit DropDown();
    QComboBox::showPopup();
}

void VbComboBox::RaiseLostFocus() {
    if (keepsItemOnLeave_ && isEditable()) TakeTypedTextAsItem();
    emit LostFocus();
}

void VbComboBox::TakeTypedTextAsItem() {
    const int typed = ListIndex();
    if (typed == -1) {
        const int chosen = currentIndex();
        setEditText(chosen >= 0 ? itemText(chosen) : QString());
    } else if (typed != currentIndex()) {
        SetListIndex(typed);
    }
}

void VbComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    FocusTracker::FocusIn(this);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit GotFocus();
}

void VbComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Opening the list hands Qt's focus to the list, but the control still
    // holds it as far as its handlers are concerned: choosing in its own list
    // is no loss of focus.
    const QWidget* list = view()->window();
    const QWidget* now = QApplication::focusWidget();
    if (now != nullptr && (now == list || list->isAncestorOf(now))) return;
    FocusTracker::FocusOut(this, event->reason());
}

}  // namespace qav
