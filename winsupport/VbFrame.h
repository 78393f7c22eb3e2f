#pragma once
// A frame: a captioned group of controls.

#include <QGroupBox>

namespace qav {

class VbFrame : public QGroupBox {
  public:
    explicit VbFrame(QWidget* parent = nullptr) : QGroupBox(parent) {}

    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) { setTitle(caption); }
};

}  // namespace qav
