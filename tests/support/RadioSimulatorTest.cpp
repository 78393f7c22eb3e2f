// The simulated radio, driven from the slave end of its pty with plain
// descriptors: the tests of the program rely on it answering right and
// misbehaving exactly when told.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <numeric>
#include <string>
#include <vector>

#include "tests/support/RadioSimulator.h"

namespace qav::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

Bytes Of(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes ReadRequest(std::uint16_t address) {
    return {'R', std::uint8_t(address >> 8), std::uint8_t(address), 0x10};
}

Bytes WriteFrame(std::uint16_t address, const Bytes& data) {
    return Concat({{'W', std::uint8_t(address >> 8), std::uint8_t(address), 0x10}, data});
}

// The program's end of the line, as a test sees it.
class SlaveEnd {
  public:
    explicit SlaveEnd(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~SlaveEnd() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Ok() const { return fd_ >= 0; }

    void Send(const Bytes& bytes) const {
        ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // Reads until count bytes came or the time is up.
    Bytes Read(std::size_t count, std::chrono::milliseconds timeout = 2000ms) const {
        Bytes got;
        const auto deadline = Clock::now() + timeout;
        while (got.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left <= 0ms) break;
            pollfd p{.fd = fd_, .events = POLLIN, .revents = 0};
            if (::poll(&p, 1, int(left.count())) <= 0) break;
            std::uint8_t chunk[256];
            const ssize_t n = ::read(fd_, chunk, std::min(sizeof chunk, count - got.size()));
            if (n <= 0) break;
            got.insert(got.end(), chunk, chunk + n);
        }
        return got;
    }

    // What poll says after the radio dropped the line.
    bool SeesHangUp() const {
        pollfd p{.fd = fd_, .events = POLLIN, .revents = 0};
        if (::poll(&p, 1, 2000) <= 0) return false;
        std::uint8_t byte;
        return (p.revents & POLLHUP) != 0 || ::read(fd_, &byte, 1) <= 0;
    }

  private:
    int fd_;
};

class RadioSimulatorTest : public ::testing::Test {
  protected:
    RadioSimulatorTest() {
        Bytes memory(radio.Memory().size());
        std::iota(memory.begin(), memory.end(), std::uint8_t(0));  // byte i holds i mod 256
        radio.SetMemory(memory);
    }
    RadioSimulator radio;
    SlaveEnd line{radio.SlavePath()};
};

TEST_F(RadioSimulatorTest, AnswersEachFrameOfTheProtocol) {
    ASSERT_TRUE(line.Ok());
    const Bytes block = Bytes(16, 0xA5);
    struct Case {
        const char* what;
        Bytes request;
        Bytes reply;
    } cases[] = {
        {"wake string", Of("PROGRAM"), {0x06}},
        {"mode byte",
         {0x02},
         Bytes(RadioSimulator::kDefaultIdent.begin(), RadioSimulator::kDefaultIdent.end())},
        {"ack", {0x06}, {0x06}},
        {"read of block 0x120", ReadRequest(0x120),
         Concat({{'W', 0x01, 0x20, 0x10},
                 {0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E,
                  0x2F}})},
        {"write of block 0xBF0", WriteFrame(0xBF0, block), {0x06}},
        {"end command", {'E'}, {0x06}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        line.Send(c.request);
        EXPECT_EQ(line.Read(c.reply.size()), c.reply);
    }
    const Bytes memory = radio.Memory();
    EXPECT_EQ(Bytes(memory.begin() + 0xBF0, memory.begin() + 0xC00), block);
    EXPECT_EQ(memory[0xBEF], 0xEF) << "a write touches its own block only";
    EXPECT_EQ(radio.Memory().size(), 3072u);
}

TEST_F(RadioSimulatorTest, RecordsFramesInOrderHoweverTheBytesArrive) {
    ASSERT_TRUE(line.Ok());
    const Bytes data(16, 0x3C);
    const Bytes stream =
        Concat({Of("PROGRAM"), {0x02}, {0x06}, ReadRequest(0x7F0), WriteFrame(0x010, data), {0x45}, {0x99}});
    // Byte by byte: a frame is only complete when its length has arrived.
    for (std::uint8_t byte : stream) line.Send({byte});
    ASSERT_TRUE(radio.WaitForFrameCount(7, 2000ms));

    const auto frames = radio.Frames();
    const FrameKind kinds[] = {FrameKind::Wake,  FrameKind::Mode, FrameKind::Ack,    FrameKind::Read,
                               FrameKind::Write, FrameKind::End,  FrameKind::Unknown};
    ASSERT_EQ(frames.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(frames[i].kind, kinds[i]) << "frame " << i;
    EXPECT_EQ(frames[3].address, 0x7F0);
    EXPECT_EQ(frames[4].address, 0x010);
    EXPECT_EQ(frames[4].data, data);
    EXPECT_EQ(frames[4].raw, WriteFrame(0x010, data));
    EXPECT_EQ(radio.BytesReceived(), stream.size());

    radio.ClearRecord();
    line.Send({0x06});
    ASSERT_TRUE(radio.WaitForFrameCount(1, 2000ms));
    EXPECT_EQ(radio.FrameCount(), 1u) << "numbering starts again";
}

TEST_F(RadioSimulatorTest, ReportsTheBandDigitInTheIdent) {
    ASSERT_TRUE(line.Ok());
    radio.SetIdent({'R', 'L', '-', '7', '0', '1', 0x34, 0x7E});
    for (auto [digit, byte7] : {std::pair{'0', 0x30}, {'3', 0x33}, {'4', 0x34}, {'A', 0x3A}, {'F', 0x3F}}) {
        SCOPED_TRACE(digit);
        ASSERT_TRUE(radio.SetBandDigit(digit));
        line.Send({0x02});
        const Bytes ident = line.Read(8);
        ASSERT_EQ(ident.size(), 8u);
        EXPECT_EQ(ident[6], byte7) << "only the low nibble changes";
        EXPECT_EQ(ident[7], 0x7E);
    }
    EXPECT_FALSE(radio.SetBandDigit('G'));
    EXPECT_FALSE(radio.SetBandDigit('a'));
}

TEST_F(RadioSimulatorTest, MisbehavesInTheReplyToTheChosenFrame) {
    ASSERT_TRUE(line.Ok());
    struct Case {
        const char* what;
        ReplyFault fault;
        Bytes expected;  // what arrives for the ack that is frame 1
    } cases[] = {
        {"extra trailing byte", {.extraAfter = {0x00}}, {0x06, 0x00}},
        {"junk ahead", {.junkBefore = {0xFF, 0x13}}, {0xFF, 0x13, 0x06}},
        {"reply without 06", {.replaceWith = Bytes{0x10, 0x65}}, {0x10, 0x65}},
        {"silent", {.silent = true}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        radio.ClearRecord();
        radio.ClearFaults();
        radio.SetReplyFault(1, c.fault);
        line.Send({0x06});
        EXPECT_EQ(line.Read(1), Bytes{0x06}) << "frame 0 is answered properly";
        line.Send({0x06});
        EXPECT_EQ(line.Read(c.expected.size() + 1, 300ms), c.expected);
        line.Send({0x06});
        EXPECT_EQ(line.Read(1), Bytes{0x06}) << "frame 2 is answered properly again";
    }
}

TEST_F(RadioSimulatorTest, SplitsAReplyWithAGapBetweenItsParts) {
    ASSERT_TRUE(line.Ok());
    radio.SetSplitGap(80ms);
    radio.SetReplyFault(0, {.splitAt = 5});
    const auto start = Clock::now();
    line.Send(ReadRequest(0x000));
    const Bytes firstPart = line.Read(5);
    const Bytes rest = line.Read(15);
    EXPECT_GE(Clock::now() - start, 80ms);
    EXPECT_EQ(Concat({firstPart, rest}),
              Concat({{'W', 0, 0, 0x10}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}));
}

TEST_F(RadioSimulatorTest, StaysSilentFromTheChosenFrameOn) {
    ASSERT_TRUE(line.Ok());
    radio.SetSilentFrom(2);
    for (int i = 0; i < 4; ++i) line.Send({0x06});
    ASSERT_TRUE(radio.WaitForFrameCount(4, 2000ms));
    EXPECT_EQ(line.Read(4, 300ms), (Bytes{0x06, 0x06}));
    radio.ClearFaults();
    line.Send({0x06});
    EXPECT_EQ(line.Read(1), Bytes{0x06});
}

TEST_F(RadioSimulatorTest, UnsolicitedBytesGoOutAsTheyAre) {
    ASSERT_TRUE(line.Ok());
    Bytes all(256);
    std::iota(all.begin(), all.end(), std::uint8_t(0));
    radio.SendUnsolicited(all);
    EXPECT_EQ(line.Read(256), all);
    // The count follows the write; a frame handled after it sees it done.
    line.Send({0x06});
    ASSERT_TRUE(radio.WaitForFrameCount(1, 2000ms));
    EXPECT_GE(radio.BytesSent(), 256u);
}

TEST_F(RadioSimulatorTest, HangsUpAtTheChosenFrame) {
    ASSERT_TRUE(line.Ok());
    radio.SetReplyFault(1, {.hangUp = true});
    line.Send(Of("PROGRAM"));
    EXPECT_EQ(line.Read(1), Bytes{0x06});
    line.Send({0x02});
    // The frame is recorded once the line is down.
    ASSERT_TRUE(radio.WaitForFrameCount(2, 2000ms));
    EXPECT_TRUE(radio.HungUp());
    EXPECT_TRUE(line.SeesHangUp());
    EXPECT_EQ(radio.FrameCount(), 2u);
}

TEST_F(RadioSimulatorTest, HangsUpOnRequest) {
    ASSERT_TRUE(line.Ok());
    radio.HangUp();
    EXPECT_TRUE(radio.HungUp());
    EXPECT_TRUE(line.SeesHangUp());
    radio.HangUp();  // a second time is harmless
}

TEST_F(RadioSimulatorTest, PacesItsRepliesToWireTime) {
    ASSERT_TRUE(line.Ok());
    radio.SetWirePacing(true);
    constexpr int kBlocks = 8;
    const auto start = Clock::now();
    for (int b = 0; b < kBlocks; ++b) {
        line.Send(ReadRequest(std::uint16_t(b * 16)));
        ASSERT_EQ(line.Read(20).size(), 20u);
    }
    // 4 bytes out and 20 back per block, each byte 1/960 s on the wire.
    const auto wire = std::chrono::microseconds(kBlocks * 24 * 1'000'000 / 960);
    const auto measured = Clock::now() - start;
    EXPECT_GE(measured, wire);
    EXPECT_LT(measured, wire + 1s);
}

TEST(RadioSimulatorLifetime, StopsCleanlyWithRepliesStillQueued) {
    RadioSimulator radio;
    radio.SetWirePacing(true);
    SlaveEnd line(radio.SlavePath());
    ASSERT_TRUE(line.Ok());
    radio.SendUnsolicited(Bytes(2000, 0x55));  // two seconds of wire time
    EXPECT_EQ(line.Read(1).size(), 1u);
}

}  // namespace
}  // namespace qav::sim
