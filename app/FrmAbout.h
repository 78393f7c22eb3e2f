#pragma once
// The About box: the program's name, edition and a line of text; a click
// anywhere on it closes it.

#include <QDialog>

class QLabel;

namespace qav {

struct RunState;

class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    FrmAbout(const RunState& state, QWidget* iconSource, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;  // edition and version
    QLabel* lblCopyR = nullptr;
    QLabel* Image1 = nullptr;

  protected:
    void mousePressEvent(QMouseEvent* event) override;  // Form_Click
};

}  // namespace qav
