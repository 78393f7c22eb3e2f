#include "print/Qav750PrintContent.h"

#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/RunState.h"
#include "print/CurtPrinter.h"
#include "print/ReportRows.h"
#include "winsupport/LangText.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav {

void Qav750PrintContent(CurtPrinter& printer, QPrinter*& device, FormContext& context) {
    const int language = context.state.Language;
    const Form3& f3 = *context.forms.form3;
    const Form4& f4 = *context.forms.form4;

    BeginReport(printer, device, language,
                LangText{"QAV-750对讲机", "QAV-750 Interphone ", "QAV-750對講機"}.Pick(language));
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

    PrintTuningTable(printer, f4, language);

    // The channels start on a page of their own.
    printer.NewPage();
    EndReportWithChannels(printer, *context.forms.form1->Grid1, language);
}

}  // namespace qav
