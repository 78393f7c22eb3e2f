#pragma once
// A line edit whose every character, typed, pasted or composed by an input
// method, passes through one KeyPress handler first, which may change it or
// discard it (set the key code to 0). So what a field's filter refuses cannot
// reach it by the clipboard either.
//
// The typing limit works on that same path: it stops what the user types,
// pastes or composes once the text has that many characters, but a text set
// from code is kept whole, however long. (Qt's own maximum length would cut
// such a text, and a field showing data read from elsewhere must show all of
// it.)

#include <QLineEdit>

namespace qav {

class KeyFilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit KeyFilteredLineEdit(QWidget* parent = nullptr);

    // Inserts text at the cursor as if each character were typed.
    void InsertFiltered(const QString& text);

    // The most characters the user can bring the text to; 0: no limit.
    int TypingLimit() const { return typingLimit_; }
    void SetTypingLimit(int length);

  signals:
    // keyAscii: the character code (13 Enter, 8 Backspace, 27 Escape); set it to
    // 0 to discard the key, or to another code to insert that instead.
    void KeyPress(int& keyAscii);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Runs the handler for one key; returns the code to apply, 0 for none.
    int Filter(int keyAscii);
    // Whether one more typed character fits, the selection it would replace counted out.
    bool RoomForOneMore() const;

    int typingLimit_ = 0;
};

}  // namespace qav
