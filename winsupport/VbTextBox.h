#pragma once
// A text box with the properties and events the form handlers use.

#include "winsupport/FocusTracker.h"
#include "winsupport/KeyFilteredLineEdit.h"

namespace qav {

class VbTextBox : public KeyFilteredLineEdit, public FocusClient {
    Q_OBJECT
  public:
    explicit VbTextBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    // Raises Change, also when the text stays the same.
    void SetText(const QString& value);
    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    // Gives the box the focus; the control that had it raises LostFocus first.
    void SetFocus() { FocusTracker::SetFocus(this); }

    void RaiseLostFocus() override { emit LostFocus(); }

  signals:
    void Change();
    void LostFocus();
    void GotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int maxLength_ = 0;
};

}  // namespace qav
