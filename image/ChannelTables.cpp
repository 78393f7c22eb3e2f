#include "image/ChannelTables.h"

#include <algorithm>
#include <stdexcept>

namespace qav {

ChannelTables::ChannelTables(const ModelProfile& profile)
    : ChannelTables(profile.channelCount, profile.optionColumns) {}

ChannelTables::ChannelTables(int channelCount, int optionColumns)
    : channelCount_(std::max(channelCount, 0)),
      optionColumns_(std::max(optionColumns, 0)),
      freq_(static_cast<std::size_t>(channelCount_) * kFreqColumns),
      options_(static_cast<std::size_t>(channelCount_) * static_cast<std::size_t>(optionColumns_), 0),
      optionText_(options_.size()),
      names_(static_cast<std::size_t>(channelCount_)) {}

std::size_t ChannelTables::FreqAt(int ch, int column) const {
    if (!HasChannel(ch) || column < 0 || column >= kFreqColumns) {
        throw std::out_of_range("ChannelFreq index out of range");
    }
    return static_cast<std::size_t>(ch) * kFreqColumns + static_cast<std::size_t>(column);
}

std::size_t ChannelTables::OptionAt(int ch, int column) const {
    if (!HasChannel(ch) || column < 0 || column >= optionColumns_) {
        throw std::out_of_range("ChannelOptions index out of range");
    }
    return static_cast<std::size_t>(ch) * static_cast<std::size_t>(optionColumns_) +
           static_cast<std::size_t>(column);
}

std::size_t ChannelTables::NameAt(int ch) const {
    if (!HasChannel(ch)) {
        throw std::out_of_range("ChannelName index out of range");
    }
    return static_cast<std::size_t>(ch);
}

std::string& ChannelTables::ChannelFreq(int ch, int column) {
    return freq_[FreqAt(ch, column)];
}
const std::string& ChannelTables::ChannelFreq(int ch, int column) const {
    return freq_[FreqAt(ch, column)];
}
int& ChannelTables::ChannelOptions(int ch, int column) {
    return options_[OptionAt(ch, column)];
}
int ChannelTables::ChannelOptions(int ch, int column) const {
    return options_[OptionAt(ch, column)];
}
std::string& ChannelTables::ChannelOptionText(int ch, int column) {
    return optionText_[OptionAt(ch, column)];
}
const std::string& ChannelTables::ChannelOptionText(int ch, int column) const {
    return optionText_[OptionAt(ch, column)];
}
std::string& ChannelTables::ChannelName(int ch) {
    return names_[NameAt(ch)];
}
const std::string& ChannelTables::ChannelName(int ch) const {
    return names_[NameAt(ch)];
}

void ChannelTables::ClearChannel(int ch) {
    ChannelFreq(ch, 0).clear();
    ChannelFreq(ch, 1).clear();
    for (int c = 0; c < optionColumns_; ++c) {
        ChannelOptions(ch, c) = 0;
        ChannelOptionText(ch, c).clear();
    }
    ChannelName(ch).clear();
}

void ChannelTables::ClearAll() {
    for (int ch = 0; ch < channelCount_; ++ch) {
        ClearChannel(ch);
    }
}

}  // namespace qav
