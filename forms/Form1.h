#pragma once
// The channel editor: every memory channel as one row of the grid Grid1, edited
// in place by an editor opened exactly over the cell. The grid shows the run's
// channel tables; the editors change both. The window scrolls its contents
// (picClient) under its own scroll bars, and the wheel over the grid scrolls
// the grid's rows. Its rows, option columns, column widths and the defaults
// of a new channel come from the program's model (ChannelEditorLayout).

#include <array>
#include <memory>
#include <vector>

#include "forms/ChannelEditorLayout.h"
#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

namespace win {
class SubClassGrid;
class WindowScrollBars;
class cScrollBars;
}  // namespace win

class MSFlexGrid;
class VbComboBox;
class VbTextBox;

class Form1 : public MdiChildForm {
    Q_OBJECT
  public:
    // Loads the form (Form_Load): the grid, its editors and the scrolling.
    explicit Form1(FormContext& context, QWidget* parent = nullptr);
    ~Form1() override;

    // Empties channel n (1-based): its cells of columns 1 to 12 and its table
    // entries. The channel number stays.
    void ClearNO(int channel);
    // ClearNO for every channel.
    void ClearGrid();
    // Shows channel n (1-based) from the channel tables in columns 1 to the
    // last option column; a name column is left alone.
    void ShowChannel(int channel);
    // The editor's part of a new data set: the editor lists to their defaults,
    // then every channel emptied.
    void StartForm();
    // Commits the text of the frequency editor to the cell it was opened for.
    // Whoever reads or writes the radio calls it first while Text1 is visible.
    void Text1_LostFocus();
    // Closes whatever editor is open without taking anything from it: the
    // cell and the channel tables stay as they were before the edit. For
    // whoever is about to replace the channels, so that a stale edit cannot
    // land in the new ones when the user later leaves the editor.
    void CloseEditors();

    // The editor of option column index (5 to LastOptionColumn()), or nullptr.
    VbComboBox* Combo5(int index) const;
    // 11 where column 12 holds the channel name, 12 where it is an option too.
    int LastOptionColumn() const;
    // Whether column 12 is the channel name, edited with Text2.
    bool HasNameColumn() const { return LastOptionColumn() < kColName; }

    QWidget* picClient = nullptr;  // holds every control; moved to scroll the window's contents
    MSFlexGrid* Grid1 = nullptr;   // the channels: row k is channel k, row 0 and column 0 fixed
    VbTextBox* Text1 = nullptr;    // frequency editor of columns 1 and 2
    VbTextBox* Text2 = nullptr;    // name editor of column 12; none where the model has no names
    VbComboBox* Combo1 = nullptr;  // tone editor of columns 3 and 4: off, then the 260 tones

    // The grid's columns.
    static constexpr int kColumns = 13;
    static constexpr int kColReceive = 1;
    static constexpr int kColTransmit = 2;
    static constexpr int kColReceiveTone = 3;
    static constexpr int kColTransmitTone = 4;
    static constexpr int kColFirstOption = 5;
    static constexpr int kColScrambler = 10;
    static constexpr int kColName = 12;  // the channel name, or the last option column

  private:
    void Form_Load();
    void Form_Resize();
    void m_cScroll_Change(int bar);
    void m_cScroll_Scroll(int bar);
    void obj_MouseWheel(int rotation, int x, int y);

    void Grid1_MouseDown(int button, int shift, int x, int y);
    void Grid1_KeyPress(int& keyAscii);
    void Grid1_Click();
    void Grid1_Scroll();
    void Combo1_Click();
    void Combo1_LostFocus();
    void Combo5_Click(int index);
    void Combo5_LostFocus(int index);
    void Text1_KeyPress(int& keyAscii);
    void Text2_Change();
    void Text2_KeyPress(int& keyAscii);
    void Text2_LostFocus();

    void CreateControls();
    // Column widths so that no header or list text is clipped, and the grid,
    // picClient and the scroll bars to match.
    void FitColumns();
    void FitClientToGrid();
    // Puts an editor over the current cell of the grid; a list keeps its own height.
    void PlaceOverCell(QWidget* editor, bool keepOwnHeight);
    // Hides an editor; the focus it holds goes to the grid first, so that it
    // does not wander to some other control of the window.
    void HideEditor(QWidget* editor);
    // Text1, Text2 (where it exists), Combo1 and the Combo5 lists.
    std::vector<QWidget*> Editors() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    FormContext& context_;
    const ChannelEditorLayout& layout_;           // what the program's model makes of the editor
    win::WindowScrollBars* ownBars_ = nullptr;    // the window's own scroll bars and client area
    std::vector<VbComboBox*> combo5_;             // Combo5(5) onwards, one per option column
    std::unique_ptr<win::SubClassGrid> obj;       // wheel notifications of Grid1
    std::unique_ptr<win::cScrollBars> m_cScroll;  // the scroll bars of this window

    int EditRow = 0;                // channel of the cell being edited
    int EditCol = 0;                // grid column of the cell being edited
    bool EditArmed = false;         // set by a left press or Enter on the grid, used by the next Grid1_Click
    bool committingText1_ = false;  // Text1_LostFocus is running
    bool committingText2_ = false;  // Text2_LostFocus is running
    bool closingEditors_ = false;   // CloseEditors is running: leaving an editor takes nothing
};

}  // namespace qav
