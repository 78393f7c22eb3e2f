#include <QDir>
#include <QFile>

#include "app/MDIForm1.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/AppPaths.h"
#include "winsupport/ModuleRegedit.h"

namespace qav::test {
namespace {

class ShutdownTest : public ProgramFixture {
  protected:
    QString StoredLanguage() {
        win::Registry registry(SharedRegistryFile());
        return RegGetValueText(registry, win::HKEY_CURRENT_USER, "PX-14G", "BinaryValue");
    }
};

TEST_F(ShutdownTest, CloseAsksAndCancelKeepsTheProgramRunning) {
    ProgramRun& run = Start();
    answerer.boxes.clear();
    EXPECT_FALSE(run.MainWindow().close());  // nothing queued: Enter, which is Cancel
    ASSERT_EQ(answerer.boxes.size(), 1);
    const MessageRecord& box = answerer.boxes[0];
    EXPECT_EQ(box.style, ConfirmStyle);
    EXPECT_EQ(box.title, QString("Be careful"));
    EXPECT_EQ(box.text, QString("Confirm that withdraws from a procedure?\r\nLose all in change not kept!"));
    EXPECT_TRUE(run.MainWindow().isVisible());
    EXPECT_TRUE(closedPrograms.isEmpty());
    EXPECT_EQ(StoredLanguage(), QString());
}

TEST_F(ShutdownTest, ConfirmedCloseStoresPortAndLanguageThenEndsEveryCopy) {
    ProgramRun& run = Start();
    run.MainWindow().MNChineseJ_Click();
    answerer.boxes.clear();
    answerer.answers = {IDOK};
    EXPECT_TRUE(run.MainWindow().close());
    EXPECT_EQ(answerer.boxes[0].text, QString("确定退出本程序？\r\n未保存的更改将全部丢失！"));
    EXPECT_EQ(answerer.boxes[0].buttons.value(IDOK), QString("确定"));
    EXPECT_EQ(StoredLanguage(), QString("0"));
    EXPECT_EQ(closedPrograms, QStringList{"QAV-750"});
}

TEST_F(ShutdownTest, ParameterFileThatCannotBeWrittenStillStoresTheLanguage) {
    QDir().mkpath(UserFolder() + "/parameter");  // a folder where the file should be
    answerer.answers = {IDOK};
    ProgramRun& run = Start();
    // Unreadable like a missing file: the first port is tried (and has no device here).
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_TRUE(answerer.boxes[0].text.startsWith("Serial port1Invalid"));
    answerer.answers = {IDOK};
    EXPECT_TRUE(run.MainWindow().close());
    EXPECT_EQ(StoredLanguage(), QString("1"));
    EXPECT_EQ(closedPrograms.size(), 1);
}

}  // namespace
}  // namespace qav::test
