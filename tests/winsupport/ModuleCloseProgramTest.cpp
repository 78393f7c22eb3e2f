#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "winsupport/ModuleCloseProgram.h"

namespace qav {
namespace {

// A copy of sleep under a name no other process has.
class Sleeper {
  public:
    Sleeper(const QTemporaryDir& dir, const QString& name) : path_(dir.filePath(name)) {
        QFile::copy("/bin/sleep", path_);
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
        process_.start(path_, {"30"});
        process_.waitForStarted();
    }
    ~Sleeper() {
        process_.kill();
        process_.waitForFinished();
    }
    bool EndsWithin(int ms) { return process_.waitForFinished(ms); }
    bool Running() const { return process_.state() == QProcess::Running; }

  private:
    QString path_;
    QProcess process_;
};

TEST(ModuleCloseProgramTest, EndsProcessesOfThatNameIgnoringCaseAndNoOther) {
    QTemporaryDir dir;
    const QString unique = QString("QavSleeper%1").arg(::getpid());
    Sleeper target(dir, unique);
    Sleeper bystander(dir, unique + "x");
    ASSERT_TRUE(target.Running());
    ASSERT_TRUE(bystander.Running());

    bool selfEnded = false;
    EXPECT_EQ(CloseProgram(unique.toUpper(), [&] { selfEnded = true; }), 1);
    EXPECT_TRUE(target.EndsWithin(5000));
    EXPECT_TRUE(bystander.Running());
    EXPECT_FALSE(selfEnded);
}

TEST(ModuleCloseProgramTest, EndsTheCallingProcessLast) {
    QTemporaryDir dir;
    const QString name = QString("qavprobe%1").arg(::getpid());
    const QString probe = dir.filePath(name);
    ASSERT_TRUE(QFile::copy(CLOSE_PROGRAM_PROBE, probe));
    QFile::setPermissions(probe, QFile::ReadOwner | QFile::ExeOwner);
    Sleeper sibling(dir, name.toUpper());  // same name in other letter case
    Sleeper another(dir, name.toUpper() + "2");

    QProcess run;
    run.start(probe, {});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardOutput().constData();
    EXPECT_TRUE(sibling.EndsWithin(5000));
    EXPECT_TRUE(another.Running());
}

}  // namespace
}  // namespace qav
