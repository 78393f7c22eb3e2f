#pragma once
// A check box whose Value (0 unchecked, 1 checked) raises Click when set from
// code, as a click by the user does.

#include <QCheckBox>

namespace qav {

class VbCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit VbCheckBox(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    int Value() const { return isChecked() ? 1 : 0; }
    // Any value but 0 checks the box. Raises Click.
    void SetValue(int value);

  signals:
    void Click();
};

}  // namespace qav
