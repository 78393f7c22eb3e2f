#include "forms/Form5.h"

namespace qav {

Form5::Form5(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("FM频道设置"));
}

}  // namespace qav
