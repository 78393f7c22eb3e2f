#include "model730/Qav730PrintContent.h"

#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/FormContext.h"
#include "forms/RunState.h"
#include "print/CurtPrinter.h"
#include "print/ReportRows.h"
#include "winsupport/LangText.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav {

void Qav730PrintContent(CurtPrinter& printer, QPrinter*& device, FormContext& context) {
    const int language = context.state.Language;
    const Form3& f3 = *context.forms.form3;
    const Form4& f4 = *context.forms.form4;

    // The English title names the product family.
    BeginReport(printer, device, language,
                LangText{"QAV-730对讲机", "QAV-700 Interphone ", "QAV-730對講機"}.Pick(language));
    // The seven fields the first model's optional features show.
    ReportRow(printer, f3.Label2->Caption(), f3.Text2->Text());
    ReportRow(printer, f3.Label5->Caption(), f3.Combo5->Text());
    ReportRow(printer, f3.Label7->Caption(), f3.Combo7->Text());
    ReportRow(printer, f3.Label8->Caption(), f3.Combo8->Text());
    ReportRow(printer, f3.Label32->Caption(), f3.Combo17->Text());
    ReportRow(printer, f3.Label19->Caption(), f3.Combo19->Text());
    ReportLastRow(printer, f3.LabelMod->Caption(), f3.ComboMod->Text());

    // No full-band section: the first model's optional features cannot show it.
    printer.PrintHeading(
        LangText{"VOX(声控发射)", "VOX(Voice control launches)", "VOX(聲控發射)"}.Pick(language));
    printer.NewLine();
    ReportRow(printer, f3.Label14->Caption(), f3.Combo14->Text());
    ReportRow(printer, f3.Label15->Caption(), f3.Combo15->Text());
    printer.NewLine();

    PrintTuningTable(printer, f4, language);

    // One page: 16 channels fit below the settings, three lines down.
    printer.NewLine();
    printer.NewLine();
    printer.NewLine();
    EndReportWithChannels(printer, *context.forms.form1->Grid1, language);
}

}  // namespace qav
