// The QAV-730 program's one-page report, as the calls it makes on the preview
// control in each language, and as the PDF file a print to file writes.
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>

#include "forms/Form3.h"
#include "forms/Form4.h"
#include "model730/Qav730Variant.h"
#include "tests/print/ExpectedReport.h"
#include "tests/print/PrintFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

class Qav730PrintContentTest : public PrintFixture {
  protected:
    Qav730PrintContentTest() : PrintFixture(kQav730, Qav730Variant()) {}
};

TEST_F(Qav730PrintContentTest, OnePageReportInEveryLanguage) {
    struct Case {
        void (MDIForm1::*choose)();
        int language;
        const char* makerLine;
        int makerSize;
        const char* product;
        const char* functions;
        const char* vox;
        const char* debug;  // nullptr: no heading
        const char* channels;
    };
    const Case cases[] = {
        {&MDIForm1::MNChineseJ_Click, 0, "QAV", 20, "QAV-730对讲机编程数据打印", "功能设置", "VOX(声控发射)",
         "调试信息", "信道数据"},
        {&MDIForm1::MNEnglish_Click, 1, "Pelorix Communication Equipment", 12,
         "QAV-700 Interphone programming data are printed", "Function set", "VOX(Voice control launches)",
         "Debug information", "Channel data"},
        {&MDIForm1::MNChineseF_Click, 2, "QAV", 20, "QAV-730對講機編程數據列印", "功能設定", "VOX(聲控發射)",
         nullptr, "信道數據"},
    };
    ProgramRun& run = Start();
    Form3& f3 = *run.forms.form3;
    Form4& f4 = *run.forms.form4;
    // An empty box prints an empty cell; the sliders print their numbers.
    f3.Text2->SetText("");
    run.state.grades = PowerGradeValues{{201, 202, 203, 4, 5}, 6};

    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        (run.MainWindow().*c.choose)();
        ASSERT_EQ(run.state.Language, c.language);
        f4.TabStrip1_Click();  // the high-power grades on the sliders

        Expected e;
        e.Line("begin document").Line("new page").Line("font bold 1");
        e.Line(QString("title line \"%1\", %2, 2").arg(QString::fromUtf8(c.makerLine)).arg(c.makerSize));
        e.Line("font bold 0").Line("title size 14");
        e.Title(QString::fromUtf8(c.product)).Break();
        e.Heading(QString::fromUtf8(c.functions)).Break();
        e.Row(f3.Label2->Caption(), "");
        e.Row(f3.Label5->Caption(), f3.Combo5->Text());
        e.Row(f3.Label7->Caption(), f3.Combo7->Text());
        e.Row(f3.Label8->Caption(), f3.Combo8->Text());
        e.Row(f3.Label32->Caption(), f3.Combo17->Text());  // the MONI key mode
        if (c.language == 0) {
            EXPECT_EQ(f3.Label32->Caption(), QString("MONI键模式:"));
            EXPECT_EQ(f3.Combo17->Text(), QString("稳态"));
        }
        e.Row(f3.Label19->Caption(), f3.Combo19->Text());
        e.LastRow(f3.LabelMod->Caption(), f3.ComboMod->Text());
        e.Heading(QString::fromUtf8(c.vox)).Break();
        e.Row(f3.Label14->Caption(), f3.Combo14->Text());
        e.Row(f3.Label15->Caption(), f3.Combo15->Text());
        e.Break();
        if (c.debug != nullptr) e.Heading(QString::fromUtf8(c.debug));
        e.Break();
        for (int i = 0; i < 3; ++i) e.Cell(f4.Frame1[i]->Caption()).Number(201 + i).Line("end of row");
        e.Break().Break().Break();  // no new page before the channels
        e.Title(QString::fromUtf8(c.channels));
        e.Line(QString("grid table \"%1\" (17 rows)").arg(QString::fromUtf8(c.channels)));
        e.Break().Line("end document");

        EXPECT_TRUE(WithPreview([&](FrmPrint& preview) {
            EXPECT_EQ(Described(preview.CurtPrinter1->Document()), e.lines);
            EXPECT_EQ(preview.CurtPrinter1->PreviewPageCount(), 1);
        }));
    }
    EXPECT_FALSE(f3.LabelMod->Caption().isEmpty());
}

TEST_F(Qav730PrintContentTest, PrintToFileWritesOnePagePdf) {
    Start().MainWindow().MNEnglish_Click();
    answerer.boxes.clear();
    SetChannel(1, {"145.50000", "145.50000"});
    SetChannel(16, {"173.99500", "173.99500"});
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    ASSERT_TRUE(WithPreview([&](FrmPrint& preview) {
        preview.CurtPrinter1->SetPrintDialog([&](QPrinter& printer, QWidget*) {
            printer.setOutputFileName(path);
            return true;
        });
        preview.CurtPrinter1->PrintButton()->trigger();
    }));
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('\n').toStdString();

    const QString text = PdfText(path);
    EXPECT_TRUE(text.contains("QAV-700 Interphone programming data are printed"));
    EXPECT_FALSE(text.contains("The whole frequency frequently")) << "no full-band section";
    EXPECT_TRUE(text.contains("Reverse"));
    for (const char* frequency : {"145.50000", "173.99500"})
        EXPECT_TRUE(text.contains(frequency)) << frequency;
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    EXPECT_EQ(pages.size(), 1);
}

}  // namespace
}  // namespace qav::test
