#include "print/CurtPrinter.h"

#include <QAction>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSaveFile>
#include <QToolBar>
#include <QVBoxLayout>

#include "forms/MSFlexGrid.h"
#include "print/PrintLayout.h"
#include "winsupport/LangText.h"

namespace qav {
namespace {

struct ButtonCaptions {
    LangText first{"首页", "First", "首頁"};
    LangText previous{"上一页", "Previous", "上一頁"};
    LangText next{"下一页", "Next", "下一頁"};
    LangText last{"末页", "Last", "末頁"};
    LangText zoomIn{"放大", "Zoom in", "放大"};
    LangText zoomOut{"缩小", "Zoom out", "縮小"};
    LangText fitWidth{"适合宽度", "Page width", "適合寬度"};
    LangText fitPage{"整页", "Whole page", "整頁"};
    LangText print{"打印", "Print", "列印"};
    LangText close{"关闭", "Close", "關閉"};
};

bool SamePaper(const QPageLayout& a, const QPageLayout& b) {
    return a.pageSize().isEquivalentTo(b.pageSize()) && a.orientation() == b.orientation();
}

}  // namespace

bool RunPrintDialog(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

CurtPrinter::CurtPrinter(QWidget* parent)
    : QWidget(parent), previewPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("CurtPrinter"));
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("CurtPrinterButtons"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    preview_ = new QPrintPreviewWidget(previewPrinter_.get(), this);
    preview_->setObjectName(QStringLiteral("CurtPrinterPages"));

    const auto button = [this](const char* name, auto slot) {
        QAction* action = toolBar_->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    first_ = button("First", [this] { GoToPage(1); });
    previous_ = button("Previous", [this] { GoToPage(preview_->currentPage() - 1); });
    next_ = button("Next", [this] { GoToPage(preview_->currentPage() + 1); });
    last_ = button("Last", [this] { GoToPage(preview_->pageCount()); });
    pageLabel_ = new QLabel(toolBar_);
    pageLabel_->setObjectName(QStringLiteral("PageNumber"));
    pageLabel_->setContentsMargins(8, 0, 8, 0);
    toolBar_->addWidget(pageLabel_);
    toolBar_->addSeparator();
    zoomIn_ = button("ZoomIn", [this] { preview_->zoomIn(); });
    zoomOut_ = button("ZoomOut", [this] { preview_->zoomOut(); });
    fitWidth_ = button("FitWidth", [this] { preview_->fitToWidth(); });
    fitPage_ = button("FitPage", [this] { preview_->fitInView(); });
    toolBar_->addSeparator();
    print_ = button("Print", [this] { emit PrintRequest(); });
    close_ = button("Close", [this] { emit CloseRequest(); });
    SetLanguage(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(toolBar_);
    column->addWidget(preview_, 1);

    // The pages are drawn from the document last ended for the preview.
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { PrintLayout::Render(shown_, settings_, *printer); });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &CurtPrinter::UpdatePageLabel);
    SetZoomMode(settings_.zoomMode);
}

CurtPrinter::~CurtPrinter() = default;

void CurtPrinter::Record(PrintOp op) {
    document_.push_back(std::move(op));
}

void CurtPrinter::StartDoc() {
    document_.clear();
    device_ = nullptr;
    cancelled_ = false;
    Record({.kind = PrintOp::Kind::BeginDocument});
}

void CurtPrinter::StartDoc(QPrinter*& device) {
    document_.clear();
    // A printer left busy by a print that failed cannot be set up again: the
    // control hands back a fresh one of its own in its place.
    if (device != nullptr && device->printerState() != QPrinter::Idle) {
        spare_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        device = spare_.get();
    }
    device_ = device;
    cancelled_ = device == nullptr || !printDialog_(*device, window());
    Record({.kind = PrintOp::Kind::BeginDocument, .toPrinter = true});
}

void CurtPrinter::NewPage() {
    Record({.kind = PrintOp::Kind::NewPage});
}

void CurtPrinter::PrintTitle(const QString& text) {
    Record({.kind = PrintOp::Kind::TitleLine, .text = text});
}

void CurtPrinter::PrintTitle(const QString& text, qint16 size, qint32 alignment) {
    Record({.kind = PrintOp::Kind::TitleLine, .text = text, .size = size, .alignment = alignment});
}

void CurtPrinter::PrintHeading(const QString& text) {
    Record({.kind = PrintOp::Kind::SectionHeading, .text = text});
}

void CurtPrinter::NewLine() {
    Record({.kind = PrintOp::Kind::LineBreak});
}

void CurtPrinter::AddCell(const QString& text, qint16 width, qint32 alignment, const QString& borders) {
    Record({.kind = PrintOp::Kind::TableCell,
            .text = text,
            .alignment = alignment,
            .width = width,
            .borders = borders});
}

void CurtPrinter::AddCell(qint32 number, qint16 width, qint32 alignment, const QString& borders) {
    Record({.kind = PrintOp::Kind::TableCell,
            .text = QString::number(number),
            .isNumber = true,
            .alignment = alignment,
            .width = width,
            .borders = borders});
}

void CurtPrinter::EndRow() {
    Record({.kind = PrintOp::Kind::EndOfRow});
}

void CurtPrinter::PrintGrid(const MSFlexGrid& grid, const QString& title) {
    GridTableData data;
    for (int row = 0; row < grid.Rows(); ++row) {
        std::vector<QString>& cells = data.cells.emplace_back();
        for (int col = 0; col < grid.Cols(); ++col) cells.push_back(grid.TextMatrix(row, col));
    }
    for (int col = 0; col < grid.Cols(); ++col) data.alignments.push_back(grid.ColAlignment(col));
    Record({.kind = PrintOp::Kind::GridTable, .text = title, .grid = std::move(data)});
}

void CurtPrinter::EndDoc() {
    Record({.kind = PrintOp::Kind::EndDocument});
    lastError_ = PrintError::None;
    if (device_ == nullptr) {
        shown_ = document_;
        preview_->updatePreview();
        return;
    }
    QPrinter& printer = *device_;
    device_ = nullptr;
    if (cancelled_) return;
    lastError_ = PrintOn(printer);
    // Paper or orientation chosen in the print dialog: the preview follows, so
    // it shows the pages as they came out.
    if (lastError_ == PrintError::None && !SamePaper(printer.pageLayout(), previewPrinter_->pageLayout())) {
        previewPrinter_->setPageSize(printer.pageLayout().pageSize());
        previewPrinter_->setPageOrientation(printer.pageLayout().orientation());
        QMetaObject::invokeMethod(this, &CurtPrinter::RenderRequest, Qt::QueuedConnection);
    }
}

CurtPrinter::PrintError CurtPrinter::PrintOn(QPrinter& printer) const {
    const QString fileName = printer.outputFileName();
    if (fileName.isEmpty()) {
        // Without a printer the output is a PDF file; with no file named
        // there is nothing to print on.
        if (!printer.isValid() || printer.outputFormat() == QPrinter::PdfFormat)
            return PrintError::PrinterUnavailable;
        return PrintLayout::Render(document_, settings_, printer) > 0 ? PrintError::None
                                                                      : PrintError::PrinterUnavailable;
    }
    // Printing to a file writes PDF. QSaveFile keeps the pages in a temporary
    // file beside the chosen one and renames it only after the last page.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return PrintError::FileNotWritable;
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        if (PrintLayout::Render(document_, settings_, pdf) == 0) {
            file.cancelWriting();
            return PrintError::FileNotWritable;
        }
    }
    return file.commit() ? PrintError::None : PrintError::FileNotWritable;
}

void CurtPrinter::SetFontBold(bool bold) {
    Record({.kind = PrintOp::Kind::FontBold, .value = bold ? 1 : 0});
}

void CurtPrinter::SetTitleSize(qint16 points) {
    Record({.kind = PrintOp::Kind::TitleSize, .value = points});
}

void CurtPrinter::SetZoomMode(qint32 mode) {
    settings_.zoomMode = mode;
    if (mode == 2)
        preview_->fitInView();
    else
        preview_->fitToWidth();
}

void CurtPrinter::SetFontSize(qint16 points) {
    settings_.fontSize = points;
}
void CurtPrinter::SetPageMargin(qint16 tenthsOfInch) {
    settings_.pageMargin = tenthsOfInch;
}
void CurtPrinter::SetCellPaddingX(qint16 points) {
    settings_.cellPaddingX = points;
}
void CurtPrinter::SetCellPaddingY(qint16 points) {
    settings_.cellPaddingY = points;
}

void CurtPrinter::SetLanguage(int language) {
    const ButtonCaptions captions;
    first_->setText(captions.first.Pick(language));
    previous_->setText(captions.previous.Pick(language));
    next_->setText(captions.next.Pick(language));
    last_->setText(captions.last.Pick(language));
    zoomIn_->setText(captions.zoomIn.Pick(language));
    zoomOut_->setText(captions.zoomOut.Pick(language));
    fitWidth_->setText(captions.fitWidth.Pick(language));
    fitPage_->setText(captions.fitPage.Pick(language));
    print_->setText(captions.print.Pick(language));
    close_->setText(captions.close.Pick(language));
}

int CurtPrinter::PreviewPageCount() const {
    return preview_->pageCount();
}

void CurtPrinter::GoToPage(int page) {
    preview_->setCurrentPage(std::clamp(page, 1, std::max(1, preview_->pageCount())));
    UpdatePageLabel();
}

void CurtPrinter::UpdatePageLabel() {
    const int count = preview_->pageCount();
    pageLabel_->setText(QStringLiteral("%1 / %2").arg(count == 0 ? 0 : preview_->currentPage()).arg(count));
}

}  // namespace qav
