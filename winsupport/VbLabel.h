#pragma once
// A label; a click on it raises Click.

#include <QLabel>

namespace qav {

class VbLabel : public QLabel {
    Q_OBJECT
  public:
    explicit VbLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    explicit VbLabel(const QString& caption, QWidget* parent = nullptr) : QLabel(caption, parent) {}

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

  signals:
    void Click();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qav
