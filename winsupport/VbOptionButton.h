#pragma once
// An option button: one of a group in the same container is chosen. Setting
// Value to true from code chooses it and raises Click.

#include <QRadioButton>

namespace qav {

class VbOptionButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit VbOptionButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    bool Value() const { return isChecked(); }
    void SetValue(bool value);

  signals:
    void Click();
};

}  // namespace qav
