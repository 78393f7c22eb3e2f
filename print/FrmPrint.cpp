#include "print/FrmPrint.h"

#include <QPrinter>
#include <QResizeEvent>

#include "forms/ModelVariant.h"
#include "forms/RunState.h"
#include "print/CurtPrinter.h"
#include "print/Qav750PrintContent.h"
#include "winsupport/LangText.h"
#include "winsupport/ModuleMsgbox.h"
#include "winsupport/Twips.h"

namespace qav {

FrmPrint::FrmPrint(FormContext& context, QPrinter& printer, QWidget* parent)
    : QDialog(parent), context_(context), printer_(printer) {
    setObjectName(QStringLiteral("FrmPrint"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    CurtPrinter1 = new CurtPrinter(Picture1);
    CurtPrinter1->setObjectName(QStringLiteral("CurtPrinter1"));
    connect(CurtPrinter1, &CurtPrinter::RenderRequest, this, &FrmPrint::CurtPrinter1_RenderRequest);
    connect(CurtPrinter1, &CurtPrinter::CloseRequest, this, &FrmPrint::CurtPrinter1_CloseRequest);
    connect(CurtPrinter1, &CurtPrinter::PrintRequest, this, &FrmPrint::CurtPrinter1_PrintRequest);
    resize(TwipsToPixels(12000), TwipsToPixels(10500));
    Form_Load();
}

void FrmPrint::Form_Load() {
    const auto& name = context_.state.profile.programName;
    const int language = context_.state.Language;
    setWindowTitle(QString::fromUtf8(name.data(), qsizetype(name.size())) +
                   LangText{"打印预览", "Print preview", "列印預覽"}.Pick(language));
    CurtPrinter1->SetLanguage(language);
    CurtPrinter1->SetZoomMode(1);
    CurtPrinter1->SetFontSize(10);
    CurtPrinter1->SetPageMargin(5);
    CurtPrinter1->SetCellPaddingX(4);
    CurtPrinter1->SetCellPaddingY(2);
}

void FrmPrint::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Picture1->setGeometry(0, 0, width(), height());
    CurtPrinter1->setGeometry(0, 0, Picture1->width(), Picture1->height());
}

bool FrmPrint::PrintContent(QPrinter*& PrintDevice) {
    const auto& content = context_.variant.printContent;
    if (content)
        content(*CurtPrinter1, PrintDevice, context_);
    else
        Qav750PrintContent(*CurtPrinter1, PrintDevice, context_);
    return CurtPrinter1->LastError() == CurtPrinter::PrintError::None;
}

bool FrmPrint::PrintContent() {
    QPrinter* none = nullptr;
    return PrintContent(none);
}

void FrmPrint::CurtPrinter1_RenderRequest() {
    PrintContent();
}

void FrmPrint::CurtPrinter1_CloseRequest() {
    accept();
}

void FrmPrint::CurtPrinter1_PrintRequest() {
    QPrinter* device = &printer_;
    if (!PrintContent(device)) ReportPrintFailure();
}

void FrmPrint::ReportPrintFailure() {
    const int language = context_.state.Language;
    QString text;
    if (CurtPrinter1->LastError() == CurtPrinter::PrintError::FileNotWritable)
        text = LangText{"无法写入文件：", "The file cannot be written: ", "無法寫入檔案："}.Pick(language) +
               printer_.outputFileName();
    else
        text = LangText{"打印机不可用，没有打印。", "The printer is not available; nothing was printed.",
                        "印表機不可用，沒有列印。"}
                   .Pick(language);
    context_.msgbox.ShowMessage(text, MB_ICONERROR);
}

}  // namespace qav
