#include "winsupport/VbSlider.h"

namespace qav {

VbSlider::VbSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    connect(this, &QSlider::valueChanged, this, [this] {
        if (settingFromCode_) return;
        if (isSliderDown())
            emit Scroll();
        else
            emit Change();
    });
    connect(this, &QSlider::sliderReleased, this, &VbSlider::Change);
}

bool VbSlider::SetValue(int value) {
    if (value < minimum() || value > maximum()) return false;
    settingFromCode_ = true;
    setValue(value);
    settingFromCode_ = false;
    emit Change();
    return true;
}

}  // namespace qav
