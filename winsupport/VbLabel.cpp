#include "winsupport/VbLabel.h"

#include <QMouseEvent>

namespace qav {

void VbLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
}

}  // namespace qav
