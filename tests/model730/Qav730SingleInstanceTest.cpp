#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// A per-user folder for QAV-730 in which nothing is asked at start (no port).
class UserHome {
  public:
    UserHome() {
        QDir().mkpath(dir.filePath("QAV-730"));
        QFile parameter(dir.filePath("QAV-730/parameter"));
        if (parameter.open(QIODevice::WriteOnly)) parameter.write("\x10", 1);
    }
    QString LockFile() const { return dir.filePath("QAV-730/running.lock"); }
    // The process id written in the lock, 0 when there is none.
    qint64 LockHolder() const {
        QFile lock(LockFile());
        if (!lock.open(QIODevice::ReadOnly)) return 0;
        return lock.readLine().trimmed().toLongLong();
    }

    QTemporaryDir dir;
};

class Qav730SingleInstanceTest : public ::testing::Test {
  protected:
    ~Qav730SingleInstanceTest() override {
        for (auto& copy : copies_) {
            if (copy->state() == QProcess::NotRunning) continue;
            copy->kill();
            copy->waitForFinished(5000);
        }
    }

    QProcess& Start(const UserHome& home) {
        auto copy = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.dir.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        copy->setProcessEnvironment(env);
        copy->start(QAV730_PROGRAM, {});
        EXPECT_TRUE(copy->waitForStarted(10000));
        copies_.push_back(std::move(copy));
        return *copies_.back();
    }

    // Waits until the copy holds its user's lock, that is, until it runs.
    static bool Holds(const UserHome& home, const QProcess& copy) {
        return QTest::qWaitFor([&] { return home.LockHolder() == copy.processId(); }, 15000);
    }

  private:
    std::vector<std::unique_ptr<QProcess>> copies_;
};

TEST_F(Qav730SingleInstanceTest, SecondCopyOfTheSameUserEndsAtOnceWithoutAWord) {
    UserHome user;
    QProcess& first = Start(user);
    ASSERT_TRUE(Holds(user, first));

    QProcess& second = Start(user);
    ASSERT_TRUE(second.waitForFinished(10000)) << "a second copy kept running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(user.LockHolder(), first.processId());
}

TEST_F(Qav730SingleInstanceTest, AnotherUsersCopyDoesNotCount) {
    UserHome user;
    UserHome otherUser;
    QProcess& first = Start(user);
    ASSERT_TRUE(Holds(user, first));
    QProcess& other = Start(otherUser);
    EXPECT_TRUE(Holds(otherUser, other));
    EXPECT_EQ(other.state(), QProcess::Running);
}

TEST_F(Qav730SingleInstanceTest, LockOfACrashedCopyIsTakenOver) {
    UserHome user;
    QProcess& crashed = Start(user);
    ASSERT_TRUE(Holds(user, crashed));
    crashed.kill();  // SIGKILL: the lock file stays behind
    ASSERT_TRUE(crashed.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(user.LockFile()));

    QProcess& next = Start(user);
    EXPECT_TRUE(Holds(user, next));
    EXPECT_EQ(next.state(), QProcess::Running);
}

}  // namespace
