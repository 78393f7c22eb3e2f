#pragma once
// What both programs' reports are built from: the opening with the maker
// and product lines, the label-and-value rows of the settings tables, the
// tuning grades, the channel table at the end, and the captions and values of
// controls found by their names.

#include <QString>

class QPrinter;
class QWidget;

namespace qav {

class CurtPrinter;
class Form4;
class MSFlexGrid;

// Begins the document (device: nullptr for the preview, else the printer, as
// CurtPrinter::StartDoc takes it) on a new page with the maker line in bold (a
// line naming the maker in English, the brand word elsewhere), the product
// title (product text, then "programming data are printed" in the language)
// and the heading of the function settings.
void BeginReport(CurtPrinter& printer, QPrinter*& device, int language, const QString& product);

// The tuning grades: a heading (none in Traditional, though its line break
// stays) and the three sections of the selected tab with their slider values.
void PrintTuningTable(CurtPrinter& printer, const Form4& form, int language);

// The channel grid whole under its title, then the end of the document.
void EndReportWithChannels(CurtPrinter& printer, const MSFlexGrid& grid, int language);

// One cell of a settings table: 4500 twips wide, centred, all four borders.
void ReportCell(CurtPrinter& printer, const QString& text);
// A label and its value, then the end of the row.
void ReportRow(CurtPrinter& printer, const QString& label, const QString& value);
// The last row of a table: two line breaks in place of the end of the row.
void ReportLastRow(CurtPrinter& printer, const QString& label, const QString& value);

// The caption of a label, or the text of a list, on a form by its control
// name; empty when the form has no such control.
QString CaptionOf(const QWidget& form, const QString& name);
QString TextOf(const QWidget& form, const QString& name);

}  // namespace qav
