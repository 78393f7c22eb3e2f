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
    // The most characters the user can type or paste; 0: no limit. A text set
    // from code (SetText) is never cut to it.
    int MaxLength() const { return TypingLimit(); }
    void SetMaxLength(int length) { SetTypingLimit(length); }
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
};

}  // namespace qav
