#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "app/FrmAbout.h"
#include "app/MDIForm1.h"
#include "tests/support/ProgramFixture.h"

namespace qav::test {
namespace {

class AboutBoxTest : public ProgramFixture {};

TEST_F(AboutBoxTest, ShowsTheEditionOfTheLanguageAndClosesOnAClick) {
    struct Case {
        int language;
        const char* caption;
        const char* edition;
    };
    const Case cases[] = {
        {0, "帮助", "简体中文版 V1.00"},
        {1, "Help", "English edition V1.00"},
        {2, "帮助", "繁體中文版 V1.00"},  // the window caption is never converted
    };
    ProgramRun& run = Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        run.state.Language = c.language;
        QString caption, title, edition;
        bool closedByClick = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
            if (about == nullptr) return;
            caption = about->windowTitle();
            title = about->lblTitle->text();
            edition = about->lblVersion->text();
            QTest::mouseClick(about, Qt::LeftButton);
            closedByClick = !about->isVisible();
        });
        run.MainWindow().MNAbout_Click();  // returns once the box is closed
        EXPECT_TRUE(closedByClick);
        EXPECT_EQ(title, QString("QAV-750 Pelorix"));
        EXPECT_EQ(edition, QString::fromUtf8(c.edition));
        EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    }
}

}  // namespace
}  // namespace qav::test
