#include "tests/support/PacedOutput.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace qav::sim {

void PacedOutput::Enqueue(std::vector<std::uint8_t> bytes, Clock::time_point notBefore,
                          Clock::duration gapAfterPrevious) {
    if (bytes.empty())
        return;
    Piece piece;
    piece.bytes = std::move(bytes);
    piece.notBefore = notBefore;
    piece.gap = gapAfterPrevious;
    pieces_.push_back(std::move(piece));
}

PacedOutput::Result PacedOutput::WriteDue(int fd, Clock::time_point now) {
    Result result;
    while (!pieces_.empty()) {
        Piece& piece = pieces_.front();
        if (!piece.started) {
            const Clock::time_point start = std::max(piece.notBefore, lastEnd_ + piece.gap);
            if (now < start) {
                result.nextDue = start;
                return result;
            }
            piece.started = true;
            piece.wireCursor = start;
        }
        std::size_t due = piece.bytes.size() - piece.sent;
        if (pacing_) {
            // Every byte whose wire time has passed, none ahead of it.
            const auto elapsed = now - piece.wireCursor;
            due = std::min(due, std::size_t(std::max<Clock::rep>(0, elapsed / kByteTime)));
            if (due == 0) {
                result.nextDue = piece.wireCursor + kByteTime;
                return result;
            }
        }
        const ssize_t n = ::write(fd, piece.bytes.data() + piece.sent, due);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                result.blocked = true;
            } else {
                result.failed = true;
            }
            return result;
        }
        piece.sent += std::size_t(n);
        result.written += std::size_t(n);
        piece.wireCursor += kByteTime * n;
        if (piece.sent < piece.bytes.size()) {
            if (std::size_t(n) < due) {
                result.blocked = true;
                return result;
            }
            continue;
        }
        lastEnd_ = pacing_ ? piece.wireCursor : now;
        pieces_.pop_front();
    }
    return result;
}

}  // namespace qav::sim
