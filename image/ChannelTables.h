#pragma once
// The channel tables (module-level arrays of the system), sized from the model
// profile at run time so the QAV-730 (16 channels, 10 option columns) uses the
// same class:
//   ChannelFreq(ch, 0 | 1)        receive / transmit frequency text ("" none)
//   ChannelOptions(ch, c)         list index of option column c
//   ChannelOptionText(ch, c)      its text
//   ChannelName(ch)               channel name
// `ch` is the channel number minus one (0 .. channelCount()-1), as the system
// writes ChannelFreq(k-1, 0). Option column c holds grid column c + 3 of the
// channel editor: 0 receive tone (ToneTable index and text), 1 transmit tone,
// 2.. the option lists (QAV-750: power, busy lock, scan add, bandwidth, ANI,
// scrambler, compander; QAV-730 adds Reverse as column 9).
//
// An index outside the table is a programming error and throws
// std::out_of_range; `HasChannel` lets a caller test first.

#include <string>
#include <vector>

#include "image/ModelProfile.h"

namespace qav {

class ChannelTables {
  public:
    static constexpr int kFreqColumns = 2;  // 0 receive, 1 transmit

    explicit ChannelTables(const ModelProfile& profile);
    ChannelTables(int channelCount, int optionColumns);

    int channelCount() const { return channelCount_; }
    int optionColumns() const { return optionColumns_; }
    bool HasChannel(int ch) const { return ch >= 0 && ch < channelCount_; }

    std::string& ChannelFreq(int ch, int column);
    const std::string& ChannelFreq(int ch, int column) const;
    int& ChannelOptions(int ch, int column);
    int ChannelOptions(int ch, int column) const;
    std::string& ChannelOptionText(int ch, int column);
    const std::string& ChannelOptionText(int ch, int column) const;
    std::string& ChannelName(int ch);
    const std::string& ChannelName(int ch) const;

    // The tables' part of `Form1.ClearNO`(ch + 1): both frequencies, every
    // option text and the name empty, every option index 0.
    void ClearChannel(int ch);
    // ClearChannel for every channel (the tables' part of `Form1.ClearGrid`).
    void ClearAll();

    friend bool operator==(const ChannelTables& a, const ChannelTables& b) = default;

  private:
    std::size_t FreqAt(int ch, int column) const;
    std::size_t OptionAt(int ch, int column) const;
    std::size_t NameAt(int ch) const;

    int channelCount_;
    int optionColumns_;
    std::vector<std::string> freq_;
    std::vector<int> options_;
    std::vector<std::string> optionText_;
    std::vector<std::string> names_;
};

}  // namespace qav
