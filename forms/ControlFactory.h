#pragma once
// Creates the controls of the settings forms the way all of them need: named
// after the control (captions and tests find them by name), lists sized to
// their longest item in whatever language they hold, text boxes wide enough
// for the longest text they take.

#include <QString>
#include <QStringList>

#include "winsupport/VbComboBox.h"

class QWidget;

namespace qav {

class VbCheckBox;
class VbLabel;
class VbOptionButton;
class VbTextBox;

class ControlFactory {
  public:
    static VbLabel* Label(QWidget* parent, const QString& name, const QString& caption);
    static VbComboBox* List(QWidget* parent, const QString& name, const QStringList& items,
                            VbComboBox::Style style = VbComboBox::Style::DropDownList);
    // widthSample: the widest text the box is meant to show.
    static VbTextBox* TextBox(QWidget* parent, const QString& name, int maxLength,
                              const QString& widthSample);
    static VbCheckBox* CheckBox(QWidget* parent, const QString& name, const QString& caption);
    static VbOptionButton* OptionButton(QWidget* parent, const QString& name, const QString& caption);
};

}  // namespace qav
