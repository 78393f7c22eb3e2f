#include "forms/ControlFactory.h"

#include <QStyle>
#include <QStyleOptionFrame>

#include "winsupport/VbCheckBox.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav {

VbLabel* ControlFactory::Label(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new VbLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

VbComboBox* ControlFactory::List(QWidget* parent, const QString& name, const QStringList& items,
                                 VbComboBox::Style style) {
    auto* list = new VbComboBox(parent, style);
    list->setObjectName(name);
    // The captions change the items with the language; the list follows them.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMaxVisibleItems(12);
    for (const QString& item : items) list->AddItem(item);
    return list;
}

VbTextBox* ControlFactory::TextBox(QWidget* parent, const QString& name, int maxLength,
                                   const QString& widthSample) {
    auto* box = new VbTextBox(parent);
    box->setObjectName(name);
    box->SetMaxLength(maxLength);
    QStyleOptionFrame option;
    option.initFrom(box);
    const QSize text(box->fontMetrics().horizontalAdvance(widthSample) + 8, box->sizeHint().height());
    box->setMinimumWidth(box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, box).width());
    return box;
}

VbCheckBox* ControlFactory::CheckBox(QWidget* parent, const QString& name, const QString& caption) {
    auto* check = new VbCheckBox(parent);
    check->setObjectName(name);
    check->SetCaption(caption);
    return check;
}

VbOptionButton* ControlFactory::OptionButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* option = new VbOptionButton(parent);
    option->setObjectName(name);
    option->SetCaption(caption);
    return option;
}

}  // namespace qav
