#include "tests/support/PacedOutput.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace qav::sim {

void PacedOutput::Enqueue(std::vector<std::uint8_t> bytes, Clock::time_point notBefore,
                          Clock::duration gapAfterPrevious) {
    if (bytes.empty()) return;
    Chunk chunk;
    chunk.bytes = std::move(bytes);
    chunk.notBefore = notBefore;
    chunk.gap = gapAfterPrevious;
    chunks_.push_back(std::move(chunk));
}

PacedOutput::Result PacedOutput::WriteDue(int fd, Clock::time_point now) {
    Result result;
    while (!chunks_.empty()) {
        Chunk& chunk = chunks_.front();
        if (!chunk.started) {
            const Clock::time_point start = std::max(chunk.notBefore, lastEnd_ + chunk.gap);
            if (now < start) {
                result.nextDue = start;
                return result;
            }
            chunk.started = true;
            chunk.wireCursor = start;
        }
        std::size_t due = chunk.bytes.size() - chunk.sent;
        if (pacing_) {
            // Every byte whose wire time has passed, none ahead of it.
            const auto elapsed = now - chunk.wireCursor;
            due = std::min(due, std::size_t(std::max<Clock::rep>(0, elapsed / kByteTime)));
            if (due == 0) {
                result.nextDue = chunk.wireCursor + kByteTime;
                return result;
            }
        }
        const ssize_t n = ::write(fd, chunk.bytes.data() + chunk.sent, due);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                result.blocked = true;
            } else {
                result.failed = true;
            }
            return result;
        }
        chunk.sent += std::size_t(n);
        result.written += std::size_t(n);
        chunk.wireCursor += kByteTime * n;
        if (chunk.sent < chunk.bytes.size()) {
            if (std::size_t(n) < due) {
                result.blocked = true;
                return result;
            }
            continue;
        }
        lastEnd_ = pacing_ ? chunk.wireCursor : now;
        chunks_.pop_front();
    }
    return result;
}

}  // namespace qav::sim
