// What the print button of the preview puts out: the same report on the
// printer, a PDF file when the printer prints to a file, and a message when
// the print fails, with the preview left open and the channel grid redrawing
// again once the preview closes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/print/PrintFixture.h"

namespace qav::test {
namespace {

class PrintOutputTest : public PrintFixture {
  protected:
    // The text of a PDF file, page after page, each page ended by a form feed.
    static QString PdfText(const QString& path) {
        const QString program = QStringLiteral(PDFTOTEXT_PROGRAM);
        if (program.isEmpty()) {
            ADD_FAILURE() << "pdftotext is missing: run scripts/install-deps.sh";
            return {};
        }
        QProcess process;
        process.start(program, {"-layout", path, "-"});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The print dialog as the user would fill it: the printer then prints on `printer`.
    void PrintFromPreview(FrmPrint& preview, const std::function<bool(QPrinter& printer)>& dialog) {
        preview.CurtPrinter1->SetPrintDialog([&](QPrinter& printer, QWidget*) { return dialog(printer); });
        preview.CurtPrinter1->PrintButton()->trigger();
    }

    QTemporaryDir folder;
};

TEST_F(PrintOutputTest, PrintingToAFileWritesTheWholeReportAsPdf) {
    Start().MainWindow().MNEnglish_Click();
    answerer.boxes.clear();  // the start-up's word on the serial port
    SetChannel(1, {"438.12500", "438.12500"});
    SetChannel(64, {"451.05000", "456.05000"});
    SetChannel(128, {"469.97500", "469.97500"});
    const QString path = folder.filePath("report.pdf");
    PrintDocument previewed;
    PrintDocument printed;
    bool redrawWhileShown = true;
    ASSERT_TRUE(WithPreview([&](FrmPrint& preview) {
        redrawWhileShown = Run().forms.form1->Grid1->Redraw();
        previewed = preview.CurtPrinter1->Document();
        PrintFromPreview(preview, [&](QPrinter& printer) {
            printer.setOutputFileName(path);
            return true;
        });
        printed = preview.CurtPrinter1->Document();
        EXPECT_TRUE(preview.isVisible()) << "printing leaves the preview open";
    }));
    EXPECT_FALSE(redrawWhileShown);
    EXPECT_TRUE(Run().forms.form1->Grid1->Redraw());
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('\n').toStdString();

    // The print repeats the preview's calls, begun on the printer.
    ASSERT_FALSE(printed.empty());
    EXPECT_TRUE(printed.front().toPrinter);
    EXPECT_EQ(PrintDocument(printed.begin() + 1, printed.end()),
              PrintDocument(previewed.begin() + 1, previewed.end()));

    const QString text = PdfText(path);
    EXPECT_TRUE(text.contains("QAV-750 Interphone programming data are printed"));
    EXPECT_TRUE(text.contains("Function set"));
    for (const char* frequency : {"438.12500", "456.05000", "469.97500"})
        EXPECT_TRUE(text.contains(frequency)) << frequency;
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    ASSERT_GE(pages.size(), 3) << "a page of settings and the 128 channels on pages of their own";
    EXPECT_FALSE(pages[0].contains("RXFre")) << "the channels start on a new page";
    for (int page = 1; page < pages.size(); ++page) {
        SCOPED_TRACE(page);
        // Every page of the table has its header row, last column included.
        EXPECT_TRUE(pages[page].contains("RXFre"));
        EXPECT_TRUE(pages[page].contains("Channel Name"));
    }
    EXPECT_TRUE(pages.last().contains("469.97500")) << "the last channel ends the table";
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files) == QStringList{"report.pdf"})
        << "no temporary file left beside it";
}

TEST_F(PrintOutputTest, AFailedOrCancelledPrintIsReportedOrSilentAndKeepsThePreviewOpen) {
    struct Case {
        const char* name;
        int language;
        std::function<bool(QPrinter&)> dialog;
        QString message;    // empty: no message
        QString unwritten;  // a file that must not exist afterwards
    };
    const QString missingFolderFile = folder.filePath("missing/report.pdf");
    const Case cases[] = {
        {"PDF into a folder that does not exist", 1,
         [&](QPrinter& printer) {
             printer.setOutputFileName(missingFolderFile);
             return true;
         },
         "The file cannot be written: " + missingFolderFile, missingFolderFile},
        {"the same in Chinese", 0,
         [&](QPrinter& printer) {
             printer.setOutputFileName(missingFolderFile);
             return true;
         },
         QString::fromUtf8("无法写入文件：") + missingFolderFile, missingFolderFile},
        {"no printer and no file to print to", 1,
         [](QPrinter& printer) {
             printer.setOutputFormat(QPrinter::PdfFormat);
             printer.setOutputFileName(QString());
             return true;
         },
         "The printer is not available; nothing was printed.", QString()},
        {"the print dialog cancelled", 1,
         [&](QPrinter& printer) {
             printer.setOutputFileName(folder.filePath("cancelled.pdf"));
             return false;
         },
         QString(), folder.filePath("cancelled.pdf")},
    };
    ProgramRun& run = Start();
    run.MainWindow().MNEnglish_Click();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        run.state.Language = c.language;
        answerer.boxes.clear();
        bool openAfterPrint = false;
        ASSERT_TRUE(WithPreview([&](FrmPrint& preview) {
            PrintFromPreview(preview, c.dialog);
            openAfterPrint = preview.isVisible();
        }));
        EXPECT_TRUE(openAfterPrint);
        EXPECT_TRUE(run.forms.form1->Grid1->Redraw()) << "the grid redraws again after the preview";
        if (c.message.isEmpty()) {
            EXPECT_TRUE(answerer.boxes.isEmpty());
        } else {
            ASSERT_EQ(answerer.boxes.size(), 1);
            EXPECT_EQ(answerer.boxes[0].text, c.message);
            EXPECT_EQ(answerer.boxes[0].style, 16);
        }
        if (!c.unwritten.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(c.unwritten));
        }
    }
    // None of it keeps the program's printer from printing afterwards.
    answerer.boxes.clear();
    const QString good = folder.filePath("good.pdf");
    WithPreview([&](FrmPrint& preview) {
        PrintFromPreview(preview, [&](QPrinter& printer) {
            printer.setOutputFileName(good);
            return true;
        });
    });
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_GT(QFileInfo(good).size(), 0);
}

TEST_F(PrintOutputTest, ThePreviewIsMadeAgainForThePaperChosenInThePrintDialog) {
    Start();
    answerer.boxes.clear();  // the start-up's word on the serial port
    const QString path = folder.filePath("landscape.pdf");
    WithPreview([&](FrmPrint& preview) {
        CurtPrinter& control = *preview.CurtPrinter1;
        const int portraitPages = control.PreviewPageCount();
        PrintFromPreview(preview, [&](QPrinter& printer) {
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setOutputFileName(path);
            return true;
        });
        // The control asks for the report again once the print is done.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !control.Document().front().toPrinter; }));
        EXPECT_GT(control.PreviewPageCount(), portraitPages) << "fewer rows fit across a landscape page";
        EXPECT_EQ(control.Document().back().kind, PrintOp::Kind::EndDocument);
    });
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace qav::test
