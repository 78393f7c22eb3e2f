#pragma once
// An editing form living as a child window of the main window. It is created
// once per run; the user's close only hides it, so its contents survive.

#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace qav {

class MdiChildForm : public QWidget {
    Q_OBJECT
  public:
    explicit MdiChildForm(QWidget* parent = nullptr);

    // Puts the form into the main window's area, hidden.
    void Load(QMdiArea* area);
    // Shows the form and brings it to the front, at its normal size when it was minimised.
    void ShowForm();
    void HideForm();
    bool IsShown() const;
    QMdiSubWindow* SubWindow() const { return subWindow_; }

  protected:
    // unloadMode 0: the user closes the window. Default: hide instead of unloading.
    virtual void Form_QueryUnload(int& cancel, int unloadMode);
    void closeEvent(QCloseEvent* event) override;
    // A form whose contents need more room than its window gives (longer
    // captions after a language change) gets a larger window, so nothing is cut off.
    bool event(QEvent* event) override;

  private:
    void GrowToFitContents();
    void KeepInsideArea();

    QMdiSubWindow* subWindow_ = nullptr;
};

}  // namespace qav
