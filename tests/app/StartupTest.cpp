#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

#include "app/MDIForm1.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/AppPaths.h"
#include "winsupport/ModuleRegedit.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbLabel.h"

namespace qav::test {
namespace {

class StartupTest : public ProgramFixture {
  protected:
    void StoreLanguage(const char* text) {
        win::Registry registry(SharedRegistryFile());
        ASSERT_EQ(RegSetBinaryByte(registry, win::HKEY_CURRENT_USER, "PX-14G", "BinaryValue", text), 0);
    }
    void WriteParameter(const QByteArray& bytes) {
        QDir().mkpath(UserFolder());
        QFile file(UserFolder() + "/parameter");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadParameter() {
        QFile file(UserFolder() + "/parameter");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(StartupTest, StoredLanguageChoosesTheCaptions) {
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
        {"2", 1, "File(&F)", "Frequency"},  // a stored Traditional choice starts in English
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "nothing");
        QFile::remove(SharedRegistryFile());
        if (c.stored) StoreLanguage(c.stored);
        ProgramRun& run = Start();
        EXPECT_EQ(run.state.Language, c.language);
        EXPECT_EQ(run.MainWindow().MNFile->title(), QString::fromUtf8(c.fileMenu));
        EXPECT_EQ(run.MainWindow().Label1->text(), QString::fromUtf8(c.bandLabel));
        Discard();
    }
}

TEST_F(StartupTest, MainWindowStartsOnTheThirdBandWithSixteenPorts) {
    ProgramRun& run = Start();
    MDIForm1& mdi = run.MainWindow();
    EXPECT_EQ(mdi.windowTitle(), QString("QAV-750 Pelorix V1.70"));
    EXPECT_EQ(mdi.Combo1->Text(), QString("400-470MHz"));
    EXPECT_EQ(run.state.band.BandLow, 400);
    EXPECT_EQ(run.state.band.BandHigh, 470.0);
    ASSERT_EQ(mdi.ComboCom->ListCount(), 16);
    EXPECT_EQ(mdi.ComboCom->List(0), QString("1"));
    EXPECT_EQ(mdi.ComboCom->List(15), QString("16"));
    EXPECT_FALSE(mdi.ComboCom->isVisible());
    EXPECT_TRUE(mdi.MNFMset->isEnabled()) << "the FM function of a new data set is on";
    EXPECT_EQ(mdi.MNRead->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(mdi.Toolbar1->actions().at(0)->toolTip(), QString("New"));
    for (int n = 7; n <= 9; ++n) EXPECT_FALSE(mdi.ToolbarButton(n)->isVisible());
}

TEST_F(StartupTest, MissingParameterFileTriesTheFirstPort) {
    answerer.answers = {IDOK};
    ProgramRun& run = Start();
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].style, MB_ICONEXCLAMATION);
    EXPECT_EQ(answerer.boxes[0].title, QString("Mistake"));
    EXPECT_TRUE(answerer.boxes[0].text.startsWith("Serial port1Invalid or has already been used"));
    EXPECT_EQ(ReadParameter(), QByteArray()) << "created empty";
    EXPECT_EQ(run.MainWindow().ComboCom->ListIndex(), -1);
    EXPECT_EQ(run.MainWindow().StatusPanel1->text(), QString("COM: "));
}

TEST_F(StartupTest, AfterARunWithoutAPortTheNextStartTriesTheSecond) {
    ProgramRun& first = Start();
    answerer.answers = {IDOK};  // the close question
    first.MainWindow().close();
    EXPECT_EQ(ReadParameter(), QByteArray(1, '\x01'));
    Discard();

    answerer.boxes.clear();
    Start();
    ASSERT_GE(answerer.boxes.size(), 1);
    EXPECT_TRUE(answerer.boxes[0].text.startsWith("Serial port2Invalid"));
}

TEST_F(StartupTest, PortByteTheListCannotTakeSelectsNoPortSilently) {
    WriteParameter(QByteArray(1, '\x10'));
    ProgramRun& run = Start();
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_EQ(run.MainWindow().ComboCom->ListIndex(), -1);
    EXPECT_EQ(run.MainWindow().StatusPanel1->text(), QString("COM: "));
}

}  // namespace
}  // namespace qav::test
