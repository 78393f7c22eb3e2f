#include "winsupport/VbTextBox.h"

#include <QFocusEvent>

namespace qav {

VbTextBox::VbTextBox(QWidget* parent) : KeyFilteredLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &VbTextBox::Change);
}

void VbTextBox::SetText(const QString& value) {
    setText(value);
    emit Change();
}

void VbTextBox::focusInEvent(QFocusEvent* event) {
    KeyFilteredLineEdit::focusInEvent(event);
    FocusTracker::FocusIn(this);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit GotFocus();
}

void VbTextBox::focusOutEvent(QFocusEvent* event) {
    KeyFilteredLineEdit::focusOutEvent(event);
    FocusTracker::FocusOut(this, event->reason());
}

}  // namespace qav
