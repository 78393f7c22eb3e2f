// Band and serial-port selection of the main window.
#include <QLabel>
#include <QLocale>

#include "app/MDIForm1.h"
#include "app/MSComm.h"
#include "app/ProgramRun.h"
#include "forms/Form1.h"
#include "forms/Form3.h"
#include "winsupport/LangText.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

// The band limits in the selected text: "400-470MHz" gives 400 and 470.
void LimitsFromText(const QString& text, BandSelection& band) {
    bool ok = false;
    const double low = QLocale::c().toDouble(text.mid(0, 3), &ok);
    if (ok) band.BandLow = static_cast<int>(std::nearbyint(low));
    const double high = QLocale::c().toDouble(text.mid(4, 3), &ok);
    if (ok) band.BandHigh = high;
}

}  // namespace

void MDIForm1::Combo1_DropDown() {
    run_.state.band.PrevBandIndex = Combo1->ListIndex();
    run_.state.band.BandChangeByProgram = false;
}

void MDIForm1::Combo1_Click() {
    BandSelection& band = run_.state.band;
    LimitsFromText(Combo1->Text(), band);
    // A choice the user makes asks however it was made: in the open list or
    // with the keys on the closed selector, which changes the band without a
    // list ever opening. A change by the program (a decode, the restore
    // below) only moves the limits.
    if (Combo1->ClickByUser()) band.BandChangeByProgram = false;
    if (!band.BandChangeByProgram && Combo1->ListIndex() != band.PrevBandIndex) {
        const int language = run_.state.Language;
        const LangText title{"注意！", "Be careful!", "注意！"};
        const LangText text{"改变频段将清除频道列表，确定吗？",
                            "Changing the frequency band will remove the channel tabulation, confirm?",
                            "改變頻段將清除頻道清單，確定嗎？"};
        if (run_.msgbox.ShowMessage(text.Pick(language), ConfirmStyle, title.Pick(language)) == IDOK) {
            LimitsFromText(Combo1->Text(), band);
            run_.forms.form1->ClearGrid();
            const double middle = (band.BandLow + band.BandHigh) / 2;
            run_.forms.form3->Text20->SetText(QLocale::c().toString(middle, 'f', 5));
        } else {
            band.BandChangeByProgram = true;
            Combo1->SetListIndex(band.PrevBandIndex);
        }
    }
    band.BandChangeByProgram = true;
    band.PrevBandIndex = Combo1->ListIndex();  // the next choice is measured from here
}

void MDIForm1::ResetBandSelection() {
    run_.state.band.BandChangeByProgram = true;
    run_.state.band.PrevBandIndex = 2;
    Combo1->SetListIndex(2);
}

void MDIForm1::ComboCom_Click() {
    if (ComboCom->ListIndex() >= 0) {
        MSComm1->SetPortOpen(false);
        MSComm1->SetCommPort(ComboCom->Text().toInt());
        MSComm1->SetPortOpen(true);  // a port that cannot be opened stays closed
    }
    if (!MSComm1->PortOpen() && ComboCom->ListIndex() >= 0) {
        ReportPortNotOpened();
        ComboCom->SetListIndex(-1);
    }
    ComboCom->hide();
    UpdatePortStatus();
}

void MDIForm1::ReportPortNotOpened() {
    const QString n = ComboCom->Text();
    const int language = run_.state.Language;
    const LangText title{"错误", "Mistake", "錯誤"};
    const LangText before{"串行端口", "Serial port", "串行端口"};
    const LangText after{"无效或已被其它程序使用，请选择其他串口或关闭其程序.",
                         "Invalid or has already been used by other procedures, please choose other "
                         "bunches of mouths or close its procedure.",
                         "無效或已被其它程式使用，請選擇其他串口或關閉其程式."};
    run_.msgbox.ShowMessage(before.Pick(language) + n + after.Pick(language), MB_ICONEXCLAMATION,
                            title.Pick(language));
}

bool MDIForm1::OpenChosenPortAgain() {
    // Closed with a port still chosen: its line dropped (the cable was pulled).
    if (MSComm1->PortOpen() || ComboCom->ListIndex() < 0) return true;
    const bool opened = MSComm1->SetPortOpen(true);
    UpdatePortStatus();
    // The port stays chosen either way: plugged in again, the next try works.
    if (!opened) ReportPortNotOpened();
    return opened;
}

void MDIForm1::ComboCom_LostFocus() {
    ComboCom->hide();
}

void MDIForm1::UpdatePortStatus() {
    StatusPanel1->setText(QStringLiteral("COM: ") + ComboCom->Text());
    const int port = ComboCom->Text().toInt();
    if (port > 0 && !MSComm1->PortOpen()) {
        const LangText dropped{"连接已断开，端口已关闭", "The line dropped, the port is closed",
                               "連接已斷開，端口已關閉"};
        StatusPanel2->setText(dropped.Pick(run_.state.Language));
        return;
    }
    // Which device the number stands for, so the user can tell the adapters apart.
    StatusPanel2->setText(port > 0 ? MSComm1->PortMap().DeviceText(port) : QString());
}

}  // namespace qav
