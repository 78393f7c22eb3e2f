// The preview window: its caption, the control filling it, its buttons, and
// the report shown in it.
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

#include "forms/ModelVariant.h"
#include "tests/print/PrintFixture.h"

namespace qav::test {
namespace {

class FrmPrintTest : public PrintFixture {};

TEST_F(FrmPrintTest, OpensCaptionedForTheLanguageFilledByThePreviewAndClosesByItsButton) {
    struct Case {
        int language;
        const char* caption;
        const char* printButton;
    };
    const Case cases[] = {
        {0, "QAV-750打印预览", "打印"},
        {1, "QAV-750Print preview", "Print"},
        {2, "QAV-750列印預覽", "列印"},
    };
    ProgramRun& run = Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        run.state.Language = c.language;
        bool closedByButton = false;
        EXPECT_TRUE(WithPreview([&](FrmPrint& preview) {
            EXPECT_EQ(preview.windowTitle(), QString::fromUtf8(c.caption));
            EXPECT_EQ(preview.CurtPrinter1->PrintButton()->text(), QString::fromUtf8(c.printButton));
            EXPECT_TRUE(preview.isModal());
            // The control follows the window's size.
            for (const QSize size : {QSize(900, 700), QSize(640, 480)}) {
                preview.resize(size);
                EXPECT_EQ(preview.Picture1->geometry(), QRect(QPoint(0, 0), size));
                EXPECT_EQ(preview.CurtPrinter1->geometry(), QRect(QPoint(0, 0), size));
            }
            EXPECT_GE(preview.CurtPrinter1->PreviewPageCount(), 3);
            preview.CurtPrinter1->CloseButton()->trigger();
            closedByButton = !preview.isVisible();
        }));
        EXPECT_TRUE(closedByButton);
        EXPECT_TRUE(run.forms.form1->Grid1->Redraw());
    }
}

TEST_F(FrmPrintTest, ThePageButtonsPageThroughThePreview) {
    Start();
    WithPreview([&](FrmPrint& preview) {
        CurtPrinter& control = *preview.CurtPrinter1;
        const int pages = control.PreviewPageCount();
        ASSERT_GE(pages, 3);
        const auto press = [&](const char* name) {
            QAction* action = control.findChild<QAction*>(name);
            ASSERT_NE(action, nullptr) << name;
            action->trigger();
        };
        const QLabel* number = control.findChild<QLabel*>("PageNumber");
        ASSERT_NE(number, nullptr);
        struct Step {
            const char* button;
            int page;
        };
        const Step steps[] = {{"Next", 2},  {"Last", pages}, {"Next", pages}, {"Previous", pages - 1},
                              {"First", 1}, {"Previous", 1}};
        for (const Step& s : steps) {
            press(s.button);
            EXPECT_EQ(control.Preview()->currentPage(), s.page) << s.button;
            EXPECT_EQ(number->text(), QString("%1 / %2").arg(s.page).arg(pages));
        }
    });
}

TEST_F(FrmPrintTest, AProgramWithItsOwnReportPrintsThatOneOnTheSameControl) {
    ProgramRun& run = Start();
    QPrinter* seenDevice = reinterpret_cast<QPrinter*>(1);
    ModelVariant variant;
    variant.printContent = [&](CurtPrinter& printer, QPrinter*& device, FormContext& context) {
        seenDevice = device;
        printer.StartDoc();
        printer.NewPage();
        printer.PrintTitle(QString("report of %1").arg(context.state.Language));
        printer.EndDoc();
    };
    FormContext context{run.state, run.msgbox, run.forms, run.MainWindow(), variant};
    QPrinter printer;
    FrmPrint preview(context, printer);
    EXPECT_TRUE(preview.PrintContent());
    EXPECT_EQ(seenDevice, nullptr) << "the preview passes no device";
    const QStringList expected{"begin document", "new page", "title line \"report of 1\"", "end document"};
    QStringList made;
    for (const PrintOp& op : preview.CurtPrinter1->Document()) made << op.Describe();
    EXPECT_EQ(made, expected);
    EXPECT_EQ(preview.CurtPrinter1->PreviewPageCount(), 1);
}

}  // namespace
}  // namespace qav::test
