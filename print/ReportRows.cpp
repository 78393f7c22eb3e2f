#include "print/ReportRows.h"

#include <QWidget>

#include "forms/Form4.h"
#include "forms/MSFlexGrid.h"
#include "print/CurtPrinter.h"
#include "winsupport/LangText.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"

namespace qav {
namespace {

constexpr qint16 kCellWidth = 4500;
constexpr qint32 kCentred = 2;
const QString kAllBorders = QStringLiteral("1111");

}  // namespace

void BeginReport(CurtPrinter& printer, QPrinter*& device, int language, const QString& product) {
    if (device == nullptr)
        printer.StartDoc();
    else
        printer.StartDoc(device);
    printer.NewPage();

    printer.SetFontBold(true);
    if (language == 1)
        printer.PrintTitle(QStringLiteral("Pelorix Communication Equipment"), 12, 2);
    else
        printer.PrintTitle(QStringLiteral("QAV"), 20, 2);
    printer.SetFontBold(false);
    printer.SetTitleSize(14);

    printer.PrintTitle(
        product + LangText{"编程数据打印", "programming data are printed", "編程數據列印"}.Pick(language));
    printer.NewLine();

    printer.PrintHeading(LangText{"功能设置", "Function set", "功能設定"}.Pick(language));
    printer.NewLine();
}

void PrintTuningTable(CurtPrinter& printer, const Form4& form, int language) {
    if (language != 2) printer.PrintHeading(LangText{"调试信息", "Debug information", ""}.Pick(language));
    printer.NewLine();
    for (std::size_t i = 0; i < form.Frame1.size(); ++i) {
        ReportCell(printer, form.Frame1[i]->Caption());
        printer.AddCell(qint32(form.Slider1[i]->Value()), kCellWidth, kCentred, kAllBorders);
        printer.EndRow();
    }
}

void EndReportWithChannels(CurtPrinter& printer, const MSFlexGrid& grid, int language) {
    const QString channels = LangText{"信道数据", "Channel data", "信道數據"}.Pick(language);
    printer.PrintTitle(channels);
    printer.PrintGrid(grid, channels);
    printer.NewLine();
    printer.EndDoc();
}

void ReportCell(CurtPrinter& printer, const QString& text) {
    printer.AddCell(text, kCellWidth, kCentred, kAllBorders);
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
