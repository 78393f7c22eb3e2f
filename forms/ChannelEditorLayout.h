#pragma once
// What the channel editor takes from the program's model: the width of each
// grid column, the option columns and their two-item lists, what a new channel
// starts with and the size of the window. The defaults are the QAV-750 editor.

#include <array>
#include <span>

#include "winsupport/LangText.h"

namespace qav {

// What a receive frequency typed into an empty channel brings along for one
// grid column from 3 on: the list index kept in ChannelOptions and the cell text.
struct ChannelDefault {
    int value;
    LangText text;
};

// The two items of one option editor Combo5(column), as laid out (Simplified).
using OptionItems = std::array<const char*, 2>;

inline constexpr std::array<int, 13> kQav750ColumnTwips{600, 1100, 1100, 1200, 1200, 600, 1400,
                                                        900, 700,  700,  900,  1200, 1400};

inline constexpr std::array<OptionItems, 7> kQav750OptionItems{{
    {"低", "高"},      // power
    {"载波", "关"},    // busy-channel lock
    {"禁止", "使能"},  // scan add
    {"窄带", "宽带"},  // bandwidth
    {"使能", "禁止"},  // ANI
    {"使能", "禁止"},  // scrambler
    {"禁止", "使能"},  // compander
}};

inline constexpr std::array<ChannelDefault, 9> kQav750NewChannel{{
    {0, {"关闭", "Off", "關閉"}},   // receive tone
    {0, {"关闭", "Off", "關閉"}},   // transmit tone
    {1, {"高", "High", "高"}},      // power
    {1, {"关", "Off", "關"}},       // busy-channel lock
    {1, {"使能", "On", "使能"}},    // scan add
    {1, {"宽带", "Wide", "寬帶"}},  // bandwidth
    {1, {"禁止", "Off", "禁止"}},   // ANI
    {1, {"禁止", "Off", "禁止"}},   // scrambler
    {0, {"禁止", "Off", "禁止"}},   // compander
}};

struct ChannelEditorLayout {
    std::span<const int, 13> columnTwips = kQav750ColumnTwips;  // least width of grid columns 0 to 12
    // The lists of Combo5(5), Combo5(6), ... in column order. Seven leave
    // column 12 to the channel name and its editor Text2; eight make column 12
    // an option column too, and the editor has no name editor at all.
    std::span<const OptionItems> optionItems = kQav750OptionItems;
    // Grid columns 3 to the last option column of a new channel, in order.
    std::span<const ChannelDefault> newChannel = kQav750NewChannel;
    // Whether loading writes the header row (columns 0 to 11) before the
    // captions do; otherwise it comes from the captions alone.
    bool headerOnLoad = true;
    int widthTwips = 14000;  // the window when it loads
    int heightTwips = 7200;
    int gridHeightTwips = 7170;  // with picClient's margin, the window's height
};

}  // namespace qav
