#pragma once
// What the optional features take from the program's model: which caption and
// field pairs the function-settings page shows and where, the texts and items
// some controls are designed with, the defaults that differ, the entry limits
// and the labels of the service unlock. The defaults are the QAV-750 form.

#include <array>
#include <span>

namespace qav {

// A caption label and its field, shown on the function-settings page at a row
// (from 0) in the left (0) or right (1) column.
struct FieldPlace {
    const char* label;
    const char* field;
    int row;
    int column;
};

// A control's design-time texts: a label's caption (nullptr: as it is) or a
// list's items (empty: as they are; otherwise the list holds exactly these).
struct DesignText {
    const char* control;
    const char* caption;
    std::span<const char* const> items;
};

// A list's index in a new data set, where it differs from the QAV-750 form.
struct ListDefault {
    const char* control;
    int index;
};

inline constexpr std::array<FieldPlace, 14> kQav750FunctionPage{{
    {"Label2", "Text2", 0, 0},
    {"Label6", "Text6", 0, 1},
    {"Label1", "Combo1", 1, 0},
    {"Label3", "Combo3", 1, 1},
    {"Label7", "Combo7", 2, 0},
    {"Label5", "Combo5", 2, 1},
    {"Label9", "Combo9", 3, 0},
    {"Label8", "Combo8", 3, 1},
    {"Label11", "Combo11", 4, 0},
    {"Label10", "Combo10", 4, 1},
    {"Label12", "Combo2", 5, 0},
    {"Label19", "Combo19", 5, 1},
    {"Label31", "Text31", 6, 0},
    {"Label33", "Combo18", 6, 1},
}};

struct FeaturesFormLayout {
    int widthTwips = 12800;
    int heightTwips = 5820;
    // The pairs the function-settings page shows; every other pair of the page
    // exists, keeps its value and is hidden.
    std::span<const FieldPlace> functionPage = kQav750FunctionPage;
    std::span<const DesignText> designTexts;  // texts that differ from the QAV-750 form
    std::span<const ListDefault> defaults;    // new-data-set indexes that differ
    // The page switch (Option1, Option2); without it only the function
    // settings can be seen.
    bool pageSwitch = true;
    // Combo17 with its caption Label32, the MONI key mode (steady, transient).
    bool monitorKeyMode = false;
    bool scanModeEditable = true;      // ComboMod an editable combo, or a drop-down list
    int highestPriorityChannel = 128;  // Text2 is cut back to it while typing
    // Where the VFO frequency goes when it is left inside the band: onto the
    // 5 kHz / 6.25 kHz raster (SnapFrequency) or onto the step list.
    bool vfoOnRaster = false;
    // The caption labels of the two service unlock groups, by name.
    std::array<const char*, 3> unlockGroupA{"Label2", "Label1", "Label7"};
    std::array<const char*, 3> unlockGroupB{"Label6", "Label3", "Label5"};
};

}  // namespace qav
