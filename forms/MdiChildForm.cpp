#include "forms/MdiChildForm.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace qav {

MdiChildForm::MdiChildForm(QWidget* parent) : QWidget(parent) {}

void MdiChildForm::Load(QMdiArea* area) {
    const QSize designed = size();  // the form's own size, without the frame
    subWindow_ = area->addSubWindow(this);
    subWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    subWindow_->resize(designed.grownBy(subWindow_->contentsMargins()));
    subWindow_->hide();
}

void MdiChildForm::ShowForm() {
    if (subWindow_ == nullptr) {
        show();
        raise();
        return;
    }
    show();
    subWindow_->show();
    subWindow_->raise();
    if (QMdiArea* area = subWindow_->mdiArea()) area->setActiveSubWindow(subWindow_);
}

void MdiChildForm::HideForm() {
    if (subWindow_ != nullptr) subWindow_->hide();
    else hide();
}

bool MdiChildForm::IsShown() const { return subWindow_ ? subWindow_->isVisible() : isVisible(); }

void MdiChildForm::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == 0) {
        HideForm();
        cancel = 1;
    }
}

bool MdiChildForm::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest) GrowToFitContents();
    return handled;
}

void MdiChildForm::GrowToFitContents() {
    if (subWindow_ == nullptr || layout() == nullptr) return;
    const QSize now = size();
    const QSize needed = minimumSizeHint().expandedTo(now);
    if (needed != now) subWindow_->resize(subWindow_->size() + (needed - now));
}

void MdiChildForm::closeEvent(QCloseEvent* event) {
    int cancel = 0;
    Form_QueryUnload(cancel, 0);
    if (cancel != 0) event->ignore();
    else event->accept();
}

}  // namespace qav
