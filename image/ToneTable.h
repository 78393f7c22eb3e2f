#pragma once
// Part 1.102: the `ToneTable` of the 260 sub-audio tone texts and the off
// texts. Index 1..50 CTCSS tones in Hz, 51..155 DCS normal ("D023N"), 156..260
// DCS inverted ("D023I"); index 0 is off and has no entry. Every tone list of
// the editing windows (the channel editor's `Form1.Combo1`, `Form3.Combo22`
// and `Form3.Combo23`) holds the off text followed by the 260 texts in this
// order, so a table index is also a list index (`ToneListItems`).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "image/Language.h"

namespace qav {

class ToneTable {
  public:
    static constexpr int kCtcssFirst = 1;
    static constexpr int kCtcssLast = 50;
    static constexpr int kDcsNormalFirst = 51;
    static constexpr int kDcsNormalLast = 155;
    static constexpr int kDcsInvertedFirst = 156;
    static constexpr int kDcsInvertedLast = 260;
    static constexpr int kEntries = 260;    // entries 1..260
    static constexpr int kListItems = 261;  // a tone list: off + 260 entries

    // An empty table (every entry empty) until FillToneTable runs.
    ToneTable() = default;

    // Text of entry `index` (1..260); index 0 or out of range: the empty text.
    const std::string& Text(int index) const;

    // The `ToneIndex` rule on this table: a text containing "N" (either
    // case) is searched in 51..155, else one containing "I" (either case) in
    // 156..260, else in 1..50; the first entry equal to the text (exact,
    // case-sensitive) gives its index, none gives 0.
    int Index(std::string_view text) const;

  private:
    friend void FillToneTable(ToneTable& table);
    std::array<std::string, kEntries + 1> texts_;  // [0] stays empty
};

// Assigns the 260 texts of Part 1.102 to entries 1..260.
void FillToneTable(ToneTable& table);

// A filled table that never changes (the data of FillToneTable), for the pure
// routines below; the program's own table, filled at start-up, equals it.
const ToneTable& StandardToneTable();

// The `ToneIndex` of Part 1.102 on the standard table.
int ToneIndex(std::string_view text);

// The 105 DCS codes in table order ("023" .. "754").
extern const std::array<std::string_view, 105> kDcsCodes;

// The off text of a tone by language: "关闭", "Off", "關閉". A value that is no
// language gives the English text.
std::string_view OffToneText(Language language);

// The items of a tone list: the off text of `language`, then entries 1..260.
std::vector<std::string> ToneListItems(Language language);

}  // namespace qav
