#include "image/FrequencySnap.h"

#include "image/NumberText.h"

namespace qav {

const std::array<std::string_view, 32> kStepList = {
    "0000", "0500", "0625", "1000", "1250", "1500", "1875", "2000", "2500", "3000", "3125",
    "3500", "3750", "4000", "4375", "4500", "5000", "5500", "5625", "6000", "6250", "6500",
    "6875", "7000", "7500", "8000", "8125", "8500", "8750", "9000", "9375", "9500"};

namespace {
constexpr std::size_t kTailLength = 4;  // characters below 100 kHz, 10 Hz each
}

double SnapFrequency(std::string_view text) {
    if (text.size() < kTailLength) {
        return Val(text);
    }
    const std::string_view head = text.substr(0, text.size() - kTailLength);
    const double tail = Val(text.substr(text.size() - kTailLength));
    if (!(tail >= 0.0 && tail <= 9999.0)) {
        return Val(text);
    }
    const int a = static_cast<int>(tail);
    const int b = a % 500;
    const int c = a % 625;
    if (b == 0 || c == 0) {
        return Val(text);
    }
    const int snapped = b < c ? a - b : a - c;
    std::string digits = std::to_string(snapped);
    digits.insert(0, kTailLength - digits.size(), '0');
    return Val(std::string(head) + digits);
}

std::string SnapToStepList(std::string_view text) {
    if (text.size() < kTailLength) {
        return std::string(text);
    }
    const std::string_view head = text.substr(0, text.size() - kTailLength);
    const double kHz = Val(text.substr(text.size() - kTailLength, 2));
    std::string_view chosen = kStepList.front();
    for (const std::string_view entry : kStepList) {
        if (Val(entry.substr(0, 2)) <= kHz) {
            chosen = entry;
        }
    }
    return std::string(head) + std::string(chosen);
}

std::string FormatHalfStep(std::string_view text) {
    std::string result(text);
    const std::size_t point = result.find('.');
    if (point == std::string::npos) {
        return result + ".00";
    }
    const std::size_t decimals = result.size() - point - 1;
    if (decimals == 0) {
        return result + "00";
    }
    if (decimals == 1) {
        return result + "0";
    }
    const char second = result[point + 2];
    result.resize(point + 2);
    result += (second >= '5' && second <= '9') ? '5' : '0';
    return result;
}

}  // namespace qav
