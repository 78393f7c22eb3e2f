#include "winsupport/KeyFilteredLineEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

namespace qav {

KeyFilteredLineEdit::KeyFilteredLineEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);  // dropped text would bypass the filter
}

void KeyFilteredLineEdit::SetTypingLimit(int length) {
    typingLimit_ = length < 0 ? 0 : length;
}

bool KeyFilteredLineEdit::RoomForOneMore() const {
    return typingLimit_ == 0 || text().size() - selectedText().size() < typingLimit_;
}

int KeyFilteredLineEdit::Filter(int keyAscii) {
    emit KeyPress(keyAscii);
    return keyAscii;
}

void KeyFilteredLineEdit::InsertFiltered(const QString& text) {
    QPointer<KeyFilteredLineEdit> self(this);
    const QList<uint> codes = text.toUcs4();
    for (const uint code : codes) {
        const int key = Filter(static_cast<int>(code));
        if (!self) return;
        if (key == 0 || key == 13 || key == 27) continue;
        if (key == 8) {
            backspace();
            continue;
        }
        // The key was still offered to the handler, as a box that is full
        // still raises KeyPress; only the character stays out.
        if (!RoomForOneMore()) continue;
        const char32_t character = static_cast<char32_t>(key);
        insert(QString::fromUcs4(&character, 1));
    }
}

void KeyFilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        InsertFiltered(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    int key = 0;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = 13;
            break;
        case Qt::Key_Backspace:
            key = 8;
            break;
        case Qt::Key_Escape:
            key = 27;
            break;
        default:
            break;
    }
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (key == 0 && (control || event->text().isEmpty() || !event->text().at(0).isPrint())) {
        QLineEdit::keyPressEvent(event);  // cursor movement, Delete, copy, undo ...
        return;
    }
    if (key != 0) {
        QPointer<KeyFilteredLineEdit> self(this);
        const int result = Filter(key);
        if (!self) return;
        if (result == key)
            QLineEdit::keyPressEvent(event);
        else if (result != 0)
            InsertFiltered(QString(QChar(result)));
        event->accept();
        return;
    }
    InsertFiltered(event->text());
    event->accept();
}

void KeyFilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (committed.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&rest);
    InsertFiltered(committed);
    event->accept();
}

void KeyFilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on X11.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        InsertFiltered(QApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void KeyFilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QPointer<QMenu> menu = createStandardContextMenu();
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this,
                [this] { InsertFiltered(QApplication::clipboard()->text()); });
    }
    menu->exec(event->globalPos());
    delete menu;
}

}  // namespace qav
