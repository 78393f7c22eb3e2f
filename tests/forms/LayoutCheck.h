#pragma once
// Whether a form shows every caption and field whole: each shown control has at
// least the room its contents ask for, lies inside the form and overlaps no
// other. Run on a shown form after its layout has settled.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace qav::test {

inline QStringList LayoutFaults(QWidget& form) {
    // A layout that settles posts the next one's request; let every round run.
    for (int round = 0; round < 8; ++round) QApplication::processEvents();
    QStringList faults;
    if (form.width() < form.minimumSizeHint().width() || form.height() < form.minimumSizeHint().height())
        faults << QStringLiteral("the form is smaller than its contents");

    QList<QWidget*> controls;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&form)) continue;
        const bool insideCombo = qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr;
        const bool frame = qobject_cast<QGroupBox*>(widget) != nullptr;
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget);
        if (insideCombo || (!frame && !control)) continue;
        // Labels and buttons need their whole text; fields and frames their minimum.
        const bool whole = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget);
        QSize needed = whole ? widget->sizeHint() : widget->minimumSizeHint();
        // A label that wraps its text is whole when its height holds the lines of its width.
        if (const auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap())
            needed = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
        const QString name = widget->objectName();
        if (widget->width() < needed.width() || widget->height() < needed.height())
            faults << QStringLiteral("%1 is cut off: %2x%3 for %4x%5")
                          .arg(name)
                          .arg(widget->width())
                          .arg(widget->height())
                          .arg(needed.width())
                          .arg(needed.height());
        const QRect place(widget->mapTo(&form, QPoint(0, 0)), widget->size());
        if (!form.rect().contains(place)) faults << name + QStringLiteral(" lies outside the form");
        if (!frame) controls << widget;
    }
    for (int i = 0; i < controls.size(); ++i) {
        const QRect a(controls[i]->mapTo(&form, QPoint(0, 0)), controls[i]->size());
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect b(controls[j]->mapTo(&form, QPoint(0, 0)), controls[j]->size());
            if (a.intersects(b))
                faults << controls[i]->objectName() + QStringLiteral(" overlaps ") +
                              controls[j]->objectName();
        }
    }
    return faults;
}

}  // namespace qav::test
