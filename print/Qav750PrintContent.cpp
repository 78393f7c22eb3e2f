#include "print/Qav750PrintContent.h"

#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/MSFlexGrid.h"
#include "forms/RunState.h"
#include "print/CurtPrinter.h"
#include "print/ReportRows.h"
#include "winsupport/LangText.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"
#include "winsupport/VbTextBox.h"

namespace qav {

void Qav750PrintContent(CurtPrinter& printer, QPrinter*& device, FormContext& context) {
    const int language = context.state.Language;
    const Form3& f3 = *context.forms.form3;
    const Form4& f4 = *context.forms.form4;

    if (device == nullptr)
        printer.StartDoc();
    else
        printer.StartDoc(device);
    printer.NewPage();

    PrintMakerLine(printer, language);

    printer.PrintTitle(
        LangText{"QAV-750对讲机", "QAV-750 Interphone ", "QAV-750對講機"}.Pick(language) +
        LangText{"编程数据打印", "programming data are printed", "編程數據列印"}.Pick(language));
    printer.NewLine();

    printer.PrintHeading(LangText{"功能设置", "Function set", "功能設定"}.Pick(language));
    printer.NewLine();
    ReportRow(printer, f3.Label2->Caption(), f3.Text2->Text());
    ReportRow(printer, f3.Label6->Caption(), f3.Text6->Text());
    ReportRow(printer, f3.Label1->Caption(), f3.Combo1->Text());
    ReportRow(printer, f3.Label3->Caption(), f3.Combo3->Text());
    ReportRow(printer, f3.Label5->Caption(), f3.Combo5->Text());
    ReportRow(printer, f3.Label7->Caption(), f3.Combo7->Text());
    ReportRow(printer, f3.Label8->Caption(), f3.Combo8->Text());
    ReportRow(printer, f3.Label9->Caption(), f3.Combo9->Text());
    ReportRow(printer, f3.Label10->Caption(), f3.Combo10->Text());
    ReportRow(printer, f3.Label11->Caption(), f3.Combo11->Text());
    ReportLastRow(printer, f3.Label19->Caption(), f3.Combo19->Text());

    printer.PrintHeading(LangText{"全频频率", "The whole frequency frequently", "全頻頻率"}.Pick(language));
    printer.NewLine();
    ReportRow(printer, f3.Label20->Caption(), f3.Text20->Text());
    ReportRow(printer, f3.Label21->Caption(), f3.Text21->Text());
    for (int n = 22; n <= 29; ++n) {
        if (n == 26) continue;  // scan add is not part of the full-band settings printed
        ReportRow(printer, CaptionOf(f3, QStringLiteral("Label%1").arg(n)),
                  TextOf(f3, QStringLiteral("Combo%1").arg(n)));
    }
    printer.NewLine();
    printer.NewLine();

    printer.PrintHeading(
        LangText{"VOX(声控发射)", "VOX(Voice control launches)", "VOX(聲控發射)"}.Pick(language));
    printer.NewLine();
    ReportRow(printer, f3.Label14->Caption(), f3.Combo14->Text());
    ReportLastRow(printer, f3.Label15->Caption(), f3.Combo15->Text());

    // The Traditional report has no heading over the tuning grades.
    if (language != 2) printer.PrintHeading(LangText{"调试信息", "Debug information", ""}.Pick(language));
    printer.NewLine();
    for (int i = 0; i < 3; ++i) {
        ReportCell(printer, f4.Frame1[std::size_t(i)]->Caption());
        ReportCell(printer, qint32(f4.Slider1[std::size_t(i)]->Value()));
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
