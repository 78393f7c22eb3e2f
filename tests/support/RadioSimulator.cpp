#include "tests/support/RadioSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <system_error>

#include "image/ModelProfile.h"

namespace qav::sim {

const RadioSimulator::Ident RadioSimulator::kDefaultIdent = {'R', 'L', '-', '7', '0', '1', 0x04, 0x00};
const RadioModel kSecondModelRadio{std::size_t(kQav750.imageSize), RadioSimulator::kDefaultIdent};
const RadioModel kFirstModelRadio{0x800, {'R', 'L', '-', '7', '3', '0', 0x04, 0x00}};

namespace {
constexpr std::uint8_t kAck = 0x06;
}

RadioSimulator::RadioSimulator() : RadioSimulator(kSecondModelRadio) {}

RadioSimulator::RadioSimulator(const RadioModel& model) : RadioSimulator(model.memorySize) {
    ident_ = model.ident;
}

RadioSimulator::RadioSimulator(std::size_t memorySize) : memory_(memorySize, 0xFF) {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe2");
    }
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    thread_ = std::thread([this] { Run(); });
}

RadioSimulator::~RadioSimulator() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    Wake();
    thread_.join();
    ::close(wakeRead_);
    ::close(wakeWrite_);
}

bool RadioSimulator::LinkAsPort(const std::filesystem::path& portsFolder, int port) const {
    std::error_code error;
    std::filesystem::create_directories(portsFolder, error);
    const auto link = portsFolder / ("com" + std::to_string(port));
    std::filesystem::remove(link, error);
    std::filesystem::create_symlink(SlavePath(), link, error);
    return !error;
}

std::vector<std::uint8_t> RadioSimulator::Memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

void RadioSimulator::SetMemory(std::vector<std::uint8_t> memory) {
    std::lock_guard lock(mutex_);
    memory_ = std::move(memory);
}

RadioSimulator::Ident RadioSimulator::GetIdent() const {
    std::lock_guard lock(mutex_);
    return ident_;
}

void RadioSimulator::SetIdent(const Ident& ident) {
    std::lock_guard lock(mutex_);
    ident_ = ident;
}

bool RadioSimulator::SetBandDigit(char hexDigit) {
    int nibble = -1;
    if (hexDigit >= '0' && hexDigit <= '9') nibble = hexDigit - '0';
    if (hexDigit >= 'A' && hexDigit <= 'F') nibble = hexDigit - 'A' + 10;
    if (nibble < 0) return false;
    std::lock_guard lock(mutex_);
    ident_[6] = std::uint8_t((ident_[6] & 0xF0) | nibble);
    return true;
}

void RadioSimulator::SetReplyFault(std::size_t frameIndex, ReplyFault fault) {
    std::lock_guard lock(mutex_);
    faults_[frameIndex] = std::move(fault);
}

void RadioSimulator::SetSilentFrom(std::size_t frameIndex) {
    std::lock_guard lock(mutex_);
    silentFrom_ = frameIndex;
}

void RadioSimulator::SetSplitGap(std::chrono::milliseconds gap) {
    std::lock_guard lock(mutex_);
    splitGap_ = gap;
}

void RadioSimulator::ClearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
    silentFrom_.reset();
}

void RadioSimulator::SendUnsolicited(std::vector<std::uint8_t> bytes) {
    {
        std::lock_guard lock(mutex_);
        unsolicited_.push_back(std::move(bytes));
    }
    Wake();
}

void RadioSimulator::HangUp() {
    {
        std::lock_guard lock(mutex_);
        hangUpRequested_ = true;
    }
    Wake();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return hungUp_; });
}

bool RadioSimulator::HungUp() const {
    std::lock_guard lock(mutex_);
    return hungUp_;
}

void RadioSimulator::SetWirePacing(bool wireTime) {
    {
        std::lock_guard lock(mutex_);
        pacing_ = wireTime;
    }
    Wake();
}

std::vector<ReceivedFrame> RadioSimulator::Frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

std::size_t RadioSimulator::FrameCount() const {
    std::lock_guard lock(mutex_);
    return frames_.size();
}

bool RadioSimulator::WaitForFrameCount(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return frames_.size() >= count; });
}

void RadioSimulator::SetFrameObserver(FrameObserver observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void RadioSimulator::ClearRecord() {
    std::lock_guard lock(mutex_);
    frames_.clear();
    bytesReceived_ = bytesSent_ = 0;
}

std::size_t RadioSimulator::BytesReceived() const {
    std::lock_guard lock(mutex_);
    return bytesReceived_;
}

std::size_t RadioSimulator::BytesSent() const {
    std::lock_guard lock(mutex_);
    return bytesSent_;
}

void RadioSimulator::Wake() const {
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost.
    [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
}

void RadioSimulator::Run() {
    bool lineUp = true;
    for (;;) {
        const Clock::time_point now = Clock::now();
        bool dropRequested = false;
        {
            std::lock_guard lock(mutex_);
            if (stop_) return;
            dropRequested = hangUpRequested_ && lineUp;
            output_.SetPacing(pacing_);
            for (auto& bytes : unsolicited_) output_.Enqueue(std::move(bytes), now);
            unsolicited_.clear();
        }
        if (dropRequested) {
            DropLine();
            lineUp = false;
        }

        PacedOutput::Result sent;
        if (lineUp) {
            sent = output_.WriteDue(pty_.MasterFd(), now);
            if (sent.written > 0) {
                std::lock_guard lock(mutex_);
                bytesSent_ += sent.written;
            }
            if (sent.failed) {
                DropLine();
                lineUp = false;
            }
        }

        pollfd fds[2] = {{.fd = wakeRead_, .events = POLLIN, .revents = 0},
                         {.fd = lineUp ? pty_.MasterFd() : -1,
                          .events = short(POLLIN | (sent.blocked ? POLLOUT : 0)),
                          .revents = 0}};
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (lineUp && sent.nextDue && !sent.blocked) {
            const auto wait = std::max(Clock::duration::zero(), *sent.nextDue - Clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
            timeout = {.tv_sec = time_t(ns / 1'000'000'000), .tv_nsec = long(ns % 1'000'000'000)};
            timeoutPtr = &timeout;
        }
        if (::ppoll(fds, 2, timeoutPtr, nullptr) < 0 && errno != EINTR) return;
        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead_, drain, sizeof drain) > 0) {
            }
        }
        if (lineUp && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            ReceiveBytes(Clock::now());
            lineUp = !HungUp();
        }
    }
}

void RadioSimulator::ReceiveBytes(Clock::time_point now) {
    std::uint8_t chunk[512];
    bool pacing = false;
    {
        std::lock_guard lock(mutex_);
        pacing = pacing_;
    }
    for (;;) {
        const ssize_t n = ::read(pty_.MasterFd(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (n <= 0) {
            // The slave side is gone for good; stop watching the master.
            DropLine();
            return;
        }
        {
            std::lock_guard lock(mutex_);
            bytesReceived_ += std::size_t(n);
        }
        // Each byte has its 1/960 s on the wire after the one before it.
        Clock::time_point end = pacing ? std::max(now, rxWireFree_) : now;
        for (ssize_t i = 0; i < n; ++i) {
            if (pacing) end += PacedOutput::kByteTime;
            rxPending_.push_back(chunk[i]);
            rxPendingEnds_.push_back(end);
        }
        rxWireFree_ = end;
    }
    std::size_t used = 0;
    while (used < rxPending_.size()) {
        const std::size_t length = FrameLength(rxPending_[used]);
        if (rxPending_.size() - used < length) break;
        HandleFrame(std::span(rxPending_).subspan(used, length), rxPendingEnds_[used + length - 1]);
        if (HungUp()) return;
        used += length;
    }
    rxPending_.erase(rxPending_.begin(), rxPending_.begin() + std::ptrdiff_t(used));
    rxPendingEnds_.erase(rxPendingEnds_.begin(), rxPendingEnds_.begin() + std::ptrdiff_t(used));
}

std::vector<std::uint8_t> RadioSimulator::ProperReply(const ReceivedFrame& frame) {
    const bool blockInMemory = std::size_t(frame.address) + kBlockSize <= memory_.size();
    switch (frame.kind) {
        case FrameKind::Wake:
        case FrameKind::Ack:
        case FrameKind::End:
            return {kAck};
        case FrameKind::Mode:
            return {ident_.begin(), ident_.end()};
        case FrameKind::Read: {
            if (!blockInMemory) return {};
            std::vector<std::uint8_t> reply(frame.raw.begin(), frame.raw.begin() + 3);
            reply[0] = 'W';
            reply.push_back(std::uint8_t(kBlockSize));
            reply.insert(reply.end(), memory_.begin() + frame.address,
                         memory_.begin() + frame.address + kBlockSize);
            return reply;
        }
        case FrameKind::Write:
            if (!blockInMemory) return {};
            std::copy(frame.data.begin(), frame.data.end(), memory_.begin() + frame.address);
            return {kAck};
        case FrameKind::Unknown:
            return {};
    }
    return {};
}

void RadioSimulator::HandleFrame(std::span<const std::uint8_t> raw, Clock::time_point complete) {
    ReceivedFrame frame = ParseFrame(raw);
    std::vector<std::uint8_t> reply;
    std::size_t splitAt = 0;
    std::chrono::milliseconds gap{};
    bool hangUp = false;
    std::size_t index = 0;
    FrameObserver observer;
    {
        std::lock_guard lock(mutex_);
        index = frames_.size();
        reply = ProperReply(frame);
        const auto fault = faults_.find(index);
        if (silentFrom_ && index >= *silentFrom_) {
            reply.clear();
        } else if (fault != faults_.end()) {
            const ReplyFault& f = fault->second;
            if (f.replaceWith) reply = *f.replaceWith;
            reply.insert(reply.begin(), f.junkBefore.begin(), f.junkBefore.end());
            reply.insert(reply.end(), f.extraAfter.begin(), f.extraAfter.end());
            if (f.silent) reply.clear();
            hangUp = f.hangUp;
            splitAt = f.splitAt;
        }
        gap = splitGap_;
        observer = observer_;
    }
    // The line goes before the frame is published, so whoever sees the frame
    // also sees the line gone.
    if (hangUp) DropLine();
    {
        std::lock_guard lock(mutex_);
        frames_.push_back(frame);
    }
    changed_.notify_all();
    if (observer) observer(index, frame);
    if (hangUp) return;
    if (splitAt > 0 && splitAt < reply.size()) {
        std::vector<std::uint8_t> rest(reply.begin() + std::ptrdiff_t(splitAt), reply.end());
        reply.resize(splitAt);
        output_.Enqueue(std::move(reply), complete);
        output_.Enqueue(std::move(rest), complete, gap);
    } else {
        output_.Enqueue(std::move(reply), complete);
    }
}

void RadioSimulator::DropLine() {
    pty_.CloseMaster();
    output_.Clear();
    rxPending_.clear();
    rxPendingEnds_.clear();
    {
        std::lock_guard lock(mutex_);
        hungUp_ = true;
    }
    changed_.notify_all();
}

}  // namespace qav::sim
