// The channel editor's in-place editing: which editor opens over which cell,
// the key filters, and how a value gets into the grid and the channel tables.
#include <QScopedValueRollback>

#include "forms/Form1.h"
#include "forms/MSFlexGrid.h"
#include "forms/ResumeNext.h"
#include "forms/RunState.h"
#include "image/FrequencySnap.h"
#include "image/NumberText.h"
#include "winsupport/FocusTracker.h"
#include "winsupport/LangText.h"
#include "winsupport/ModuleMsgbox.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTextBox.h"
#include "winsupport/WindowTable.h"

namespace qav {
namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;

}  // namespace

void Form1::Grid1_MouseDown(int button, int, int, int) {
    if (button == 1) {
        EditArmed = true;
        // Ends the grid's press now: its click comes before the real release,
        // and the held button can never drag a selection.
        win::SendMessageA(Grid1->hWnd(), win::WM_LBUTTONUP, 0, 0);
    } else if (button == 2) {
        Grid1->SetFocus();  // an open editor commits or closes
    }
}

void Form1::Grid1_KeyPress(int& keyAscii) {
    if (keyAscii != kEnter) return;
    EditArmed = true;
    Grid1_Click();
}

void Form1::PlaceOverCell(QWidget* editor, bool keepOwnHeight) {
    const int left = Grid1->x() + Grid1->CellLeft();
    const int top = Grid1->y() + Grid1->CellTop();
    const int height = keepOwnHeight ? editor->sizeHint().height() : Grid1->CellHeight();
    editor->setGeometry(left, top, Grid1->CellWidth(), height);
}

void Form1::Grid1_Click() {
    if (!EditArmed) return;
    ChannelTables& tables = context_.state.channels;
    // On an empty channel any cell opens its receive frequency.
    if (Grid1->TextMatrix(Grid1->RowSel(), kColReceive).isEmpty()) {
        Grid1->SetColSel(kColReceive);
        Grid1->SetCol(kColReceive);
    }
    EditRow = Grid1->RowSel();
    EditCol = Grid1->ColSel();
    const QString cell = Grid1->TextMatrix(EditRow, EditCol);

    if (EditCol == kColReceive || EditCol == kColTransmit) {
        Attempt([&] { PlaceOverCell(Text1, false); });
        Attempt([&] { Text1->SetText(cell); });
        Attempt([&] { tables.ChannelFreq(EditRow - 1, EditCol - 1) = cell.toStdString(); });
        Text1->show();
        Text1->raise();
        Text1->SetFocus();
    } else if (EditCol == kColName && HasNameColumn()) {
        Attempt([&] { PlaceOverCell(Text2, false); });
        Attempt([&] { Text2->SetText(cell); });
        Attempt([&] { tables.ChannelName(EditRow - 1) = cell.toStdString(); });
        Text2->show();
        Text2->raise();
        Text2->SetFocus();
    } else if (EditCol >= kColReceiveTone && EditCol <= LastOptionColumn()) {
        VbComboBox* list = EditCol <= kColTransmitTone ? Combo1 : Combo5(EditCol);
        Attempt([&] { PlaceOverCell(list, true); });
        // Chosen while hidden, so its click handler takes no notice.
        Attempt([&] { list->SetListIndex(tables.ChannelOptions(EditRow - 1, EditCol - kColReceiveTone)); });
        list->show();
        list->raise();
        list->SetFocus();
        list->OpenList();
    }
    EditArmed = false;
}

void Form1::HideEditor(QWidget* editor) {
    if (editor->hasFocus()) Grid1->setFocus(Qt::OtherFocusReason);
    editor->hide();
}

std::vector<QWidget*> Form1::Editors() const {
    std::vector<QWidget*> editors{Text1};
    if (Text2 != nullptr) editors.push_back(Text2);
    editors.push_back(Combo1);
    editors.insert(editors.end(), combo5_.begin(), combo5_.end());
    return editors;
}

void Form1::Grid1_Scroll() {
    // An editor stands over the cell it was opened for and writes into that
    // cell's channel. Once the rows or columns move under it, it would stand
    // over another channel: the scroll ends the edit as leaving the editor
    // does (a typed value is taken, a list closes unchosen), so what the user
    // sees is always what gets written. Moving the editor along with its cell
    // instead would leave it over the header row or outside the grid as the
    // cell scrolls out of sight.
    for (const QWidget* editor : Editors()) {
        if (!editor->isHidden()) {
            Grid1->SetFocus();  // the editor holding the focus commits or closes
            return;
        }
    }
}

void Form1::CloseEditors() {
    QScopedValueRollback<bool> closing(closingEditors_, true);
    EditArmed = false;
    // The name editor writes the channel's name as the user types; the name
    // its cell still shows is the one from before the edit.
    if (Text2 != nullptr && !Text2->isHidden())
        Attempt([&] {
            context_.state.channels.ChannelName(EditRow - 1) =
                Grid1->TextMatrix(EditRow, kColName).toStdString();
        });
    for (QWidget* editor : Editors()) {
        // The focus goes to the grid now, while leaving the editor takes
        // nothing; otherwise the editor would still hold it for its handlers
        // and commit when the user next moves it.
        if (FocusTracker::Current() == editor) Grid1->SetFocus();
        if (auto* list = qobject_cast<VbComboBox*>(editor)) list->hidePopup();
        HideEditor(editor);
    }
}

void Form1::Combo1_Click() {
    if (Combo1->isHidden()) return;
    ChannelTables& tables = context_.state.channels;
    const int column = EditCol - kColReceiveTone;
    Attempt([&] { Grid1->SetTextMatrix(EditRow, EditCol, Combo1->Text()); });
    Attempt([&] { tables.ChannelOptions(EditRow - 1, column) = Combo1->ListIndex(); });
    Attempt([&] { tables.ChannelOptionText(EditRow - 1, column) = Combo1->Text().toStdString(); });
    HideEditor(Combo1);
    Grid1->SetFocus();
}

void Form1::Combo1_LostFocus() {
    HideEditor(Combo1);
}

void Form1::Combo5_Click(int index) {
    VbComboBox* list = Combo5(index);
    if (list == nullptr || list->isHidden()) return;
    Attempt([&] { Grid1->SetTextMatrix(EditRow, EditCol, list->Text()); });
    Attempt([&] {
        context_.state.channels.ChannelOptions(EditRow - 1, EditCol - kColReceiveTone) = list->ListIndex();
    });
    HideEditor(list);
    Grid1->SetFocus();
}

void Form1::Combo5_LostFocus(int index) {
    if (VbComboBox* list = Combo5(index)) HideEditor(list);
}

void Form1::Text1_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) Grid1->SetFocus();  // commits through Text1_LostFocus
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != '.' && keyAscii != kBackspace) keyAscii = 0;
}

void Form1::Text1_LostFocus() {
    // Hiding the editor or showing the message moves the focus, which would
    // run this again for the same edit. An edit being closed is forgotten.
    if (committingText1_ || closingEditors_) return;
    QScopedValueRollback<bool> running(committingText1_, true);
    RunState& state = context_.state;
    ChannelTables& tables = state.channels;
    const std::string text = Text1->Text().toStdString();

    if (text.empty()) {
        if (EditCol == kColReceive) ClearNO(EditRow);  // an empty transmit frequency changes nothing
    } else if (IsNumeric(text)) {
        const double frequency = Val(text);
        // The band test is on the typed value, before snapping.
        if (state.band.BandLow <= frequency && frequency < state.band.BandHigh) {
            const QString snapped =
                QString::fromStdString(FormatFixed(SnapFrequency(FormatFixed(frequency, 5)), 5));
            Attempt([&] { Grid1->SetTextMatrix(EditRow, EditCol, snapped); });
            Attempt([&] {
                tables.ChannelFreq(EditRow - 1, EditCol - 1) =
                    Grid1->TextMatrix(EditRow, EditCol).toStdString();
            });
            if (Grid1->TextMatrix(EditRow, kColReceiveTone).isEmpty() && EditCol == kColReceive) {
                // A new channel: transmit on the receive frequency, default settings.
                Attempt([&] { Grid1->SetTextMatrix(EditRow, kColTransmit, snapped); });
                Attempt([&] { tables.ChannelFreq(EditRow - 1, 1) = snapped.toStdString(); });
                for (int i = 0; i < static_cast<int>(layout_.newChannel.size()); ++i) {
                    const ChannelDefault& preset = layout_.newChannel[std::size_t(i)];
                    Attempt([&] {
                        Grid1->SetTextMatrix(EditRow, kColReceiveTone + i, preset.text.Pick(state.Language));
                    });
                    Attempt([&] { tables.ChannelOptions(EditRow - 1, i) = preset.value; });
                }
            }
        } else {
            const LangText message{"超出频段范围", "Beyond the scope of frequency band", "超出频段范围"};
            context_.msgbox.ShowMessage(message.Pick(state.Language), MB_OK, QString());
            Grid1->SetFocus();
        }
    }
    HideEditor(Text1);
}

void Form1::Text2_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) Grid1->SetFocus();  // commits through Text2_LostFocus
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
    // Plain ASCII from "#" to "z" only: the image stores one byte a character.
    if ((keyAscii < 35 || keyAscii > 122) && keyAscii != kBackspace) keyAscii = 0;
}

void Form1::Text2_Change() {
    Attempt([&] { context_.state.channels.ChannelName(EditRow - 1) = Text2->Text().toStdString(); });
}

void Form1::Text2_LostFocus() {
    if (committingText2_ || closingEditors_) return;
    QScopedValueRollback<bool> running(committingText2_, true);
    ChannelTables& tables = context_.state.channels;
    Attempt([&] { tables.ChannelName(EditRow - 1) = Text2->Text().toStdString(); });
    Attempt([&] {
        Grid1->SetTextMatrix(EditRow, kColName, QString::fromStdString(tables.ChannelName(EditRow - 1)));
    });
    HideEditor(Text2);
}

void Form1::ClearNO(int channel) {
    for (int c = 1; c < kColumns; ++c) Grid1->SetTextMatrix(channel, c, QString());
    Attempt([&] { context_.state.channels.ClearChannel(channel - 1); });
}

void Form1::ShowChannel(int channel) {
    const ChannelTables& tables = context_.state.channels;
    Attempt([&] {
        for (int c = kColReceive; c <= kColTransmit; ++c)
            Grid1->SetTextMatrix(channel, c,
                                 QString::fromStdString(tables.ChannelFreq(channel - 1, c - kColReceive)));
        for (int c = kColReceiveTone; c <= LastOptionColumn(); ++c)
            Grid1->SetTextMatrix(
                channel, c,
                QString::fromStdString(tables.ChannelOptionText(channel - 1, c - kColReceiveTone)));
    });
}

void Form1::ClearGrid() {
    for (int channel = 1; channel <= context_.state.channels.channelCount(); ++channel) ClearNO(channel);
}

void Form1::StartForm() {
    Combo1->SetListIndex(0);
    // Power to scrambler; the compander list (and a reverse list) keeps its selection.
    for (int index = kColFirstOption; index <= kColScrambler; ++index) Combo5(index)->SetListIndex(1);
    ClearGrid();
}

}  // namespace qav
