#include "app/MDIForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "app/DataFileCommands.h"
#include "app/MSComm.h"
#include "app/ParameterFile.h"
#include "app/ProgramRun.h"
#include "app/RadioTransfer.h"
#include "app/ServiceSwitches.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "winsupport/LangText.h"
#include "winsupport/ModuleRegedit.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbLabel.h"
#include "winsupport/WindowTable.h"

namespace qav {
namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// How often a close request from outside looks again whether the program is idle.
constexpr int kCloseRetryMs = 250;

QString ParameterPath(const ProgramRun& run) {
    return run.UserFolder() + QStringLiteral("/parameter");
}

}  // namespace

MDIForm1::MDIForm1(ProgramRun& run) : run_(run) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(Text(run.state.profile.windowTitle));

    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    // A form reaching past the area (a main window made smaller than the
    // channel editor) stays reachable.
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);

    BuildMenus();
    BuildToolbar();
    BuildCoolBar();

    StatusPanel1 = new QLabel(this);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(160);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusPanel1);

    StatusPanel2 = new QLabel(this);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    statusBar()->addWidget(StatusPanel2, 1);

    MSComm1 = new MSComm(run.options.portFolders ? SerialPortMap(*run.options.portFolders)
                                                 : SerialPortMap::ForProgram(run.state.profile.programName),
                         this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    MSComm1->SetRThreshold(1);
    TimerW = new QTimer(this);
    TimerW->setObjectName(QStringLiteral("TimerW"));
    TimerW->setInterval(50);
    transfer_ = std::make_unique<RadioTransfer>(run, *this, *MSComm1, *TimerW);
    connect(MSComm1, &MSComm::OnComm, transfer_.get(), &RadioTransfer::MSComm1_OnComm);
    connect(MSComm1, &MSComm::LineDropped, this, &MDIForm1::UpdatePortStatus);
    connect(TimerW, &QTimer::timeout, transfer_.get(), &RadioTransfer::TimerW_Timer);
    dataFiles_ = std::make_unique<DataFileCommands>(run, *this, DataFileCommands::CodecOf(run));
    serviceSwitches_ = std::make_unique<ServiceSwitches>(run, *this);

    bandComboProc_ = win::RegisterWindowProc([this](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
        return BandComboWndProc(h, m, w, l);
    });
    resize(1100, 760);
}

MDIForm1::~MDIForm1() {
    const win::HWND band = win::HandleOf(Combo1);
    if (win::GetWindowLongA(band, win::GWL_WNDPROC) == bandComboProc_)
        win::SetWindowLongA(band, win::GWL_WNDPROC, BandComboOldWndProc);
    win::UnregisterWindowProc(bandComboProc_);
}

void MDIForm1::BuildToolbar() {
    Toolbar1 = addToolBar(QString());
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    struct Button {
        const char* key;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {"TNew", QStyle::SP_FileIcon},           {"TOpen", QStyle::SP_DialogOpenButton},
        {"TSave", QStyle::SP_DialogSaveButton},  {nullptr, QStyle::SP_CustomBase},
        {"TRead", QStyle::SP_ArrowDown},         {"TWrite", QStyle::SP_ArrowUp},
        {"TAnMa", QStyle::SP_MessageBoxWarning}, {"TDebug", QStyle::SP_ComputerIcon},
        {"TFMMa", QStyle::SP_MediaVolume},
    };
    for (const Button& b : buttons) {
        if (b.key == nullptr) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        QAction* action = Toolbar1->addAction(style()->standardIcon(b.icon), QString());
        action->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
    // The service buttons appear only after the service unlock.
    for (int n = 7; n <= 9; ++n) ToolbarButton(n)->setVisible(false);
}

QAction* MDIForm1::ToolbarButton(int n) const {
    const QList<QAction*> actions = Toolbar1->actions();
    return n >= 1 && n <= actions.size() ? actions.at(n - 1) : nullptr;
}

void MDIForm1::BuildCoolBar() {
    CoolBar1 = addToolBar(QString());
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    CoolBar1->setMovable(false);
    auto* frame = new QWidget(CoolBar1);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 0, 6, 0);

    Label1 = new VbLabel(QStringLiteral("频段"), frame);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new VbComboBox(frame);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const char* band : {"136-174MHz", "350-390MHz", "400-470MHz"})
        Combo1->AddItem(QString::fromLatin1(band));
    Combo1->setMinimumContentsLength(10);
    ComboCom = new VbComboBox(frame);
    ComboCom->setObjectName(QStringLiteral("ComboCom"));
    ComboCom->setMinimumContentsLength(4);
    // Its place is kept while it is hidden, so that showing it moves nothing
    // the user may be about to click.
    QSizePolicy keepsPlace = ComboCom->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    ComboCom->setSizePolicy(keepsPlace);
    ComboCom->hide();
    // Esc puts it away without choosing, as leaving it does.
    auto* escape =
        new QShortcut(QKeySequence(Qt::Key_Escape), ComboCom, nullptr, nullptr, Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, ComboCom, &QWidget::hide);
    Command1 = new VbCommandButton(frame);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->SetCaption(QStringLiteral("恢复出厂设置"));

    row->addWidget(Label1);
    row->addWidget(Combo1);
    row->addWidget(ComboCom);
    row->addSpacing(12);
    row->addWidget(Command1);
    CoolBar1->addWidget(frame);

    connect(Combo1, &VbComboBox::Click, this, &MDIForm1::Combo1_Click);
    connect(Combo1, &VbComboBox::DropDown, this, &MDIForm1::Combo1_DropDown);
    connect(ComboCom, &VbComboBox::Click, this, &MDIForm1::ComboCom_Click);
    connect(ComboCom, &VbComboBox::LostFocus, this, &MDIForm1::ComboCom_LostFocus);
    connect(Command1, &VbCommandButton::Click, this, &MDIForm1::Command1_Click);
}

void MDIForm1::MDIForm_Load() {
    run_.state.band.PrevBandIndex = 2;
    Combo1->SetListIndex(2);  // sets the band limits, asks nothing

    FormContext& context = run_.Context();
    run_.forms.form1 = new Form1(context);
    run_.forms.form2 = new Form2(context);
    run_.forms.form3 = new Form3(context);
    run_.forms.form4 = new Form4(context);
    run_.forms.form5 = new Form5(context);
    run_.forms.form1->Load(MdiArea);
    run_.forms.form2->Load(MdiArea);
    run_.forms.form3->Load(MdiArea);
    run_.forms.form4->Load(MdiArea);
    run_.forms.form5->Load(MdiArea);
    run_.forms.form1->ShowForm();
    run_.msgbox.SetOwner(run_.forms.form1);

    for (int port = 1; port <= 16; ++port) ComboCom->AddItem(QString::number(port));
    // A byte the list cannot take leaves no port selected.
    ComboCom->SetListIndex(ParameterFile(ParameterPath(run_)).ReadPortIndex());
    UpdatePortStatus();

    FillToneTable(run_.state.toneTable);

    BandComboOldWndProc = win::GetWindowLongA(win::HandleOf(Combo1), win::GWL_WNDPROC);
    win::SetWindowLongA(win::HandleOf(Combo1), win::GWL_WNDPROC, bandComboProc_);
}

win::LRESULT MDIForm1::BandComboWndProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam) {
    if (message == win::WM_MOUSEWHEEL) return 0;  // the wheel never changes the band
    return win::CallWindowProcA(BandComboOldWndProc, window, message, wParam, lParam);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

void MDIForm1::CloseWhenIdle() {
    if (askingToClose_) return;  // the question is already up
    const bool busy =
        transfer_->Reading || transfer_->Writing || QApplication::activeModalWidget() != nullptr;
    if (busy) {
        if (closeRequestPending_) return;
        closeRequestPending_ = true;
        QTimer::singleShot(kCloseRetryMs, this, [this] {
            closeRequestPending_ = false;
            CloseWhenIdle();
        });
        return;
    }
    // The copy that asked has already asked every copy; this close must not
    // ask them once more (a copy whose user just said Cancel would be asked
    // again for every copy that closes).
    closingOnRequest_ = true;
    close();
    closingOnRequest_ = false;
}

bool MDIForm1::MDIForm_QueryUnload() {
    const LangText title{"注意", "Be careful", "注意"};
    const LangText first{"确定退出本程序？", "Confirm that withdraws from a procedure?", "確定退出本程式？"};
    const LangText second{"未保存的更改将全部丢失！", "Lose all in change not kept!",
                          "未儲存的更改將全部丟失！"};
    const int language = run_.state.Language;
    const QString text = first.Pick(language) + QStringLiteral("\r\n") + second.Pick(language);
    askingToClose_ = true;
    const bool confirmed = run_.msgbox.ShowMessage(text, ConfirmStyle, title.Pick(language)) == IDOK;
    askingToClose_ = false;
    return confirmed;
}

void MDIForm1::MDIForm_Unload() {
    // A port byte that cannot be stored costs only the port choice; the rest of
    // the shutdown goes on.
    const int index = ComboCom->ListIndex();
    ParameterFile(ParameterPath(run_)).WritePortIndex(index < 0 ? 1 : index);

    const win::HWND band = win::HandleOf(Combo1);
    win::SetWindowLongA(band, win::GWL_WNDPROC, BandComboOldWndProc);

    RegSetBinaryByte(run_.registry, win::HKEY_CURRENT_USER, Text(run_.state.profile.registryKey),
                     QStringLiteral("BinaryValue"), QString::number(run_.state.Language));

    if (!closingOnRequest_) run_.options.closeProgram(Text(run_.state.profile.programName));
}

void MDIForm1::SetFmMenuEnabled(bool enabled) {
    MNFMset->setEnabled(enabled);
}

void MDIForm1::ShowToolbarButton(int n) {
    if (QAction* button = ToolbarButton(n)) button->setVisible(true);
}

}  // namespace qav
