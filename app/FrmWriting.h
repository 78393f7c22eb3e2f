#pragma once
// The progress window shown modal while the radio is read or written. The
// transfer fills it and closes it; the user cannot close it, since the transfer
// ends by itself (at the latest when the radio stays silent for three seconds).

#include <QDialog>

class QLabel;
class QProgressBar;

namespace qav {

class FrmWriting : public QDialog {
    Q_OBJECT
  public:
    explicit FrmWriting(QWidget* parent = nullptr);

    // Ends the modal show; nothing happens when it is not shown.
    void Unload();

    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}  // Escape does not end a transfer

  private:
    bool unloading_ = false;
};

}  // namespace qav
