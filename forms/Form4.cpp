#include "forms/Form4.h"

namespace qav {

Form4::Form4(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("调试"));
}

void Form4::TabStrip1_Click() {}

}  // namespace qav
