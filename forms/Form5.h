#pragma once
// The FM broadcast radio: its 32 memory channels, the channel it is on, how it
// shows itself, its tuning step and the frequency of its frequency mode.
//
// Unlike the other settings forms this one edits a copy: the values live in
// the run's FM values, the form fills its controls from them when it loads,
// and OK copies the controls back (Cancel leaves the values alone and puts the
// controls back to them, so the form shows what a save or write stores). The codec
// sets both sides, and the encoder takes each channel's emptiness from the
// grid, so a channel cleared in the grid goes out empty even without OK.
// Entries out of range are told on the form's own message line, never in a
// message box.

#include <array>

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

class QWidget;

namespace qav {

class MSFlexGrid;
class VbComboBox;
class VbCommandButton;
class VbLabel;
class VbTextBox;

class Form5 : public MdiChildForm {
    Q_OBJECT
  public:
    explicit Form5(FormContext& context, QWidget* parent = nullptr);

    // Opens the cell editor over the frequency of the clicked channel.
    void MSFGrid_Click();
    // Commits the cell editor to the channel it was opened for. Whoever reads
    // or writes the radio calls it first while Text1 is visible.
    void Text1_LostFocus();
    // Closes the cell editor and its message without taking anything from
    // it, for whoever is about to replace the FM channels.
    void CloseEditors();
    // Puts the frequency of the frequency mode on the 50 kHz raster, or refuses it.
    void Text2_LostFocus();
    void Command1_Click();  // OK: the controls into the FM values, then hide
    void Command2_Click();  // Cancel: the controls back to the FM values, then hide
    void Label2_Click();    // the message line goes away
    // Hides the message line, whose entry is no longer on show: when the form
    // shows again, is refilled or cancelled, and when the language changes.
    void ClearMessageLine();

    static constexpr int kColChannel = 0;
    static constexpr int kColFrequency = 1;

    MSFlexGrid* MSFGrid = nullptr;  // row k is FM channel k: its number and frequency (MHz)
    VbTextBox* Text1 = nullptr;     // cell editor, shown over the cell being edited
    VbTextBox* Text2 = nullptr;     // frequency of the frequency mode, MHz, "" none
    // 0 the present channel "1".."32" (hidden; its value is its text),
    // 1 display mode: 0 channel, 1 frequency, 2 tuning step: 0 50K, 1 100K, 2 200K.
    std::array<VbComboBox*, 3> Combo1{};
    // Captions of Combo1(0..2), and 3 of Text2.
    std::array<VbLabel*, 4> Label1{};
    VbLabel* Label2 = nullptr;            // message line for entries out of range
    VbCommandButton* Command1 = nullptr;  // OK
    VbCommandButton* Command2 = nullptr;  // Cancel

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreateControls();
    void LayOutForm();
    void Form_Load();
    // The grid's frequencies and the fields from the FM values.
    void ShowFmValues();
    // Column widths that show the headers and frequencies whole, and the grid to match.
    void FitGrid();
    void FrequencyBox_KeyPress(int& keyAscii);
    void PresentChannel_KeyPress(int& keyAscii);
    // Shows the message line with the text of the language, at the given height
    // of the form (brought inside the room kept for it).
    void ShowMessageLine(const char* simplified, const char* english, int yInForm);
    void HideCellEditor();
    void MSFGrid_Scroll();

    FormContext& context_;
    QWidget* messageArea_ = nullptr;  // the room the message line moves in
    int EditRow = 0;                  // channel of the cell being edited
    int editCellTop_ = 0;             // where that cell is, in the form
    bool committingText1_ = false;    // Text1_LostFocus is running
    bool closingEditors_ = false;     // CloseEditors is running: leaving Text1 takes nothing
};

}  // namespace qav
