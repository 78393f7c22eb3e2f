#pragma once
// What the simulated radio has still to send, in order, each chunk not before
// its time. With wire pacing a byte leaves only when the one before it has
// had its 1/960 s on a 9600-baud 8N1 line (10 bits a byte), so the program
// sees the radio's replies arrive as fast as a real cable delivers them.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace qav::sim {

class PacedOutput {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kByteTime = std::chrono::nanoseconds(1'000'000'000 / 960);

    void SetPacing(bool wireTime) { pacing_ = wireTime; }

    // The bytes go out once notBefore has come and, after the chunk before
    // them, the gap has passed.
    void Enqueue(std::vector<std::uint8_t> bytes, Clock::time_point notBefore,
                 Clock::duration gapAfterPrevious = {});

    struct Result {
        std::size_t written = 0;                   // bytes handed to the fd
        bool blocked = false;                      // the fd took no more: wait until writable
        bool failed = false;                       // the fd is gone
        std::optional<Clock::time_point> nextDue;  // when to call again, if anything is left
    };
    Result WriteDue(int fd, Clock::time_point now);

    bool Empty() const { return chunks_.empty(); }
    void Clear() { chunks_.clear(); }

  private:
    struct Chunk {
        std::vector<std::uint8_t> bytes;
        Clock::time_point notBefore;
        Clock::duration gap{};
        std::size_t sent = 0;
        bool started = false;
        Clock::time_point wireCursor{};  // pacing: when the last sent byte finished
    };

    bool pacing_ = false;
    std::deque<Chunk> chunks_;
    Clock::time_point lastEnd_{};  // when the previous chunk finished
};

}  // namespace qav::sim
