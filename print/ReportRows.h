#pragma once
// The pieces both programs' reports are made of: the maker line at the top,
// the label-and-value rows of the settings tables, and the captions and values
// of controls found by their names.

#include <QString>

class QWidget;

namespace qav {

class CurtPrinter;

// The maker line in bold (a line naming the maker in English, the brand word
// elsewhere), then the point size of the title lines that follow.
void PrintMakerLine(CurtPrinter& printer, int language);

// One cell of a settings table: 4500 twips wide, centred, all four borders.
void ReportCell(CurtPrinter& printer, const QString& text);
void ReportCell(CurtPrinter& printer, qint32 number);
// A label and its value, then the end of the row.
void ReportRow(CurtPrinter& printer, const QString& label, const QString& value);
// The last row of a table: two line breaks in place of the end of the row.
void ReportLastRow(CurtPrinter& printer, const QString& label, const QString& value);

// The caption of a label, or the text of a list, on a form by its control
// name; empty when the form has no such control.
QString CaptionOf(const QWidget& form, const QString& name);
QString TextOf(const QWidget& form, const QString& name);

}  // namespace qav
