// The serial control against the simulated radio through a real pty: receive
// events by threshold, raw bytes, exclusive open, a line that drops.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <numeric>

#include "app/MSComm.h"
#include "tests/support/RadioSimulator.h"

namespace qav {
namespace {

using namespace std::chrono_literals;

const QByteArray kAck(1, '\x06');

QByteArray ReadRequest(int address) {
    return QByteArray("R") + char(address >> 8) + char(address & 0xFF) + char(0x10);
}

QByteArray AllByteValues() {
    QByteArray all(256, 0);
    std::iota(all.begin(), all.end(), char(0));
    return all;
}

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// For watching that nothing happens; everything else waits for its event.
void RunEventLoopFor(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

bool WaitForCount(QSignalSpy& spy, int count) {
    while (spy.count() < count) {
        if (!spy.wait(5000)) return false;
    }
    return true;
}

class MSCommTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(configHome.isValid());
        ASSERT_TRUE(radio.LinkAsPort(PortsFolder(), 1));
        ASSERT_TRUE(comm.SetCommPort(1));
        ASSERT_TRUE(comm.SetPortOpen(true)) << comm.PortError().toStdString();
    }

    std::filesystem::path PortsFolder() const {
        return std::filesystem::path(configHome.path().toStdString()) / "ports";
    }
    SerialPortMap Map() const {
        return SerialPortMap({.links = QString::fromStdString(PortsFolder().string())});
    }

    QTemporaryDir configHome;
    sim::RadioSimulator radio;
    MSComm comm{Map()};  // after the radio, so the port closes before the line goes
};

TEST_F(MSCommTest, AckRaisesOneEventAtThresholdOne) {
    ASSERT_TRUE(comm.SetRThreshold(1));
    QSignalSpy events(&comm, &MSComm::OnComm);
    ASSERT_TRUE(comm.Output("PROGRAM"));
    ASSERT_TRUE(events.wait());
    EXPECT_EQ(comm.CommEvent(), MSComm::comEvReceive);
    EXPECT_EQ(comm.InBufferCount(), 1);
    EXPECT_EQ(comm.Input(), kAck);
    EXPECT_EQ(comm.InBufferCount(), 0);
    EXPECT_EQ(comm.Input(), QByteArray());
    EXPECT_EQ(radio.Frames().at(0).kind, sim::FrameKind::Wake);
}

// A data frame at threshold 20 raises exactly one event, at 20 bytes, however
// the radio's reply is cut into parts on the way (0: not cut).
class DataFrameAtThresholdTwenty : public MSCommTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(DataFrameAtThresholdTwenty, RaisesOneEventForTheWholeFrame) {
    std::vector<std::uint8_t> memory(radio.Memory().size(), 0x5A);
    memory[0x100] = 0x00;
    memory[0x10F] = 0xFF;
    radio.SetMemory(memory);
    radio.SetReplyFault(0, {.splitAt = GetParam()});
    ASSERT_TRUE(comm.SetRThreshold(20));

    std::vector<int> waitingAtEvent;
    QByteArray received;
    QObject::connect(&comm, &MSComm::OnComm, [&] {
        waitingAtEvent.push_back(comm.InBufferCount());
        received += comm.Input();
    });
    QSignalSpy events(&comm, &MSComm::OnComm);
    ASSERT_TRUE(comm.Output(ReadRequest(0x100)));
    ASSERT_TRUE(WaitForCount(events, 1));
    // As the read does next: threshold 1, acknowledge, one event for the 06.
    ASSERT_TRUE(comm.SetRThreshold(1));
    ASSERT_TRUE(comm.Output(kAck));
    ASSERT_TRUE(WaitForCount(events, 2));

    EXPECT_EQ(waitingAtEvent, (std::vector<int>{20, 1}));
    QByteArray expected = QByteArray("W\x01\x00\x10", 4) + QByteArray(16, 0x5A);
    expected[4] = 0x00;
    expected[19] = char(0xFF);
    EXPECT_EQ(received, expected + kAck);
}

INSTANTIATE_TEST_SUITE_P(SplitPoints, DataFrameAtThresholdTwenty, ::testing::Values(0, 1, 7, 19));

TEST_F(MSCommTest, BytesPassUnchangedBothWays) {
    const QByteArray all = AllByteValues();  // CR, LF, XON, XOFF, ^C, ^D, DEL, 0xFF among them
    ASSERT_TRUE(comm.SetRThreshold(int(all.size())));
    QSignalSpy events(&comm, &MSComm::OnComm);
    radio.SendUnsolicited(std::vector<std::uint8_t>(all.begin(), all.end()));
    ASSERT_TRUE(events.wait());
    EXPECT_EQ(comm.Input(), all);

    for (int block = 0; block < 16; ++block) {
        const QByteArray header = QByteArray("W") + char(0) + char(block * 16) + char(0x10);
        ASSERT_TRUE(comm.Output(header + all.mid(block * 16, 16)));
    }
    ASSERT_TRUE(radio.WaitForFrameCount(16, 5s));
    const auto memory = radio.Memory();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(memory.data()), 256), all);
}

TEST_F(MSCommTest, LoweringTheThresholdAnnouncesBytesAlreadyWaiting) {
    ASSERT_TRUE(comm.SetRThreshold(1));
    QSignalSpy events(&comm, &MSComm::OnComm);
    ASSERT_TRUE(comm.Output(kAck));
    ASSERT_TRUE(events.wait());  // the 06 waits, not taken

    ASSERT_TRUE(comm.SetRThreshold(20));  // now it waits below the threshold
    ASSERT_TRUE(comm.SetRThreshold(1));
    EXPECT_EQ(events.count(), 1) << "never raised from inside the setter";
    ASSERT_TRUE(WaitForCount(events, 2));

    // The same threshold again announces nothing new: the next event is the
    // one for the next reply, with both bytes waiting.
    ASSERT_TRUE(comm.SetRThreshold(1));
    ASSERT_TRUE(comm.Output(kAck));
    ASSERT_TRUE(WaitForCount(events, 3));
    EXPECT_EQ(comm.Input(), kAck + kAck);
}

TEST_F(MSCommTest, ThresholdZeroRaisesNoEvents) {
    ASSERT_TRUE(comm.SetRThreshold(0));
    QSignalSpy events(&comm, &MSComm::OnComm);
    ASSERT_TRUE(comm.Output(kAck));
    ASSERT_TRUE(radio.WaitForFrameCount(1, 5s));
    EXPECT_FALSE(events.wait(300));  // no event can tell that none comes
    EXPECT_EQ(comm.InBufferCount(), 1);
    ASSERT_TRUE(comm.SetRThreshold(1));
    ASSERT_TRUE(events.wait());
    EXPECT_EQ(comm.Input(), kAck);
}

TEST_F(MSCommTest, HandlerMayReopenThePortFromInsideOnComm) {
    ASSERT_TRUE(comm.SetRThreshold(1));
    int handled = 0;
    QObject::connect(&comm, &MSComm::OnComm, [&] {
        ++handled;
        comm.Input();
        if (handled == 1) {
            comm.SetPortOpen(false);
            comm.SetPortOpen(true);
            comm.Output(kAck);
        }
    });
    QSignalSpy events(&comm, &MSComm::OnComm);
    ASSERT_TRUE(comm.Output(kAck));
    ASSERT_TRUE(WaitForCount(events, 2));
    EXPECT_TRUE(comm.PortOpen());
}

TEST_F(MSCommTest, SecondOpenerInTheProgramIsRefusedUntilThePortIsFree) {
    ASSERT_TRUE(radio.LinkAsPort(PortsFolder(), 2));  // another number for the same device
    for (int port : {1, 2}) {
        MSComm other(Map());
        ASSERT_TRUE(other.SetCommPort(port));
        EXPECT_FALSE(other.SetPortOpen(true)) << "port " << port;
        EXPECT_FALSE(other.PortOpen());
        EXPECT_FALSE(other.PortError().isEmpty());
    }
    // The holder goes on undisturbed.
    ASSERT_TRUE(comm.SetRThreshold(1));
    QSignalSpy events(&comm, &MSComm::OnComm);
    ASSERT_TRUE(comm.Output(kAck));
    ASSERT_TRUE(events.wait());
    EXPECT_EQ(comm.Input(), kAck);

    ASSERT_TRUE(comm.SetPortOpen(false));
    MSComm other(Map());
    ASSERT_TRUE(other.SetCommPort(2));
    EXPECT_TRUE(other.SetPortOpen(true)) << other.PortError().toStdString();
}

// Another program holding a device: a child process that opens and locks it
// and keeps it until released.
class ForeignHolder {
  public:
    explicit ForeignHolder(const std::string& path) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            const char took = (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ? 1 : 0;
            [[maybe_unused]] ssize_t n = ::write(ready[1], &took, 1);
            char byte;
            n = ::read(release[0], &byte, 1);  // returns when the parent closes its end
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        releaseFd_ = release[1];
        char took = 0;
        holds_ = ::read(ready[0], &took, 1) == 1 && took == 1;
        ::close(ready[0]);
    }
    ~ForeignHolder() {
        if (releaseFd_ >= 0) ::close(releaseFd_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }
    bool Holds() const { return holds_; }

  private:
    pid_t pid_ = -1;
    int releaseFd_ = -1;
    bool holds_ = false;
};

TEST_F(MSCommTest, PortHeldByAnotherProgramDoesNotOpen) {
    ASSERT_TRUE(comm.SetPortOpen(false));
    {
        ForeignHolder holder(radio.SlavePath());
        ASSERT_TRUE(holder.Holds());
        EXPECT_FALSE(comm.SetPortOpen(true));
        EXPECT_TRUE(comm.PortError().contains("in use")) << comm.PortError().toStdString();
    }
    EXPECT_TRUE(comm.SetPortOpen(true)) << "free again once the other program let go";
    ForeignHolder late(radio.SlavePath());
    EXPECT_FALSE(late.Holds()) << "and nobody takes it from us";
}

TEST_F(MSCommTest, PortsThatCannotOpenSayWhy) {
    QDir(configHome.path()).mkpath("plain");
    QFile(configHome.path() + "/plain/file").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(configHome.path() + "/ports/missing", configHome.path() + "/ports/com3"));
    ASSERT_TRUE(QFile::link(configHome.path() + "/plain/file", configHome.path() + "/ports/com4"));
    ASSERT_TRUE(QFile::link(configHome.path() + "/plain", configHome.path() + "/ports/com5"));
    QDir(configHome.path()).mkpath("emptydev");
    const QString emptyDev = configHome.path() + "/emptydev";

    struct Case {
        const char* what;
        int port;
        SerialPortMap map;
    } cases[] = {
        {"link to a missing device", 3, Map()},
        {"not a tty", 4, Map()},
        {"a folder", 5, Map()},
        {"no device for the number", 6,
         SerialPortMap({.links = configHome.path() + "/ports", .dev = emptyDev, .sysTty = emptyDev})},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        MSComm port(c.map);
        ASSERT_TRUE(port.SetCommPort(c.port));
        EXPECT_FALSE(port.SetPortOpen(true));
        EXPECT_FALSE(port.PortOpen());
        EXPECT_FALSE(port.PortError().isEmpty());
        EXPECT_FALSE(port.Output(kAck));
    }
}

TEST_F(MSCommTest, RefusesWhatTheControlRefuses) {
    EXPECT_FALSE(comm.SetCommPort(2)) << "no new number while open";
    EXPECT_EQ(comm.CommPort(), 1);
    EXPECT_FALSE(comm.SetPortOpen(true)) << "already open";
    EXPECT_TRUE(comm.PortOpen());
    EXPECT_FALSE(comm.SetRThreshold(-1));

    ASSERT_TRUE(comm.SetPortOpen(false));
    EXPECT_TRUE(comm.SetPortOpen(false)) << "closing a closed port is fine";
    EXPECT_FALSE(comm.Output(kAck));
    EXPECT_FALSE(comm.SetCommPort(0));
    EXPECT_FALSE(comm.SetCommPort(17));
    EXPECT_TRUE(comm.SetCommPort(16));
    EXPECT_EQ(comm.CommPort(), 16);
}

// The radio drops the line while idle, or instead of answering a request.
class LineDrop : public MSCommTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LineDrop, StopsEventsWithoutSpinningOrFailingLoudly) {
    const bool duringRequest = GetParam();
    ASSERT_TRUE(comm.SetRThreshold(1));
    QSignalSpy events(&comm, &MSComm::OnComm);
    QSignalSpy drops(&comm, &MSComm::LineDropped);
    if (duringRequest) {
        radio.SetReplyFault(0, {.hangUp = true});
        ASSERT_TRUE(comm.Output(ReadRequest(0)));
        ASSERT_TRUE(radio.WaitForFrameCount(1, 5s));
    } else {
        radio.HangUp();
    }
    ASSERT_TRUE(radio.HungUp());
    const double cpuBefore = ThreadCpuSeconds();
    RunEventLoopFor(300ms);
    EXPECT_LT(ThreadCpuSeconds() - cpuBefore, 0.1) << "the UI thread must not spin on a dead line";
    EXPECT_EQ(events.count(), 0);
    EXPECT_EQ(drops.count(), 1);
    EXPECT_FALSE(comm.PortOpen()) << "a line that hung up closes its port";
    EXPECT_TRUE(comm.PortError().contains("hung up") || comm.PortError().contains("dropped"))
        << comm.PortError().toStdString();
    EXPECT_EQ(comm.CommPort(), 1) << "the port number stays, to be opened again";
    EXPECT_FALSE(comm.Output("PROGRAM")) << "and no SIGPIPE either";
    EXPECT_EQ(comm.Input(), QByteArray());
    // The pseudo-terminal went with its line and its number is free again:
    // another test may hold that number by now, so a new open is not tried.
}

INSTANTIATE_TEST_SUITE_P(WhenIdleOrMidRequest, LineDrop, ::testing::Bool());

}  // namespace
}  // namespace qav
