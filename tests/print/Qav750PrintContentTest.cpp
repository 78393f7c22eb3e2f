// The report of the QAV-750 program as the operations it makes on the preview
// control, read from the forms as they are at that moment.
#include <QPrinter>

#include "forms/Form3.h"
#include "forms/Form4.h"
#include "tests/print/PrintFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTabStrip.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

QStringList Described(const PrintDocument& document) {
    QStringList lines;
    for (const PrintOp& op : document) lines << op.Describe();
    return lines;
}

// The calls the report must make, written out line by line.
class Expected {
  public:
    Expected& Line(const QString& line) {
        lines << line;
        return *this;
    }
    Expected& Title(const QString& text) { return Line(QString("title line \"%1\"").arg(text)); }
    Expected& Heading(const QString& text) { return Line(QString("section heading \"%1\"").arg(text)); }
    Expected& Break() { return Line("line break"); }
    Expected& Cell(const QString& text) { return Line(QString("cell \"%1\", 4500, 2, \"1111\"").arg(text)); }
    Expected& Number(int value) { return Line(QString("cell %1, 4500, 2, \"1111\"").arg(value)); }
    Expected& Row(const QString& label, const QString& value) {
        return Cell(label).Cell(value).Line("end of row");
    }
    Expected& LastRow(const QString& label, const QString& value) {
        return Cell(label).Cell(value).Break().Break();
    }

    QStringList lines;
};

class Qav750PrintContentTest : public PrintFixture {};

TEST_F(Qav750PrintContentTest, MakesTheCallsOfTheReportInEveryLanguage) {
    struct Case {
        int language;
        const char* makerLine;
        int makerSize;
        const char* product;
        const char* functions;
        const char* fullBand;
        const char* vox;
        const char* debug;  // nullptr: no heading
        const char* channels;
    };
    const Case cases[] = {
        {0, "QAV", 20, "QAV-750对讲机编程数据打印", "功能设置", "全频频率", "VOX(声控发射)", "调试信息",
         "信道数据"},
        {1, "Pelorix Communication Equipment", 12, "QAV-750 Interphone programming data are printed",
         "Function set", "The whole frequency frequently", "VOX(Voice control launches)", "Debug information",
         "Channel data"},
        {2, "QAV", 20, "QAV-750對講機編程數據列印", "功能設定", "全頻頻率", "VOX(聲控發射)", nullptr,
         "信道數據"},
    };
    ProgramRun& run = Start();
    Form3& f3 = *run.forms.form3;
    Form4& f4 = *run.forms.form4;
    // Distinct values where the report reads them: an empty box prints an
    // empty cell, and the sliders print their numbers.
    f3.Text2->SetText("");
    f3.Text6->SetText("17");
    run.state.grades = PowerGradeValues{{201, 202, 203, 4, 5}, 6};

    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        if (c.language == 1)
            run.MainWindow().MNEnglish_Click();
        else
            run.MainWindow().MNChineseJ_Click();
        run.state.Language = c.language;
        f4.TabStrip1_Click();  // the high-power grades on the sliders

        Expected e;
        e.Line("begin document").Line("new page").Line("font bold 1");
        e.Line(QString("title line \"%1\", %2, 2").arg(QString::fromUtf8(c.makerLine)).arg(c.makerSize));
        e.Line("font bold 0").Line("title size 14");
        e.Title(QString::fromUtf8(c.product)).Break();
        e.Heading(QString::fromUtf8(c.functions)).Break();
        e.Row(f3.Label2->Caption(), "");
        e.Row(f3.Label6->Caption(), "17");
        e.Row(f3.Label1->Caption(), f3.Combo1->Text());
        e.Row(f3.Label3->Caption(), f3.Combo3->Text());
        e.Row(f3.Label5->Caption(), f3.Combo5->Text());
        e.Row(f3.Label7->Caption(), f3.Combo7->Text());
        e.Row(f3.Label8->Caption(), f3.Combo8->Text());
        e.Row(f3.Label9->Caption(), f3.Combo9->Text());
        e.Row(f3.Label10->Caption(), f3.Combo10->Text());
        e.Row(f3.Label11->Caption(), f3.Combo11->Text());
        e.LastRow(f3.Label19->Caption(), f3.Combo19->Text());
        e.Heading(QString::fromUtf8(c.fullBand)).Break();
        e.Row(f3.Label20->Caption(), f3.Text20->Text());
        e.Row(f3.Label21->Caption(), f3.Text21->Text());
        e.Row(f3.Label22->Caption(), f3.Combo22->Text());
        e.Row(f3.Label23->Caption(), f3.Combo23->Text());
        e.Row(f3.Label24->Caption(), f3.Combo24->Text());
        e.Row(f3.Label25->Caption(), f3.Combo25->Text());
        e.Row(f3.Label27->Caption(), f3.Combo27->Text());  // scan add (26) left out
        e.Row(f3.Label28->Caption(), f3.Combo28->Text());
        e.Row(f3.Label29->Caption(), f3.Combo29->Text());
        e.Break().Break();
        e.Heading(QString::fromUtf8(c.vox)).Break();
        e.Row(f3.Label14->Caption(), f3.Combo14->Text());
        e.LastRow(f3.Label15->Caption(), f3.Combo15->Text());
        if (c.debug != nullptr) e.Heading(QString::fromUtf8(c.debug));
        e.Break();
        for (int i = 0; i < 3; ++i) e.Cell(f4.Frame1[i]->Caption()).Number(201 + i).Line("end of row");
        e.Line("new page").Title(QString::fromUtf8(c.channels));
        e.Line(QString("grid table \"%1\" (129 rows)").arg(QString::fromUtf8(c.channels)));
        e.Break().Line("end document");

        EXPECT_TRUE(WithPreview(
            [&](FrmPrint& preview) { EXPECT_EQ(Described(preview.CurtPrinter1->Document()), e.lines); }));
    }
    // The labels are real captions of the language, not empty.
    EXPECT_FALSE(f3.Label2->Caption().isEmpty());
    EXPECT_NE(f4.Frame1[0]->Caption(), f4.Frame1[1]->Caption());
}

TEST_F(Qav750PrintContentTest, TheChannelGridIsPrintedWholeAsItStandsEvenWithNoChannel) {
    ProgramRun& run = Start();
    MSFlexGrid& grid = *run.forms.form1->Grid1;
    const auto gridOf = [](const PrintDocument& document) -> const GridTableData* {
        for (const PrintOp& op : document)
            if (op.kind == PrintOp::Kind::GridTable) return op.grid ? &*op.grid : nullptr;
        return nullptr;
    };
    const auto expectGridAsShown = [&](const GridTableData& printed) {
        ASSERT_EQ(int(printed.cells.size()), grid.Rows());
        for (int row = 0; row < grid.Rows(); ++row) {
            ASSERT_EQ(int(printed.cells[row].size()), grid.Cols());
            for (int col = 0; col < grid.Cols(); ++col)
                EXPECT_EQ(printed.cells[row][col], grid.TextMatrix(row, col)) << row << "," << col;
        }
    };

    // A new data set: no channel at all, yet every row is there under the header.
    WithPreview([&](FrmPrint& preview) {
        const GridTableData* printed = gridOf(preview.CurtPrinter1->Document());
        ASSERT_NE(printed, nullptr);
        expectGridAsShown(*printed);
        EXPECT_EQ(printed->cells[128][0], QString("128"));
        EXPECT_TRUE(printed->cells[128][1].isEmpty());
        EXPECT_GT(preview.CurtPrinter1->PreviewPageCount(), 1) << "the grid has a page of its own";
    });

    SetChannel(1, {"438.12500", "438.12500"});
    SetChannel(128, {"462.55000", "467.55000"});
    WithPreview([&](FrmPrint& preview) {
        const GridTableData* printed = gridOf(preview.CurtPrinter1->Document());
        ASSERT_NE(printed, nullptr);
        expectGridAsShown(*printed);
        EXPECT_EQ(printed->cells[128][2], QString("467.55000"));
    });
}

}  // namespace
}  // namespace qav::test
