#include "model730/Qav730FormLayouts.h"

namespace qav {
namespace {

constexpr std::array<int, 13> kColumnTwips{600, 1100, 1100, 1200, 1200, 680, 1400,
                                           900, 700,  700,  900,  1200, 900};

constexpr std::array<OptionItems, 8> kOptionItems{{
    {"低", "高"},      // power
    {"载波", "关"},    // busy-channel lock
    {"禁止", "使能"},  // scan add
    {"窄带", "宽带"},  // bandwidth
    {"使能", "禁止"},  // PTT ID
    {"使能", "禁止"},  // scrambler
    {"禁止", "使能"},  // compander
    {"开", "关"},      // reverse frequency
}};

// The Traditional texts are the conversions of the Simplified ones.
constexpr std::array<ChannelDefault, 10> kNewChannel{{
    {0, {"关闭", "Off", "關閉"}},   // receive tone
    {0, {"关闭", "Off", "關閉"}},   // transmit tone
    {1, {"高", "High", "高"}},      // power
    {1, {"关", "Off", "關"}},       // busy-channel lock
    {1, {"使能", "On", "使能"}},    // scan add
    {1, {"宽带", "Wide", "寬帶"}},  // bandwidth
    {1, {"禁止", "Off", "禁止"}},   // PTT ID
    {1, {"禁止", "Off", "禁止"}},   // scrambler
    {1, {"使能", "On", "使能"}},    // compander: on, unlike the QAV-750
    {1, {"关", "Off", "關"}},       // reverse frequency: off
}};

// Rows of two; Text6 and Text31 keep their values out of sight with every
// other field not listed.
constexpr std::array<FieldPlace, 7> kFunctionPage{{
    {"Label2", "Text2", 0, 0},
    {"Label5", "Combo5", 0, 1},
    {"Label7", "Combo7", 1, 0},
    {"Label8", "Combo8", 1, 1},
    {"Label32", "Combo17", 2, 0},
    {"Label19", "Combo19", 2, 1},
    {"LabelMod", "ComboMod", 3, 0},
}};

constexpr std::array<const char*, 2> kChangePowerItems{"禁止", "使能"};
constexpr std::array<DesignText, 4> kDesignTexts{{
    {"Label1", "开机切换高低功率:", {}},  // Combo1: the power-on power switch
    {"Combo1", nullptr, kChangePowerItems},
    {"Label18", "压扩功能开关:", {}},  // Combo16: the compander switch
    {"Label28", "PTTID:", {}},         // the VFO's ANI row, so captioned in every language
}};

constexpr std::array<ListDefault, 2> kDefaults{{
    {"Combo13", 0},  // de-emphasis off
    {"Combo16", 0},  // compander switch off
}};

}  // namespace

ChannelEditorLayout Qav730ChannelEditor() {
    ChannelEditorLayout layout;
    layout.columnTwips = kColumnTwips;
    layout.optionItems = kOptionItems;
    layout.newChannel = kNewChannel;
    layout.headerOnLoad = false;  // the header row comes from the captions alone
    layout.widthTwips = 13500;
    layout.heightTwips = 5800;
    layout.gridHeightTwips = 5770;
    return layout;
}

FeaturesFormLayout Qav730FeaturesForm() {
    FeaturesFormLayout layout;
    layout.widthTwips = 12800;
    layout.heightTwips = 4500;
    layout.functionPage = kFunctionPage;
    layout.designTexts = kDesignTexts;
    layout.defaults = kDefaults;
    layout.pageSwitch = false;
    layout.monitorKeyMode = true;
    layout.scanModeEditable = false;
    layout.highestPriorityChannel = 16;
    layout.vfoOnRaster = true;
    // Two groups among the labels the form shows: the left and the right
    // column of the first three rows.
    layout.unlockGroupA = {"Label2", "Label7", "Label32"};
    layout.unlockGroupB = {"Label5", "Label8", "Label19"};
    return layout;
}

DtmfFormLayout Qav730DtmfForm() {
    DtmfFormLayout layout;
    layout.caption = "DTMF";
    layout.sendModeLabel = "Label5";
    layout.sendModeCaption = "PTTID：";
    layout.endCodeFiltered = false;
    return layout;
}

}  // namespace qav
