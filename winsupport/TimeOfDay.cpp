#include "winsupport/TimeOfDay.h"

#include <QTime>

namespace qav {

double SecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

}  // namespace qav
