#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Another copy quitting sends this one SIGTERM: it must ask its own user
// (the close question) instead of ending with unsaved edits.
TEST(RunningCopyTest, EndRequestFromAnotherCopyAsksInsteadOfEnding) {
    QTemporaryDir config;
    QDir().mkpath(config.filePath("QAV-750"));
    QFile parameter(config.filePath("QAV-750/parameter"));
    ASSERT_TRUE(parameter.open(QIODevice::WriteOnly));
    parameter.write("\x10", 1);  // no port: nothing to report at start
    parameter.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(QAV750_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    ASSERT_FALSE(program.waitForFinished(1500)) << "the program ended by itself";

    program.terminate();  // SIGTERM
    EXPECT_FALSE(program.waitForFinished(1500)) << "ended without asking";
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(5000);
}

}  // namespace
