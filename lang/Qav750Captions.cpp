#include "lang/CaptionCatalogue.h"

#include <array>

namespace qav {
namespace {

using T = CaptionTarget;

constexpr std::array kRows{
    // Main window: the menu tree.
    CaptionRow{"MDIForm1", "MNFile", T::Caption, 0, "文件(&F)", "File(&F)"},
    CaptionRow{"MDIForm1", "MNNew", T::Caption, 0, "新建(&N)", "New(&N)"},
    CaptionRow{"MDIForm1", "MNOpen", T::Caption, 0, "打开(&O)", "Open(&O)"},
    CaptionRow{"MDIForm1", "MNSave", T::Caption, 0, "保存(&S)", "Save(&S)"},
    CaptionRow{"MDIForm1", "MNPrint", T::Caption, 0, "打印(&P)", "Print(&P)"},
    CaptionRow{"MDIForm1", "MNQuit", T::Caption, 0, "退出(&Q)", "Quit(&Q)"},
    CaptionRow{"MDIForm1", "MNEdit", T::Caption, 0, "编辑(&E)", "Edit(&E)"},
    CaptionRow{"MDIForm1", "MNModel", T::Caption, 0, "信道编辑(&M)", "Channel Edit(&M)"},
    CaptionRow{"MDIForm1", "MNDTMF", T::Caption, 0, "DTMF信令(&D)", "DTMF(&D)"},
    CaptionRow{"MDIForm1", "MNOption", T::Caption, 0, "可选功能(&P)", "Optional Features(&P)"},
    CaptionRow{"MDIForm1", "MNDebug", T::Caption, 0, "调试信息(&B)", "Debug Information(&B)"},
    CaptionRow{"MDIForm1", "MNFMset", T::Caption, 0, "收音机频道设置", "FM Channel Set"},
    CaptionRow{"MDIForm1", "MNReset", T::Caption, 0, "恢复出厂设置", "Recovery Factory Setting"},
    CaptionRow{"MDIForm1", "MNProgram", T::Caption, 0, "编程(&G)", "Programming(&G)"},
    CaptionRow{"MDIForm1", "MNRead", T::Caption, 0, "读频(&R)", "Read Data from the Transceive(&R)"},
    CaptionRow{"MDIForm1", "MNWrite", T::Caption, 0, "写频(&W)", "Write Data in the Transceive(&W)"},
    CaptionRow{"MDIForm1", "MNCommPort", T::Caption, 0, "通信端口(&C)", "Communication Port(&C)"},
    CaptionRow{"MDIForm1", "MNLanguage", T::Caption, 0, "语言选择(&L)", "Language Select(&L)"},
    CaptionRow{"MDIForm1", "MNChineseJ", T::Caption, 0, "中文简体(&CJ)", "Chinese(Simplified)"},
    CaptionRow{"MDIForm1", "MNChineseF", T::Caption, 0, "中文繁体(&CF)", "Chinese(Traditional)"},
    CaptionRow{"MDIForm1", "MNEnglish", T::Caption, 0, "英文(&E)", "English(&E)"},
    CaptionRow{"MDIForm1", "MNHelp", T::Caption, 0, "帮助(&H)", "Help(&H)"},
    CaptionRow{"MDIForm1", "MNF1", T::Caption, 0, "帮助主题(F1)", "Help Theme(F1)"},
    CaptionRow{"MDIForm1", "MNAbout", T::Caption, 0, "帮助(&H)", "About(&H)"},
    // Main window: the band frame and the toolbar tips.
    CaptionRow{"MDIForm1", "Label1", T::Caption, 0, "频段", "Frequency"},
    CaptionRow{"MDIForm1", "Command1", T::Caption, 0, "恢复出厂设置", "Recovery Factory Setting"},
    CaptionRow{"MDIForm1", "Toolbar1", T::ToolTip, 1, "新建", "New"},
    CaptionRow{"MDIForm1", "Toolbar1", T::ToolTip, 2, "打开", "Open"},
    CaptionRow{"MDIForm1", "Toolbar1", T::ToolTip, 3, "保存", "Save"},
    CaptionRow{"MDIForm1", "Toolbar1", T::ToolTip, 5, "读频", "Read Data from the Transceive"},
    CaptionRow{"MDIForm1", "Toolbar1", T::ToolTip, 6, "写频", "Write Data in the Transceive"},
    // Factory power tuning; its tabs are rebuilt from kTabs below.
    CaptionRow{"Form4", "", T::Caption, 0, "调试", "Debugging"},
    // About box.
    CaptionRow{"FrmAbout", "", T::Caption, 0, "帮助", "Help"},
    CaptionRow{"FrmAbout", "lblVersion", T::Caption, 0, "简体中文版 V1.00", "English edition V1.00"},
};

constexpr std::array kTabs{
    TabCaptionRow{"Form4", "TabStrip1", 1, "hpGrade", "高功率等级", "High Power Grades"},
    TabCaptionRow{"Form4", "TabStrip1", 2, "lpGrade", "低功率等级", "Low Power Grades"},
};

}  // namespace

std::span<const CaptionRow> Qav750Captions() { return kRows; }

std::span<const TabCaptionRow> Qav750TabCaptions() { return kTabs; }

}  // namespace qav
