#include "print/Qav750PrintContent.h"

#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/MSFlexGrid.h"
#include "forms/RunState.h"
#include "print/CurtPrinter.h"
#include "winsupport/LangText.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

// Every table cell of the report: 4500 twips wide, text centred, all four borders.
constexpr qint16 kCellWidth = 4500;
constexpr qint32 kCentred = 2;
const QString kAllBorders = QStringLiteral("1111");

void Cell(CurtPrinter& printer, const QString& text) {
    printer.AddCell(text, kCellWidth, kCentred, kAllBorders);
}

// A label and its value, then the end of the row.
void Row(CurtPrinter& printer, const QString& label, const QString& value) {
    Cell(printer, label);
    Cell(printer, value);
    printer.EndRow();
}

// The last row of a table: two line breaks in place of the end of the row.
void LastRow(CurtPrinter& printer, const QString& label, const QString& value) {
    Cell(printer, label);
    Cell(printer, value);
    printer.NewLine();
    printer.NewLine();
}

// A caption or a field of the optional features found by its control name.
QString CaptionOf(const Form3& form, const QString& name) {
    const auto* label = form.findChild<const VbLabel*>(name);
    return label != nullptr ? label->Caption() : QString();
}
QString TextOf(const Form3& form, const QString& name) {
    const auto* combo = form.findChild<const VbComboBox*>(name);
    return combo != nullptr ? combo->Text() : QString();
}

}  // namespace

void Qav750PrintContent(CurtPrinter& printer, QPrinter*& device, FormContext& context) {
    const int language = context.state.Language;
    const Form3& f3 = *context.forms.form3;
    const Form4& f4 = *context.forms.form4;

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
        LangText{"QAV-750对讲机", "QAV-750 Interphone ", "QAV-750對講機"}.Pick(language) +
        LangText{"编程数据打印", "programming data are printed", "編程數據列印"}.Pick(language));
    printer.NewLine();

    printer.PrintHeading(LangText{"功能设置", "Function set", "功能設定"}.Pick(language));
    printer.NewLine();
    Row(printer, f3.Label2->Caption(), f3.Text2->Text());
    Row(printer, f3.Label6->Caption(), f3.Text6->Text());
    Row(printer, f3.Label1->Caption(), f3.Combo1->Text());
    Row(printer, f3.Label3->Caption(), f3.Combo3->Text());
    Row(printer, f3.Label5->Caption(), f3.Combo5->Text());
    Row(printer, f3.Label7->Caption(), f3.Combo7->Text());
    Row(printer, f3.Label8->Caption(), f3.Combo8->Text());
    Row(printer, f3.Label9->Caption(), f3.Combo9->Text());
    Row(printer, f3.Label10->Caption(), f3.Combo10->Text());
    Row(printer, f3.Label11->Caption(), f3.Combo11->Text());
    LastRow(printer, f3.Label19->Caption(), f3.Combo19->Text());

    printer.PrintHeading(LangText{"全频频率", "The whole frequency frequently", "全頻頻率"}.Pick(language));
    printer.NewLine();
    Row(printer, f3.Label20->Caption(), f3.Text20->Text());
    Row(printer, f3.Label21->Caption(), f3.Text21->Text());
    for (int n = 22; n <= 29; ++n) {
        if (n == 26) continue;  // scan add is not part of the full-band settings printed
        Row(printer, CaptionOf(f3, QStringLiteral("Label%1").arg(n)),
            TextOf(f3, QStringLiteral("Combo%1").arg(n)));
    }
    printer.NewLine();
    printer.NewLine();

    printer.PrintHeading(
        LangText{"VOX(声控发射)", "VOX(Voice control launches)", "VOX(聲控發射)"}.Pick(language));
    printer.NewLine();
    Row(printer, f3.Label14->Caption(), f3.Combo14->Text());
    LastRow(printer, f3.Label15->Caption(), f3.Combo15->Text());

    // The Traditional report has no heading over the tuning grades.
    if (language != 2) printer.PrintHeading(LangText{"调试信息", "Debug information", ""}.Pick(language));
    printer.NewLine();
    for (int i = 0; i < 3; ++i) {
        Cell(printer, f4.Frame1[std::size_t(i)]->Caption());
        printer.AddCell(qint32(f4.Slider1[std::size_t(i)]->Value()), kCellWidth, kCentred, kAllBorders);
        printer.EndRow();
    }

    printer.NewPage();
    const QString channels = LangText{"信道数据", "Channel data", "信道數據"}.Pick(language);
    printer.PrintTitle(channels);
    printer.PrintGrid(*context.forms.form1->Grid1, channels);

    printer.NewLine();
    printer.EndDoc();
}

}  // namespace qav
