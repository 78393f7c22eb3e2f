#include "forms/MdiChildForm.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace qav {

MdiChildForm::MdiChildForm(QWidget* parent) : QWidget(parent) {}

void MdiChildForm::Load(QMdiArea* area) {
    const QSize designed = size();  // the form's own size, without the frame
    subWindow_ = area->addSubWindow(this);
    // The child window's own menu closes it with the platform's Close keys,
    // Ctrl+W among them, which would shadow the main window's Write command.
    // The close box and the menu item still close it.
    if (QMenu* menu = subWindow_->systemMenu())
        for (QAction* action : menu->actions()) action->setShortcuts({});
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
    // The command is there to bring the form into view: a minimised one comes
    // back at its normal size.
    if (subWindow_->isMinimized())
        subWindow_->showNormal();
    else
        subWindow_->show();
    KeepInsideArea();
    subWindow_->raise();
    if (QMdiArea* area = subWindow_->mdiArea()) area->setActiveSubWindow(subWindow_);
}

void MdiChildForm::KeepInsideArea() {
    // The area places a window where it overlaps least, which can leave part of
    // it beyond the area's edge; a window that fits is moved wholly inside.
    const QMdiArea* area = subWindow_->mdiArea();
    if (area == nullptr) return;
    const QRect room = area->viewport()->rect();
    QRect place = subWindow_->geometry();
    if (place.right() > room.right()) place.moveRight(room.right());
    if (place.bottom() > room.bottom()) place.moveBottom(room.bottom());
    if (place.left() < room.left()) place.moveLeft(room.left());
    if (place.top() < room.top()) place.moveTop(room.top());
    subWindow_->move(place.topLeft());
}

void MdiChildForm::HideForm() {
    if (subWindow_ != nullptr)
        subWindow_->hide();
    else
        hide();
}

bool MdiChildForm::IsShown() const {
    return subWindow_ ? subWindow_->isVisible() : isVisible();
}

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
    if (needed == now) return;
    subWindow_->resize(subWindow_->size() + (needed - now));
    if (subWindow_->isVisible()) KeepInsideArea();
}

void MdiChildForm::closeEvent(QCloseEvent* event) {
    int cancel = 0;
    Form_QueryUnload(cancel, 0);
    if (cancel != 0)
        event->ignore();
    else
        event->accept();
}

}  // namespace qav
