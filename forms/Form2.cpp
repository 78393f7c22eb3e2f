#include "forms/Form2.h"

namespace qav {

Form2::Form2(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("DTMF(双音多频)"));
}

void Form2::StartForm() {}

}  // namespace qav
