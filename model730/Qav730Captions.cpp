#include "model730/Qav730Captions.h"

#include <array>
#include <vector>

namespace qav {
namespace {

using T = CaptionTarget;
using K = CaptionChange::Kind;

// The first radio calls the second one's ANI "PTTID", has the reverse switch
// where the second has the channel name, and shows a power-on power switch, a
// compander switch and a MONI key mode on its optional features.
constexpr std::array kChanges{
    // Main window: the language items' access keys; there is no factory-data item.
    CaptionChange{K::Replace, {"MDIForm1", "MNChineseJ", T::Caption, 0, "中文简体(&J)", nullptr}},
    CaptionChange{K::Replace, {"MDIForm1", "MNChineseF", T::Caption, 0, "中文繁体(&F)", nullptr}},
    CaptionChange{K::Drop, {"MDIForm1", "MNReset", T::Caption, 0, nullptr, nullptr}},
    // Channel editor: PTTID and the reverse column with its list.
    CaptionChange{K::Replace, {"Form1", "Grid1", T::GridHeader, 9, "PTTID", "PTTID"}},
    CaptionChange{K::Replace, {"Form1", "Grid1", T::GridHeader, 12, "倒频", "Reverse"}},
    CaptionChange{K::Add, {"Form1", "Combo5(12)", T::ListItem, 0, "开", "On"}},
    CaptionChange{K::Add, {"Form1", "Combo5(12)", T::ListItem, 1, "关", "Off"}},
    // DTMF form (the colons are full-width).
    CaptionChange{K::Replace, {"Form2", "Label2", T::Caption, 0, "PTTID开始码：", "PTTID Start Code："}},
    CaptionChange{K::Replace, {"Form2", "Label4", T::Caption, 0, "PTTIP结束码：", "PTTIP End Code："}},
    CaptionChange{K::Add, {"Form2", "Label5", T::Caption, 0, "PTTID：", "PTTID："}},
    CaptionChange{K::Replace, {"Form2", "Combo1", T::ListItem, 0, nullptr, "Send Start"}},
    CaptionChange{K::Replace, {"Form2", "Combo1", T::ListItem, 1, nullptr, "Send End"}},
    // Optional features: the power-on power switch in place of the display
    // mode (two items), the compander switch in place of the VFO switch, the
    // MONI key mode; the ID-code label keeps its "PTTID:".
    CaptionChange{K::Replace, {"Form3", "Label1", T::Caption, 0, "开机切换高低功率:", "Change Power:"}},
    CaptionChange{K::Replace, {"Form3", "Combo1", T::ListItem, 0, "禁止", "Off"}},
    CaptionChange{K::Replace, {"Form3", "Combo1", T::ListItem, 1, "使能", "On"}},
    CaptionChange{K::Drop, {"Form3", "Combo1", T::ListItem, 2, nullptr, nullptr}},
    CaptionChange{K::Drop, {"Form3", "Combo1", T::ListItem, 3, nullptr, nullptr}},
    CaptionChange{K::Replace, {"Form3", "Label18", T::Caption, 0, "压扩功能开关:", "Companding Switch:"}},
    CaptionChange{K::Add, {"Form3", "Label32", T::Caption, 0, "MONI键模式:", "MONI KEYMode:"}},
    CaptionChange{K::Add, {"Form3", "Combo17", T::ListItem, 0, "稳态", "Steaty-State"}},
    CaptionChange{K::Add, {"Form3", "Combo17", T::ListItem, 1, "瞬态", "Transient"}},
    CaptionChange{K::Drop, {"Form3", "Label28", T::Caption, 0, nullptr, nullptr}},
    CaptionChange{K::Replace, {"Form3", "Label13", T::Caption, 0, "扰音功能开关:", nullptr}},
};

}  // namespace

std::span<const CaptionChange> Qav730CaptionChanges() {
    return kChanges;
}

std::span<const CaptionRow> Qav730Captions() {
    static const std::vector<CaptionRow> rows = WithChanges(Qav750Captions(), kChanges);
    return rows;
}

}  // namespace qav
