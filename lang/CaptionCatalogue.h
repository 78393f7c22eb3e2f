#pragma once
// The stored Simplified Chinese and English captions of the windows. A row
// names a form, a control on it (empty: the form itself), what of the control
// it sets and, for lists, grids and toolbars, which item.

#include <span>
#include <vector>

namespace qav {

enum class CaptionTarget {
    Caption,     // a label, button, frame, menu item or form caption
    ToolTip,     // item: the toolbar button, from 1
    ListItem,    // item: the list entry, from 0
    GridHeader,  // item: the grid column, from 0
};

struct CaptionRow {
    const char* form;
    const char* control;
    CaptionTarget target;
    int item;
    const char* simplified;
    const char* english;
};

// One tab of a tab strip. A strip's tabs are rebuilt with every caption set:
// the strip is emptied before its tab 1 is added, and tab 1 is then selected.
struct TabCaptionRow {
    const char* form;
    const char* control;
    int index;  // from 1, in the order the tabs are added
    const char* key;
    const char* simplified;
    const char* english;
};

// The rows of the second model's program, form by form in the order they are applied.
std::span<const CaptionRow> Qav750Captions();
std::span<const TabCaptionRow> Qav750TabCaptions();

// How another program's catalogue differs from a base catalogue, row by row.
struct CaptionChange {
    enum class Kind {
        Replace,  // the base row of the same form, control, target and item gets these
                  // texts (a null text keeps the base row's)
        Add,      // a row the base lacks, applied after the last base row of its form
        Drop,     // the base row is not applied: the control keeps its design-time text
    };
    Kind kind;
    CaptionRow row;  // for Drop only form, control, target and item count
};

// The base catalogue with the changes made, in the base's order. A Replace or
// Drop that matches no base row is ignored.
std::vector<CaptionRow> WithChanges(std::span<const CaptionRow> base, std::span<const CaptionChange> changes);

}  // namespace qav
