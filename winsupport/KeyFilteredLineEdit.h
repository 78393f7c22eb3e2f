#pragma once
// A line edit whose every character, typed, pasted or composed by an input
// method, passes through one KeyPress handler first, which may change it or
// discard it (set the key code to 0). So what a field's filter refuses cannot
// reach it by the clipboard either.

#include <QLineEdit>

namespace qav {

class KeyFilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit KeyFilteredLineEdit(QWidget* parent = nullptr);

    // Inserts text at the cursor as if each character were typed.
    void InsertFiltered(const QString& text);

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
};

}  // namespace qav
