#include "winsupport/VbOptionButton.h"

namespace qav {

VbOptionButton::VbOptionButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isChecked()) emit Click();
    });
}

void VbOptionButton::SetValue(bool value) {
    if (value) {
        setChecked(true);
        emit Click();
        return;
    }
    // An exclusive group never lets its chosen button go by itself.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

}  // namespace qav
