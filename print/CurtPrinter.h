#pragma once
// The print-preview control: a report makes its calls on it (begin document,
// new page, title lines, section headings, line breaks, table cells, end of
// row, grid table, end document, and a few settings), which it keeps as a
// document of operations. At the end of the document it shows the pages in
// its preview, or sends them to the printer it was given.
//
// Its own buttons page through the preview, zoom, print and close; printing
// and closing are raised as events for the window holding the control.
//
// A printer whose output goes to a file (print to file in the print dialog)
// gets a PDF written atomically: to a temporary file beside the chosen name,
// renamed over it only when complete, so a failed print never leaves a cut-off
// file under that name.

#include <QWidget>
#include <functional>
#include <memory>

#include "print/PrintDocument.h"

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;

namespace qav {

class MSFlexGrid;

// Lets the user choose and set up the printer before a print; false: cancelled.
using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* owner)>;

// The system's print dialog.
bool RunPrintDialog(QPrinter& printer, QWidget* owner);

class CurtPrinter : public QWidget {
    Q_OBJECT
  public:
    enum class PrintError {
        None,
        PrinterUnavailable,  // the printer cannot be printed on
        FileNotWritable,     // the PDF file cannot be written
    };

    explicit CurtPrinter(QWidget* parent = nullptr);
    ~CurtPrinter() override;

    // ---- Operations of a report, in the order it makes them ----------------------
    // Begins a document for the preview.
    void StartDoc();
    // Begins a document for a printer: the print dialog lets the user choose
    // and set it up; device is then the printer to print on. A cancelled
    // dialog makes the document print nowhere.
    void StartDoc(QPrinter*& device);
    void NewPage();
    // A heading line; size in points, alignment 0 left, 1 right, 2 centred.
    void PrintTitle(const QString& text);
    void PrintTitle(const QString& text, qint16 size, qint32 alignment);
    void PrintHeading(const QString& text);
    void NewLine();
    // A cell of the current table row: width in twips, alignment as for a
    // title, borders "LTRB" with '1' for each border drawn.
    void AddCell(const QString& text, qint16 width, qint32 alignment, const QString& borders);
    void AddCell(qint32 number, qint16 width, qint32 alignment, const QString& borders);
    void EndRow();
    // The whole grid, as it holds its texts now, under a title repeated on
    // every further page the table needs.
    void PrintGrid(const MSFlexGrid& grid, const QString& title);
    // Shows the preview, or prints on the device of StartDoc.
    void EndDoc();

    // The font's bold flag, for the title lines and cells that follow.
    void SetFontBold(bool bold);
    // The point size of the title lines that have none of their own.
    void SetTitleSize(qint16 points);

    // ---- Layout settings (see PrintSettings) -------------------------------------
    void SetZoomMode(qint32 mode);
    void SetFontSize(qint16 points);
    void SetPageMargin(qint16 tenthsOfInch);
    void SetCellPaddingX(qint16 points);
    void SetCellPaddingY(qint16 points);
    const PrintSettings& Settings() const { return settings_; }

    // Captions of the buttons: 0 Simplified, 1 English, 2 Traditional.
    void SetLanguage(int language);
    void SetPrintDialog(PrintDialogRunner runner) { printDialog_ = std::move(runner); }

    // The document of the last report, complete once it has ended.
    const PrintDocument& Document() const { return document_; }
    // What went wrong with the last print; None after a preview or a print that worked.
    PrintError LastError() const { return lastError_; }
    // Pages the preview shows.
    int PreviewPageCount() const;

    QPrintPreviewWidget* Preview() const { return preview_; }
    QAction* PrintButton() const { return print_; }
    QAction* CloseButton() const { return close_; }

  signals:
    // The content should be made again for the preview (the page layout changed).
    void RenderRequest();
    void CloseRequest();
    void PrintRequest();

  private:
    void Record(PrintOp op);
    PrintError PrintOn(QPrinter& printer) const;
    void UpdatePageLabel();
    void GoToPage(int page);

    PrintSettings settings_;
    std::unique_ptr<QPrinter> previewPrinter_;  // the pages the preview shows are laid out for it
    PrintDocument document_;
    PrintDocument shown_;              // what the preview draws
    std::unique_ptr<QPrinter> spare_;  // handed back in place of a printer that cannot print again
    QPrinter* device_ = nullptr;       // the printer of the running document; nullptr: the preview
    bool cancelled_ = false;           // the print dialog was cancelled
    PrintError lastError_ = PrintError::None;
    PrintDialogRunner printDialog_ = RunPrintDialog;

    QToolBar* toolBar_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* fitWidth_ = nullptr;
    QAction* fitPage_ = nullptr;
    QAction* print_ = nullptr;
    QAction* close_ = nullptr;
};

}  // namespace qav
