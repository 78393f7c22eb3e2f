#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "app/FrmAbout.h"
#include "app/MDIForm1.h"
#include "model730/Qav730Variant.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/AppPaths.h"
#include "winsupport/ModuleRegedit.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbLabel.h"

namespace qav::test {
namespace {

void StoreLanguage(const char* text) {
    win::Registry registry(SharedRegistryFile());
    ASSERT_EQ(RegSetBinaryByte(registry, win::HKEY_CURRENT_USER, "PX-14G", "BinaryValue", text), 0);
}

QString StoredLanguage() {
    win::Registry registry(SharedRegistryFile());
    return RegGetValueText(registry, win::HKEY_CURRENT_USER, "PX-14G", "BinaryValue");
}

// What the main window carries at the moment it is shown.
class ShowWatcher : public QObject {
  public:
    explicit ShowWatcher(MDIForm1& window) : window_(window) { window.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show && !shown) {
            shown = true;
            fileMenu = window_.MNFile->title();
            bandLabel = window_.Label1->text();
        }
        return false;
    }
    bool shown = false;
    QString fileMenu;
    QString bandLabel;

  private:
    MDIForm1& window_;
};

class Qav730StartupTest : public ProgramFixture {
  protected:
    Qav730StartupTest() : ProgramFixture(kQav730, Qav730Variant()) {}
};

TEST_F(Qav730StartupTest, StoredLanguageIsInPlaceBeforeTheWindowAppears) {
    struct Case {
        const char* stored;  // nullptr: nothing stored
        int language;
        const char* fileMenu;
        const char* bandLabel;
    };
    const Case cases[] = {
        {nullptr, 1, "File(&F)", "Frequency"},
        {"0", 0, "文件(&F)", "频段"},
        {"1", 1, "File(&F)", "Frequency"},
        {"2", 2, "文件(&F)", "頻段"},   // Traditional, made from the Simplified captions
        {"9", 2, "文件(&F)", "頻段"},   // any other digit is a Traditional choice
        {"18", 2, "文件(&F)", "頻段"},  // 0x12
        {"10", 0, "文件(&F)", "频段"},  // last hexadecimal digit A: not a number, Simplified
        {"31", 0, "文件(&F)", "频段"},  // 0x1F
        {"16", 0, "文件(&F)", "频段"},  // 0x10: the last digit counts
        {"17", 1, "File(&F)", "Frequency"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "nothing");
        QFile::remove(SharedRegistryFile());
        if (c.stored) StoreLanguage(c.stored);
        ProgramRun& run = Run();
        ShowWatcher watcher(run.MainWindow());
        run.Main();
        EXPECT_EQ(run.state.Language, c.language);
        ASSERT_TRUE(watcher.shown);
        EXPECT_EQ(watcher.fileMenu, QString::fromUtf8(c.fileMenu));
        EXPECT_EQ(watcher.bandLabel, QString::fromUtf8(c.bandLabel));
        Discard();
    }
}

TEST_F(Qav730StartupTest, MainWindowOfTheFirstModel) {
    ProgramRun& run = Start();
    MDIForm1& mdi = run.MainWindow();
    EXPECT_EQ(mdi.windowTitle(), QString("QAV-730(1.70)"));
    EXPECT_EQ(mdi.MNReset, nullptr);
    EXPECT_EQ(mdi.findChild<QAction*>("MNReset"), nullptr) << "the button is the only reset";
    const QList<QAction*> languages = mdi.MNLanguage->actions();
    ASSERT_EQ(languages.size(), 3);
    EXPECT_EQ(languages[0], mdi.MNChineseF);
    EXPECT_EQ(languages[1], mdi.MNChineseJ);
    EXPECT_EQ(languages[2], mdi.MNEnglish);
    EXPECT_EQ(mdi.Combo1->Text(), QString("400-470MHz"));
    EXPECT_EQ(run.state.band.BandLow, 400);
    EXPECT_EQ(run.state.band.BandHigh, 470.0);
    EXPECT_EQ(mdi.Command1->text(), QString("Recovery Factory Setting"));
}

// The program holds no Traditional wording for the quit question and the
// About box's edition line: they are the Simplified texts converted.
TEST_F(Qav730StartupTest, QuitQuestionAndAboutInTraditionalAreConverted) {
    StoreLanguage("2");
    ProgramRun& run = Start();
    ASSERT_EQ(run.state.Language, 2);
    answerer.boxes.clear();
    EXPECT_FALSE(run.MainWindow().close());  // Enter: Cancel
    ASSERT_EQ(answerer.boxes.size(), 1);
    const MessageRecord& box = answerer.boxes[0];
    EXPECT_EQ(box.title, QString("注意"));
    EXPECT_EQ(box.text, QString("確定退出本程序？\r\n未保存的更改將全部丟失！"));
    EXPECT_EQ(box.style, ConfirmStyle);
    const QMap<int, QString> buttons{{IDOK, "確定"}, {IDCANCEL, "取消"}};
    EXPECT_EQ(box.buttons, buttons);

    QString edition;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
        if (about == nullptr) return;
        edition = about->lblVersion->text();
        about->close();
    });
    run.MainWindow().MNAbout_Click();
    EXPECT_EQ(edition, QString("繁體中文版 V1.00"));
}

// The language chosen in one program is the one the other starts in.
TEST_F(Qav730StartupTest, OneLanguageForBothPrograms) {
    {
        ProgramRun first(kQav750, [this] {
            ProgramOptions o;
            o.answerer = &answerer;
            o.closeProgram = [](const QString&) {};
            o.portFolders = SerialPortMap::Folders{PortsFolder(), noDevices.path(), noDevices.path()};
            o.programFolder = programFolder.path();
            return o;
        }());
        first.Main();
        first.MainWindow().MNChineseJ_Click();
        answerer.answers = {IDOK};  // the close question
        EXPECT_TRUE(first.MainWindow().close());
    }
    EXPECT_EQ(StoredLanguage(), QString("0"));
    ProgramRun& second = Start();
    EXPECT_EQ(second.state.Language, 0);
    EXPECT_EQ(second.MainWindow().MNFile->title(), QString("文件(&F)"));

    second.MainWindow().MNEnglish_Click();
    answerer.answers = {IDOK};
    EXPECT_TRUE(second.MainWindow().close());
    EXPECT_EQ(closedPrograms, QStringList{"QAV-730"});
    EXPECT_EQ(StoredLanguage(), QString("1"));
}

}  // namespace
}  // namespace qav::test
