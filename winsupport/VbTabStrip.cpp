#include "winsupport/VbTabStrip.h"

namespace qav {

VbTabStrip::VbTabStrip(QWidget* parent) : QTabBar(parent) {
    setExpanding(false);
    connect(this, &QTabBar::currentChanged, this, [this] {
        if (!rebuilding_) emit Click();
    });
}

void VbTabStrip::Clear() {
    rebuilding_ = true;
    while (count() > 0) removeTab(count() - 1);
    rebuilding_ = false;
}

bool VbTabStrip::Add(int index, const QString& key, const QString& caption) {
    if (index < 1 || index > count() + 1) return false;
    rebuilding_ = true;
    const int position = insertTab(index - 1, caption);
    setTabData(position, key);
    rebuilding_ = false;
    return true;
}

QString VbTabStrip::Key(int index) const {
    return tabData(index - 1).toString();
}

bool VbTabStrip::SetSelectedIndex(int index) {
    if (index < 1 || index > count()) return false;
    if (index == SelectedIndex()) {
        emit Click();  // a selection set from code is reported also when it stays
        return true;
    }
    setCurrentIndex(index - 1);  // raises Click through currentChanged
    return true;
}

}  // namespace qav
