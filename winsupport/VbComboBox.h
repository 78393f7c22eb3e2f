#pragma once
// A drop-down list (or an editable drop-down combo) with the properties and
// events the form handlers use. Setting ListIndex or Text from code raises
// Click as a choice by the user does, also when the selection stays the same;
// an index the list cannot take is refused by the return value.

#include <QComboBox>

#include "winsupport/FocusTracker.h"

namespace qav {

class KeyFilteredLineEdit;

class VbComboBox : public QComboBox, public FocusClient {
    Q_OBJECT
  public:
    enum class Style {
        DropDownCombo,  // the user may type a text of his own
        DropDownList,   // only the items can be chosen
    };

    explicit VbComboBox(QWidget* parent = nullptr, Style style = Style::DropDownList);

    // The selected item, or -1. In an editable combo, the item whose text was
    // typed exactly, or -1 when the typed text matches none.
    int ListIndex() const;
    // -1 clears the selection. Raises Click. False (and nothing happens) for an
    // index outside -1 .. ListCount()-1.
    bool SetListIndex(int index);

    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    // Writing one past the end adds the item.
    bool SetList(int index, const QString& text);
    // Unlike a bare Qt combo, adding to an empty list selects nothing.
    void AddItem(const QString& text);
    void RemoveItem(int index) { removeItem(index); }
    void Clear() { clear(); }

    QString Text() const { return currentText(); }
    // A drop-down list selects the item of that text (raising Click) and refuses
    // a text that is no item; an editable combo takes any text (raising Change).
    bool SetText(const QString& text);

    // An editable combo whose value goes into the radio's memory must always
    // hold one of its items: with this on, leaving it with a typed text takes
    // the item of that text (raising Click when that is another item) and
    // otherwise puts back the item chosen last, so -1 never stays behind.
    void SetKeepsItemOnLeave(bool keeps) { keepsItemOnLeave_ = keeps; }

    // True while Click runs for a choice the user made (in the open list, or
    // with the keys on the closed control); false for a Click raised by code.
    bool ClickByUser() const { return clickByUser_; }

    void SetFocus() { FocusTracker::SetFocus(this); }
    // Opens the list at once, as the F4 key does.
    void OpenList() { showPopup(); }

    void RaiseLostFocus() override;

  signals:
    void Click();
    void DropDown();
    void Change();                 // the text of an editable combo was changed
    void KeyPress(int& keyAscii);  // keys typed into an editable combo
    void LostFocus();
    void GotFocus();

  public:
    void showPopup() override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void TakeTypedTextAsItem();

    bool keepsItemOnLeave_ = false;
    bool clickByUser_ = false;
};

}  // namespace qav
