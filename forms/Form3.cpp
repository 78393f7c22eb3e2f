#include "forms/Form3.h"

#include "winsupport/VbComboBox.h"
#include "winsupport/VbTextBox.h"

namespace qav {

Form3::Form3(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("可选功能"));
    Text20 = new VbTextBox(this);
    Text20->setObjectName(QStringLiteral("Text20"));
    Combo2 = new VbComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->AddItem(QStringLiteral("关闭"));
    Combo2->AddItem(QStringLiteral("打开"));
}

void Form3::StartForm() {}

}  // namespace qav
