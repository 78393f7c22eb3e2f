#include "winsupport/VbCheckBox.h"

namespace qav {

VbCheckBox::VbCheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QAbstractButton::clicked, this, &VbCheckBox::Click);
}

void VbCheckBox::SetValue(int value) {
    setChecked(value != 0);
    emit Click();
}

}  // namespace qav
