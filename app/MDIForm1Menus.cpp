// The main window's menus and the commands that only show a window.
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinter>
#include <QScopeGuard>
#include <QUrl>

#include "app/ApplyLanguageCaptions.h"
#include "app/DataFileCommands.h"
#include "app/FrmAbout.h"
#include "app/MDIForm1.h"
#include "app/ProgramRun.h"
#include "app/RadioTransfer.h"
#include "app/ServiceSwitches.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "forms/RunState.h"
#include "image/Language.h"
#include "print/FrmPrint.h"
#include "winsupport/AppPaths.h"
#include "winsupport/VbComboBox.h"

namespace qav {
namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

void MDIForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut,
                             void (MDIForm1::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    MNFile = AddMenu(bar, "MNFile", "文件(&F)");
    MNNew = item(MNFile, "MNNew", "新建(&N)", QKeySequence(Qt::CTRL | Qt::Key_N), &MDIForm1::MNNew_Click);
    MNOpen = item(MNFile, "MNOpen", "打开(&O)", QKeySequence(Qt::CTRL | Qt::Key_O), &MDIForm1::MNOpen_Click);
    MNSave = item(MNFile, "MNSave", "保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S), &MDIForm1::MNSave_Click);
    MNPrint = item(MNFile, "MNPrint", "打印(&P)", QKeySequence(), &MDIForm1::MNPrint_Click);
    MNFile->addSeparator()->setObjectName(QStringLiteral("MNLine1"));
    MNQuit = item(MNFile, "MNQuit", "退出(&Q)", QKeySequence(), &MDIForm1::MNQuit_Click);

    MNEdit = AddMenu(bar, "MNEdit", "编辑(&E)");
    MNModel =
        item(MNEdit, "MNModel", "信道编辑(&M)", QKeySequence(Qt::CTRL | Qt::Key_M), &MDIForm1::MNModel_Click);
    MNDTMF =
        item(MNEdit, "MNDTMF", "DTMF信令(&D)", QKeySequence(Qt::CTRL | Qt::Key_D), &MDIForm1::MNDTMF_Click);
    MNOption = item(MNEdit, "MNOption", "可选功能(&P)", QKeySequence(Qt::CTRL | Qt::Key_P),
                    &MDIForm1::MNOption_Click);
    MNDebug =
        item(MNEdit, "MNDebug", "调试信息(&B)", QKeySequence(Qt::CTRL | Qt::Key_B), &MDIForm1::MNDebug_Click);
    MNFMset = item(MNEdit, "MNFMset", "收音机频道设置", QKeySequence(Qt::CTRL | Qt::Key_F),
                   &MDIForm1::MNFMset_Click);
    MNFMset->setEnabled(false);  // follows the FM function of the optional features
    MNReset = item(MNEdit, "MNReset", "恢复出厂设置", QKeySequence(), &MDIForm1::MNReset_Click);

    MNProgram = AddMenu(bar, "MNProgram", "编程(&G)");
    MNRead =
        item(MNProgram, "MNRead", "读频(&R)", QKeySequence(Qt::CTRL | Qt::Key_R), &MDIForm1::MNRead_Click);
    MNWrite =
        item(MNProgram, "MNWrite", "写频(&W)", QKeySequence(Qt::CTRL | Qt::Key_W), &MDIForm1::MNWrite_Click);

    MNCommPort = bar->addAction(QStringLiteral("通信端口(&C)"));
    MNCommPort->setObjectName(QStringLiteral("MNCommPort"));
    connect(MNCommPort, &QAction::triggered, this, &MDIForm1::MNCommPort_Click);

    MNLanguage = AddMenu(bar, "MNLanguage", "语言选择(&L)");
    MNChineseJ = item(MNLanguage, "MNChineseJ", "中文简体(&CJ)", QKeySequence(), &MDIForm1::MNChineseJ_Click);
    MNChineseF = item(MNLanguage, "MNChineseF", "中文繁体(&CF)", QKeySequence(), &MDIForm1::MNChineseF_Click);
    MNEnglish = item(MNLanguage, "MNEnglish", "英文(&E)", QKeySequence(), &MDIForm1::MNEnglish_Click);

    MNHelp = AddMenu(bar, "MNHelp", "帮助(&H)");
    MNF1 = item(MNHelp, "MNF1", "帮助主题(F1)", QKeySequence(Qt::Key_F1), &MDIForm1::MNF1_Click);
    MNAbout =
        item(MNHelp, "MNAbout", "帮助(&H)", QKeySequence(Qt::CTRL | Qt::Key_A), &MDIForm1::MNAbout_Click);
}

void MDIForm1::MNQuit_Click() {
    close();
}

void MDIForm1::MNRead_Click() {
    if (!transfer_->Reading && !transfer_->Writing && !OpenChosenPortAgain()) return;
    transfer_->MNRead_Click();
}
void MDIForm1::MNWrite_Click() {
    if (!transfer_->Reading && !transfer_->Writing && !OpenChosenPortAgain()) return;
    transfer_->MNWrite_Click();
}

void MDIForm1::MNModel_Click() {
    run_.forms.form1->ShowForm();
}
void MDIForm1::MNDTMF_Click() {
    run_.forms.form2->ShowForm();
}
void MDIForm1::MNOption_Click() {
    run_.forms.form3->ShowForm();
}
void MDIForm1::MNDebug_Click() {
    run_.forms.form4->ShowForm();
}
void MDIForm1::MNFMset_Click() {
    run_.forms.form5->ShowForm();
}

void MDIForm1::MNCommPort_Click() {
    ComboCom->show();
    ComboCom->SetFocus();
}

// Choosing the language that is already active applies its captions again.
void MDIForm1::MNChineseJ_Click() {
    run_.state.Language = LangSimplified;
    ApplyLanguageCaptions(run_);
    RedrawChannelGrid();
}

void MDIForm1::MNEnglish_Click() {
    run_.state.Language = LangEnglish;
    ApplyLanguageCaptions(run_);
    RedrawChannelGrid();
}

void MDIForm1::MNChineseF_Click() {
    if (run_.state.Language == LangTraditional) return;
    // Traditional is made from the Simplified captions, never from English ones.
    if (run_.state.Language == LangEnglish) {
        run_.state.Language = LangSimplified;
        ApplyLanguageCaptions(run_);
    }
    run_.state.Language = LangTraditional;
    for (QWidget* form : TraditionalForms())
        if (form != nullptr) run_.stringJorF.ConvertFormToTraditional(*form);
    RedrawChannelGrid();
}

std::vector<QWidget*> MDIForm1::TraditionalForms() {
    // The About box and the progress window are built anew each time they are
    // shown: the About box is converted then (MNAbout_Click), and the progress
    // window has no caption but the texts each transfer sets from its own
    // literals. FrmPrint too is built for each print and takes its title and
    // its buttons' captions from its own three-language literals.
    return {this, run_.forms.form1, run_.forms.form2, run_.forms.form3, run_.forms.form4, run_.forms.form5};
}

void MDIForm1::RedrawChannelGrid() {
    // The grid's cells hold copies of the editor lists' texts: every channel is
    // shown again from the channel tables, in the lists' new language.
    if (run_.forms.form1 == nullptr) return;  // before the main window has loaded its forms
    const ChannelTables& tables = run_.state.channels;
    Form1& form1 = *run_.forms.form1;
    MSFlexGrid& grid = *form1.Grid1;
    // Option column k of the tables (k from 2) is grid column k + 3.
    const int lastOptionColumn = Form1::kColFirstOption + tables.optionColumns() - 3;
    const auto item = [](const VbComboBox* list, int index) { return list ? list->List(index) : QString(); };
    for (int r = 1; r <= tables.channelCount(); ++r) {
        if (tables.ChannelFreq(r - 1, 0).empty()) {
            form1.ClearNO(r);
            continue;
        }
        grid.SetTextMatrix(r, Form1::kColReceive, QString::fromStdString(tables.ChannelFreq(r - 1, 0)));
        grid.SetTextMatrix(r, Form1::kColTransmit, QString::fromStdString(tables.ChannelFreq(r - 1, 1)));
        grid.SetTextMatrix(r, Form1::kColReceiveTone, item(form1.Combo1, tables.ChannelOptions(r - 1, 0)));
        grid.SetTextMatrix(r, Form1::kColTransmitTone, item(form1.Combo1, tables.ChannelOptions(r - 1, 1)));
        for (int c = Form1::kColFirstOption; c <= lastOptionColumn; ++c)
            grid.SetTextMatrix(r, c, item(form1.Combo5(c), tables.ChannelOptions(r - 1, c - 3)));
    }
}

void MDIForm1::MNF1_Click() {
    // The help file of the language, next to the program; a missing one shows nothing.
    const auto& files = run_.state.profile.helpFiles;
    const int language = run_.state.Language;
    const std::string_view name = files[language >= 0 && language <= 2 ? language : 1];
    const QString path = ShippedFile(run_.ProgramFolder(), run_.state.profile.programName,
                                     QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (QFileInfo::exists(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MDIForm1::MNAbout_Click() {
    FrmAbout about(run_.state, run_.forms.form1, this);
    ApplyCaptionsTo(about, run_.state.Language);
    if (run_.state.Language == LangTraditional) {
        run_.stringJorF.ConvertFormToTraditional(about);
        about.lblVersion->setText(QStringLiteral("繁體中文版 V1.00"));
    }
    about.exec();
}

void MDIForm1::MNPrint_Click() {
    // The channel grid does not redraw while the preview is up, and redraws
    // again however the preview ends.
    MSFlexGrid& grid = *run_.forms.form1->Grid1;
    grid.SetRedraw(false);
    const auto redrawAgain = qScopeGuard([&grid] { grid.SetRedraw(true); });
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    FrmPrint preview(run_.Context(), *printer_, this);
    preview.PrintContent();
    preview.exec();
}

void MDIForm1::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("TNew"))
        MNNew_Click();
    else if (key == QLatin1String("TOpen"))
        MNOpen_Click();
    else if (key == QLatin1String("TSave"))
        MNSave_Click();
    else if (key == QLatin1String("TWrite"))
        MNWrite_Click();
    else if (key == QLatin1String("TRead"))
        MNRead_Click();
    else if (key == QLatin1String("TAnMa"))
        serviceSwitches_->TAnMa_Click();
    else if (key == QLatin1String("TDebug"))
        serviceSwitches_->TDebug_Click();
    else if (key == QLatin1String("TFMMa"))
        serviceSwitches_->TFMMa_Click();
}

void MDIForm1::MNNew_Click() {
    dataFiles_->MNNew_Click();
}
void MDIForm1::MNOpen_Click() {
    dataFiles_->MNOpen_Click();
}
void MDIForm1::MNSave_Click() {
    dataFiles_->MNSave_Click();
}
void MDIForm1::MNReset_Click() {
    dataFiles_->MNReset_Click();
}
void MDIForm1::Command1_Click() {
    dataFiles_->Command1_Click();
}

}  // namespace qav
