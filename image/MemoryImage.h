#pragma once
// The memory image type of `ReadImage` and `WriteImage` (Part 1.101): a byte
// array sized from the model profile. Bytes 0 .. size()-1 are the radio's
// memory and travel (radio address = offset); the array holds one more byte
// (index imageSize, 3072 for QAV-750) that exists only as the array's upper
// bound and that no accessor reaches, so it is never read, written or sent.
// Both images start as zeros.

#include <cstdint>
#include <span>
#include <vector>

#include "image/ModelProfile.h"

namespace qav {

class MemoryImage {
  public:
    // All zeros; profile.imageSize bytes travel, profile.imageArraySize exist.
    explicit MemoryImage(const ModelProfile& profile);

    // Bytes that travel (0 .. size()-1).
    int size() const { return size_; }
    // Size of the whole array, spare byte included.
    int arraySize() const { return static_cast<int>(storage_.size()); }

    bool Contains(int offset) const { return offset >= 0 && offset < size_; }

    // Checked access: an offset outside 0 .. size()-1 throws std::out_of_range
    // (a programming error; the codec never asks for one).
    std::uint8_t at(int offset) const;
    std::uint8_t& at(int offset);

    // The byte at `offset`, or `missing` when the offset lies outside the
    // travelling bytes: the decoder reads through this so that no image,
    // whatever its size, makes it read out of range.
    std::uint8_t ValueOr(int offset, std::uint8_t missing) const {
        return Contains(offset) ? storage_[static_cast<std::size_t>(offset)] : missing;
    }

    // The travelling bytes.
    std::span<const std::uint8_t> bytes() const { return {storage_.data(), Count()}; }
    std::span<std::uint8_t> bytes() { return {storage_.data(), Count()}; }

    // Copies min(size(), source.size()) bytes to the start of the image
    // (a block of a read, the image part of a data file); the rest is kept.
    void Assign(std::span<const std::uint8_t> source, int offset = 0);
    // Sets every travelling byte.
    void Fill(std::uint8_t value);

    // Equal when the travelling bytes are equal.
    friend bool operator==(const MemoryImage& a, const MemoryImage& b);

  private:
    std::size_t Count() const { return static_cast<std::size_t>(size_); }

    std::vector<std::uint8_t> storage_;
    int size_;
};

}  // namespace qav
