#pragma once
// The print-preview window: the preview control filling the window, and the
// report it shows. The report is the program's model's own (ModelVariant);
// the QAV-750 report is the default.
//
// The window is made for one print command and thrown away when it closes.
// Printing from its print button reports a failed print to the user and
// leaves the preview open.

#include <QDialog>

#include "forms/FormContext.h"

class QPrinter;

namespace qav {

class CurtPrinter;

class FrmPrint : public QDialog {
    Q_OBJECT
  public:
    // printer: the program's printer, which prints keep their choices on.
    FrmPrint(FormContext& context, QPrinter& printer, QWidget* parent = nullptr);

    // Builds the report on the control: for the preview when PrintDevice is
    // nullptr, else on that printer (which the control may replace by the one
    // the user chose). False when the print failed; the control tells how.
    bool PrintContent(QPrinter*& PrintDevice);
    // The preview.
    bool PrintContent();

    // Event handlers of the control.
    void CurtPrinter1_RenderRequest();
    void CurtPrinter1_CloseRequest();
    void CurtPrinter1_PrintRequest();

    QWidget* Picture1 = nullptr;  // holds the control
    CurtPrinter* CurtPrinter1 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;  // Form_Resize

  private:
    void Form_Load();
    void ReportPrintFailure();

    FormContext& context_;
    QPrinter& printer_;
};

}  // namespace qav
