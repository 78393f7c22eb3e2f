#include "image/MemoryImage.h"

#include <algorithm>
#include <stdexcept>

namespace qav {

MemoryImage::MemoryImage(const ModelProfile& profile)
    : storage_(static_cast<std::size_t>(std::max({profile.imageArraySize, profile.imageSize, 0})), 0),
      size_(std::max(profile.imageSize, 0)) {}

std::uint8_t MemoryImage::at(int offset) const {
    if (!Contains(offset)) {
        throw std::out_of_range("MemoryImage offset outside the travelling bytes");
    }
    return storage_[static_cast<std::size_t>(offset)];
}

std::uint8_t& MemoryImage::at(int offset) {
    if (!Contains(offset)) {
        throw std::out_of_range("MemoryImage offset outside the travelling bytes");
    }
    return storage_[static_cast<std::size_t>(offset)];
}

void MemoryImage::Assign(std::span<const std::uint8_t> source, int offset) {
    if (offset < 0 || offset >= size_) {
        return;
    }
    const std::size_t room = Count() - static_cast<std::size_t>(offset);
    const std::size_t count = std::min(room, source.size());
    std::copy_n(source.begin(), count, storage_.begin() + offset);
}

void MemoryImage::Fill(std::uint8_t value) {
    std::fill_n(storage_.begin(), Count(), value);
}

bool operator==(const MemoryImage& a, const MemoryImage& b) {
    return std::ranges::equal(a.bytes(), b.bytes());
}

}  // namespace qav
