#pragma once
// The frames the radio receives from the program, as the simulated radio
// records them. Each frame's length follows from its first byte; nothing else
// (no length field, no checksum) tells where a frame ends.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qav::sim {

enum class FrameKind {
    Wake,     // the 7 bytes "PROGRAM"
    Mode,     // 0x02, asks for the ident
    Ack,      // 0x06
    Read,     // 'R' hi lo 0x10: asks for one block
    Write,    // 'W' hi lo 0x10 + 16 data bytes: one block to store
    End,      // 'E'
    Unknown,  // a byte that starts no frame, or 7 bytes from 'P' that are not the wake string
};

struct ReceivedFrame {
    FrameKind kind = FrameKind::Unknown;
    std::uint16_t address = 0;       // Read and Write: the block address
    std::vector<std::uint8_t> data;  // Write: the 16 data bytes
    std::vector<std::uint8_t> raw;   // the frame as it arrived
};

inline constexpr std::size_t kBlockSize = 16;

// Bytes in the frame that begins with this byte: 'P' 7, 'R' 4, 'W' 20, else 1.
std::size_t FrameLength(std::uint8_t first);

// raw holds exactly FrameLength(raw[0]) bytes.
ReceivedFrame ParseFrame(std::span<const std::uint8_t> raw);

const char* FrameKindName(FrameKind kind);

}  // namespace qav::sim
