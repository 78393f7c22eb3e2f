#pragma once
// A push button raising Click.

#include <QPushButton>

namespace qav {

class VbCommandButton : public QPushButton {
    Q_OBJECT
  public:
    explicit VbCommandButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

  signals:
    void Click();
};

}  // namespace qav
