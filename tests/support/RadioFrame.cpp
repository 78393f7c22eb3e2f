#include "tests/support/RadioFrame.h"

#include <algorithm>
#include <string_view>

namespace qav::sim {

namespace {
constexpr std::string_view kWakeString = "PROGRAM";
}

std::size_t FrameLength(std::uint8_t first) {
    switch (first) {
        case 'P':
            return kWakeString.size();
        case 'R':
            return 4;
        case 'W':
            return 4 + kBlockSize;
        default:
            return 1;
    }
}

ReceivedFrame ParseFrame(std::span<const std::uint8_t> raw) {
    ReceivedFrame frame;
    frame.raw.assign(raw.begin(), raw.end());
    switch (raw[0]) {
        case 'P':
            if (std::equal(raw.begin(), raw.end(), kWakeString.begin(), kWakeString.end()))
                frame.kind = FrameKind::Wake;
            break;
        case 0x02:
            frame.kind = FrameKind::Mode;
            break;
        case 0x06:
            frame.kind = FrameKind::Ack;
            break;
        case 'E':
            frame.kind = FrameKind::End;
            break;
        case 'R':
        case 'W':
            frame.kind = raw[0] == 'R' ? FrameKind::Read : FrameKind::Write;
            frame.address = std::uint16_t(raw[1] << 8 | raw[2]);
            if (frame.kind == FrameKind::Write) frame.data.assign(raw.begin() + 4, raw.end());
            break;
        default:
            break;
    }
    return frame;
}

const char* FrameKindName(FrameKind kind) {
    switch (kind) {
        case FrameKind::Wake:
            return "Wake";
        case FrameKind::Mode:
            return "Mode";
        case FrameKind::Ack:
            return "Ack";
        case FrameKind::Read:
            return "Read";
        case FrameKind::Write:
            return "Write";
        case FrameKind::End:
            return "End";
        case FrameKind::Unknown:
            return "Unknown";
    }
    return "?";
}

}  // namespace qav::sim
