#include "forms/Form4.h"

#include <QSlider>
#include <QVBoxLayout>

namespace qav {

Form4::Form4(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("调试"));
    auto* column = new QVBoxLayout(this);
    for (int i = 0; i < int(Slider1.size()); ++i) {
        Slider1[i] = new QSlider(Qt::Horizontal, this);
        Slider1[i]->setObjectName(QStringLiteral("Slider1(%1)").arg(i));
        Slider1[i]->setRange(0, 255);
        Slider1[i]->setEnabled(false);
        column->addWidget(Slider1[i]);
    }
}

void Form4::TabStrip1_Click() {}

}  // namespace qav
