#include "print/ReportRows.h"

#include <QWidget>

#include "print/CurtPrinter.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbLabel.h"

namespace qav {
namespace {

constexpr qint16 kCellWidth = 4500;
constexpr qint32 kCentred = 2;
const QString kAllBorders = QStringLiteral("1111");

}  // namespace

void PrintMakerLine(CurtPrinter& printer, int language) {
    printer.SetFontBold(true);
    if (language == 1)
        printer.PrintTitle(QStringLiteral("Pelorix Communication Equipment"), 12, 2);
    else
        printer.PrintTitle(QStringLiteral("QAV"), 20, 2);
    printer.SetFontBold(false);
    printer.SetTitleSize(14);
}

void ReportCell(CurtPrinter& printer, const QString& text) {
    printer.AddCell(text, kCellWidth, kCentred, kAllBorders);
}

void ReportCell(CurtPrinter& printer, qint32 number) {
    printer.AddCell(number, kCellWidth, kCentred, kAllBorders);
}

void ReportRow(CurtPrinter& printer, const QString& label, const QString& value) {
    ReportCell(printer, label);
    ReportCell(printer, value);
    printer.EndRow();
}

void ReportLastRow(CurtPrinter& printer, const QString& label, const QString& value) {
    ReportCell(printer, label);
    ReportCell(printer, value);
    printer.NewLine();
    printer.NewLine();
}

QString CaptionOf(const QWidget& form, const QString& name) {
    const auto* label = form.findChild<const VbLabel*>(name);
    return label != nullptr ? label->Caption() : QString();
}

QString TextOf(const QWidget& form, const QString& name) {
    const auto* combo = form.findChild<const VbComboBox*>(name);
    return combo != nullptr ? combo->Text() : QString();
}

}  // namespace qav
