#include "winsupport/VbCommandButton.h"

namespace qav {

VbCommandButton::VbCommandButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, &VbCommandButton::Click);
}

}  // namespace qav
