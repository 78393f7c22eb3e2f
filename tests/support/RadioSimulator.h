#pragma once
// A simulated radio on a pseudo-terminal, for the tests and the benchmark.
//
//   qav::sim::RadioSimulator radio;                // a pty, answering at once
//   qav::sim::RadioSimulator first(qav::sim::kFirstModelRadio);  // the QAV-730 radio
//   radio.LinkAsPort(configHome / "QAV-750" / "ports", 1);   // ports/com1 -> the slave
//   radio.SetMemory(bytes); radio.SetBandDigit('3');
//   radio.SetReplyFault(5, {.splitAt = 7});         // the reply to frame 5 in two writes
//   ... run the program against port 1 ...
//   radio.Frames();                                // every frame the radio received
//
// The radio answers the program as it drives the transfer:
//   "PROGRAM" -> 06          0x02 -> the 8-byte ident       06 -> 06
//   'R' hi lo 0x10 -> 'W' hi lo 0x10 + its 16 bytes at that address
//   'W' hi lo 0x10 + 16 bytes -> stores them, 06            'E' -> 06
// It keeps no session state: every frame is answered on its own. A block
// address beyond its memory and an unknown byte get no answer.
//
// Frames are numbered in the order they arrive, from 0 (since construction
// or the last ClearRecord()); faults are set by that number. In a read the
// wake string is frame 0, the mode byte 1, the ack after the ident 2, and the
// request for block b is frame 3 + 2b with the program's ack 4 + 2b; the
// end command is frame 387. In a write the frame sent in WriteStep s is frame
// s (the wake string 0, the mode byte 1), so the reply that WriteStep s waits
// for is the reply to frame s - 1.
//
// The radio runs on a thread of its own (poll() on the master), so the
// program under test stays single-threaded; every accessor is thread-safe.

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/PacedOutput.h"
#include "tests/support/PseudoTerminal.h"
#include "tests/support/RadioFrame.h"

namespace qav::sim {

// Which radio the simulator is: the size of its memory and its ident. Every
// block of the memory is an ordinary block (the first model's 0x7E0 and 0x7F0
// too); the faults are the same for both.
struct RadioModel {
    std::size_t memorySize;
    std::array<std::uint8_t, 8> ident;
};
// The second model: 3072 bytes, "RL-701", band digit 4.
extern const RadioModel kSecondModelRadio;
// The first model: 2048 bytes, "RL-730", band digit 4.
extern const RadioModel kFirstModelRadio;

// How the radio misbehaves in its answer to one frame. The reply is built as
// junkBefore + (replaceWith or the proper reply) + extraAfter, then split.
struct ReplyFault {
    bool silent = false;                                     // no answer at all
    bool hangUp = false;                                     // drop the line instead of answering
    std::size_t splitAt = 0;                                 // 0: one write; n: n bytes, a gap, the rest
    std::vector<std::uint8_t> junkBefore{};                  // bytes ahead of the reply
    std::vector<std::uint8_t> extraAfter{};                  // bytes after it (an extra trailing byte)
    std::optional<std::vector<std::uint8_t>> replaceWith{};  // e.g. a reply without 06
};

class RadioSimulator {
  public:
    using Ident = std::array<std::uint8_t, 8>;
    using FrameObserver = std::function<void(std::size_t index, const ReceivedFrame& frame)>;

    // "RL-701", band digit 4 in the low nibble of byte 7, byte 8 zero.
    static const Ident kDefaultIdent;

    // A memory of memorySize bytes (0xFF), answering without pacing.
    explicit RadioSimulator(std::size_t memorySize);
    explicit RadioSimulator(const RadioModel& model);
    RadioSimulator();  // the QAV-750 radio
    ~RadioSimulator();

    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    const std::string& SlavePath() const { return pty_.SlavePath(); }

    // portsFolder/comN becomes a link to the slave (replacing what was there).
    bool LinkAsPort(const std::filesystem::path& portsFolder, int port) const;

    std::vector<std::uint8_t> Memory() const;
    void SetMemory(std::vector<std::uint8_t> memory);  // keeps the size it is given

    Ident GetIdent() const;
    void SetIdent(const Ident& ident);
    // The band digit the ident reports: '0'..'9' or 'A'..'F' (false otherwise).
    bool SetBandDigit(char hexDigit);

    // Faults, by frame number. Silence from a frame on covers every later one.
    void SetReplyFault(std::size_t frameIndex, ReplyFault fault);
    void SetSilentFrom(std::size_t frameIndex);
    void SetSplitGap(std::chrono::milliseconds gap);  // default 30 ms
    void ClearFaults();

    // Bytes the radio sends now, unasked (junk on the line).
    void SendUnsolicited(std::vector<std::uint8_t> bytes);

    // Drops the line now (closes the master); returns once it is closed.
    void HangUp();
    bool HungUp() const;

    // Replies leave at 960 bytes a second, and a frame from the program
    // counts as received only after its own wire time.
    void SetWirePacing(bool wireTime);

    std::vector<ReceivedFrame> Frames() const;
    std::size_t FrameCount() const;
    // Blocks the caller (not the radio) until count frames have arrived. A
    // frame answered by dropping the line is recorded after the line is down.
    bool WaitForFrameCount(std::size_t count, std::chrono::milliseconds timeout) const;
    // Called on the radio's thread after each frame is recorded.
    void SetFrameObserver(FrameObserver observer);
    // Forgets the recorded frames and restarts their numbering (and the byte counts).
    void ClearRecord();

    std::size_t BytesReceived() const;
    std::size_t BytesSent() const;

  private:
    using Clock = PacedOutput::Clock;

    void Run();
    void Wake() const;
    void ReceiveBytes(Clock::time_point now);
    void HandleFrame(std::span<const std::uint8_t> raw, Clock::time_point complete);
    std::vector<std::uint8_t> ProperReply(const ReceivedFrame& frame);  // needs mutex_
    void DropLine();

    PseudoTerminal pty_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<std::uint8_t> memory_;
    Ident ident_ = kDefaultIdent;
    std::map<std::size_t, ReplyFault> faults_;
    std::optional<std::size_t> silentFrom_;
    std::chrono::milliseconds splitGap_{30};
    bool pacing_ = false;
    std::vector<ReceivedFrame> frames_;
    FrameObserver observer_;
    std::vector<std::vector<std::uint8_t>> unsolicited_;
    std::size_t bytesReceived_ = 0;
    std::size_t bytesSent_ = 0;
    bool stop_ = false;
    bool hangUpRequested_ = false;
    bool hungUp_ = false;

    // Only the radio's thread touches these.
    PacedOutput output_;
    std::vector<std::uint8_t> rxPending_;
    std::vector<Clock::time_point> rxPendingEnds_;  // when each pending byte was fully received
    Clock::time_point rxWireFree_{};

    std::thread thread_;  // last: starts once everything above exists
};

}  // namespace qav::sim
