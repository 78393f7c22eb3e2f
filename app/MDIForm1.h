#pragma once
// The main window: menus, toolbar, band and port selection, status bar, and the
// area holding the editing forms.

#include <QMainWindow>
#include <memory>
#include <vector>

#include "forms/FormContext.h"
#include "winsupport/WinTypes.h"

class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QTimer;
class QToolBar;

namespace qav {

class DataFileCommands;
class MSComm;
class ProgramRun;
class RadioTransfer;
class ServiceSwitches;
class VbComboBox;
class VbCommandButton;
class VbLabel;

class MDIForm1 : public QMainWindow, public MainWindowLink {
    Q_OBJECT
  public:
    explicit MDIForm1(ProgramRun& run);
    ~MDIForm1() override;

    void MDIForm_Load();
    void ResetBandSelection();
    // A request from outside to end the program (another copy quitting): the
    // window closes the normal way, with its question, but only once no
    // transfer runs and no modal window is up, so nothing is cut off halfway.
    // Such a close ends this copy alone; only a close the user starts here
    // asks the other copies to end.
    void CloseWhenIdle();

    // The channel part of a decode. SetNumOf: the channel tables from the
    // channel records of ReadImage; a channel held empty leaves the grid.
    // SetGrid: the band selector from BandCode, then every channel inside the
    // band into the grid and every other one out of grid and tables.
    void SetNumOf();
    void SetGrid();

    // Band and port selection.
    void Combo1_Click();
    void Combo1_DropDown();
    void ComboCom_Click();
    void ComboCom_LostFocus();
    // The status bar's port panels: the chosen number, and the device it stands
    // for, or that its line dropped and the port is closed (in the language of
    // the program, so a language switch runs it again).
    void UpdatePortStatus();

    // Menu commands.
    void MNNew_Click();
    void MNOpen_Click();
    void MNSave_Click();
    void MNPrint_Click();
    void MNQuit_Click();
    void MNModel_Click();
    void MNDTMF_Click();
    void MNOption_Click();
    void MNDebug_Click();
    void MNFMset_Click();
    void MNReset_Click();
    void MNRead_Click();
    void MNWrite_Click();
    void MNCommPort_Click();
    void MNChineseJ_Click();
    void MNChineseF_Click();
    void MNEnglish_Click();
    void MNF1_Click();
    void MNAbout_Click();
    void Command1_Click();
    void Toolbar1_ButtonClick(const QString& key);

    void SetFmMenuEnabled(bool enabled) override;
    void ShowToolbarButton(int n) override;

    // Toolbar button n (1 to 9; 4 is the separator).
    QAction* ToolbarButton(int n) const;

    VbLabel* Label1 = nullptr;            // caption before the band list
    VbComboBox* Combo1 = nullptr;         // band selector
    VbComboBox* ComboCom = nullptr;       // serial port selector, shown only while choosing
    VbCommandButton* Command1 = nullptr;  // load the default data
    QToolBar* Toolbar1 = nullptr;
    QToolBar* CoolBar1 = nullptr;  // holds the band frame
    QMdiArea* MdiArea = nullptr;
    QLabel* StatusPanel1 = nullptr;  // "COM: " and the port
    QLabel* StatusPanel2 = nullptr;  // the device the port number stands for
    MSComm* MSComm1 = nullptr;
    QTimer* TimerW = nullptr;  // the transfer's reply watchdog, 50 ms
    RadioTransfer& Transfer() { return *transfer_; }

    QMenu* MNFile = nullptr;
    QMenu* MNEdit = nullptr;
    QMenu* MNProgram = nullptr;
    QMenu* MNLanguage = nullptr;
    QMenu* MNHelp = nullptr;
    QAction* MNNew = nullptr;
    QAction* MNOpen = nullptr;
    QAction* MNSave = nullptr;
    QAction* MNPrint = nullptr;
    QAction* MNQuit = nullptr;
    QAction* MNModel = nullptr;
    QAction* MNDTMF = nullptr;
    QAction* MNOption = nullptr;
    QAction* MNDebug = nullptr;
    QAction* MNFMset = nullptr;
    QAction* MNReset = nullptr;
    QAction* MNRead = nullptr;
    QAction* MNWrite = nullptr;
    QAction* MNCommPort = nullptr;
    QAction* MNChineseJ = nullptr;
    QAction* MNChineseF = nullptr;
    QAction* MNEnglish = nullptr;
    QAction* MNF1 = nullptr;
    QAction* MNAbout = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolbar();
    void BuildCoolBar();
    // The message of a chosen port that cannot be opened.
    void ReportPortNotOpened();
    // Read and Write open the chosen port again when its line dropped; false,
    // after the port's message, when it cannot be opened.
    bool OpenChosenPortAgain();
    // The forms whose captions a switch to Traditional converts, in order.
    std::vector<QWidget*> TraditionalForms();
    // Every channel of the grid shown again from the channel tables, with the
    // option texts of the current language; an empty channel is cleared.
    void RedrawChannelGrid();
    bool MDIForm_QueryUnload();
    void MDIForm_Unload();
    win::LRESULT BandComboWndProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam);

    ProgramRun& run_;
    std::unique_ptr<RadioTransfer> transfer_;
    bool closeRequestPending_ = false;
    bool askingToClose_ = false;
    bool closingOnRequest_ = false;  // the close runs at another copy's request
    std::unique_ptr<DataFileCommands> dataFiles_;
    std::unique_ptr<ServiceSwitches> serviceSwitches_;
    win::WNDPROC bandComboProc_ = 0;       // BandComboWndProc, as installed
    win::WNDPROC BandComboOldWndProc = 0;  // the band selector's own procedure

    // The program's printer: what the user chose for one print stays for the next.
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace qav
