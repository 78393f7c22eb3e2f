#include <QMenu>
#include <cstring>
#include <optional>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/MSFlexGrid.h"
#include "model730/Qav730Captions.h"
#include "model730/Qav730Variant.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbLabel.h"

namespace qav::test {
namespace {

using T = CaptionTarget;

struct Field {
    const char* form;
    const char* control;
    CaptionTarget target;
    int item;
};

bool Same(const CaptionRow& row, const Field& f) {
    return std::strcmp(row.form, f.form) == 0 && std::strcmp(row.control, f.control) == 0 &&
           row.target == f.target && row.item == f.item;
}

std::optional<CaptionRow> Find(std::span<const CaptionRow> rows, const Field& f) {
    for (const CaptionRow& row : rows)
        if (Same(row, f)) return row;
    return std::nullopt;
}

// The rows in which the first model's catalogue differs; null texts: no row.
TEST(Qav730CaptionsTest, CatalogueRowsOfTheFirstModel) {
    struct Case {
        Field field;
        const char* simplified;
        const char* english;
    };
    const Case cases[] = {
        {{"MDIForm1", "MNChineseJ", T::Caption, 0}, "中文简体(&J)", "Chinese(Simplified)"},
        {{"MDIForm1", "MNChineseF", T::Caption, 0}, "中文繁体(&F)", "Chinese(Traditional)"},
        {{"MDIForm1", "MNReset", T::Caption, 0}, nullptr, nullptr},
        {{"MDIForm1", "Command1", T::Caption, 0}, "恢复出厂设置", "Recovery Factory Setting"},
        {{"Form1", "Grid1", T::GridHeader, 9}, "PTTID", "PTTID"},
        {{"Form1", "Grid1", T::GridHeader, 12}, "倒频", "Reverse"},
        {{"Form1", "Combo5(12)", T::ListItem, 0}, "开", "On"},
        {{"Form1", "Combo5(12)", T::ListItem, 1}, "关", "Off"},
        {{"Form2", "Label2", T::Caption, 0}, "PTTID开始码：", "PTTID Start Code："},
        {{"Form2", "Label4", T::Caption, 0}, "PTTIP结束码：", "PTTIP End Code："},
        {{"Form2", "Label5", T::Caption, 0}, "PTTID：", "PTTID："},
        {{"Form2", "Combo1", T::ListItem, 0}, "发射开始", "Send Start"},
        {{"Form2", "Combo1", T::ListItem, 1}, "发射结束", "Send End"},
        {{"Form2", "Combo1", T::ListItem, 2}, "两者", "Both"},
        {{"Form3", "Label1", T::Caption, 0}, "开机切换高低功率:", "Change Power:"},
        {{"Form3", "Combo1", T::ListItem, 0}, "禁止", "Off"},
        {{"Form3", "Combo1", T::ListItem, 1}, "使能", "On"},
        {{"Form3", "Combo1", T::ListItem, 2}, nullptr, nullptr},
        {{"Form3", "Combo1", T::ListItem, 3}, nullptr, nullptr},
        {{"Form3", "Label18", T::Caption, 0}, "压扩功能开关:", "Companding Switch:"},
        {{"Form3", "Combo16", T::ListItem, 1}, "打开", "On"},
        {{"Form3", "Label32", T::Caption, 0}, "MONI键模式:", "MONI KEYMode:"},
        {{"Form3", "Combo17", T::ListItem, 0}, "稳态", "Steaty-State"},
        {{"Form3", "Combo17", T::ListItem, 1}, "瞬态", "Transient"},
        {{"Form3", "Label28", T::Caption, 0}, nullptr, nullptr},
        {{"Form3", "Label13", T::Caption, 0}, "扰音功能开关:", "Scrambler Switch:"},
    };
    const std::span<const CaptionRow> rows = Qav730Captions();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.field.form << "." << c.field.control << " " << c.field.item);
        const std::optional<CaptionRow> row = Find(rows, c.field);
        if (c.simplified == nullptr) {
            EXPECT_FALSE(row.has_value());
            continue;
        }
        ASSERT_TRUE(row.has_value());
        EXPECT_STREQ(row->simplified, c.simplified);
        EXPECT_STREQ(row->english, c.english);
    }
}

// Every row the first model does not change is the second model's, in the same
// order, and the added rows come with their own form's rows.
TEST(Qav730CaptionsTest, OtherRowsAreTheSecondModelsInItsOrder) {
    const std::span<const CaptionRow> rows = Qav730Captions();
    const std::span<const CaptionChange> changes = Qav730CaptionChanges();
    const auto changed = [&](const CaptionRow& row) {
        for (const CaptionChange& c : changes)
            if (std::strcmp(c.row.form, row.form) == 0 && std::strcmp(c.row.control, row.control) == 0 &&
                c.row.target == row.target && c.row.item == row.item)
                return true;
        return false;
    };
    std::vector<const CaptionRow*> kept;
    for (const CaptionRow& row : rows)
        if (!changed(row)) kept.push_back(&row);
    std::size_t next = 0;
    for (const CaptionRow& base : Qav750Captions()) {
        if (changed(base)) continue;
        ASSERT_LT(next, kept.size());
        EXPECT_TRUE(Same(*kept[next], {base.form, base.control, base.target, base.item}) &&
                    std::strcmp(kept[next]->simplified, base.simplified) == 0 &&
                    std::strcmp(kept[next]->english, base.english) == 0)
            << base.form << "." << base.control << " " << base.item;
        ++next;
    }
    EXPECT_EQ(next, kept.size());
    // Rows of one form stay together: a form, once left, does not come back.
    std::vector<std::string> formsSeen;
    for (const CaptionRow& row : rows) {
        if (!formsSeen.empty() && formsSeen.back() == row.form) continue;
        EXPECT_EQ(std::find(formsSeen.begin(), formsSeen.end(), row.form), formsSeen.end()) << row.form;
        formsSeen.push_back(row.form);
    }
}

class Qav730CaptionsOnScreenTest : public ProgramFixture {
  protected:
    Qav730CaptionsOnScreenTest() : ProgramFixture(kQav730, Qav730Variant()) {}
};

TEST_F(Qav730CaptionsOnScreenTest, LanguageSwitchWritesTheFirstModelsCaptions) {
    ProgramRun& run = Start();
    MDIForm1& mdi = run.MainWindow();
    Form1& f1 = *run.forms.form1;
    Form2& f2 = *run.forms.form2;
    Form3& f3 = *run.forms.form3;
    ASSERT_NE(f2.Label5, nullptr);
    ASSERT_NE(f3.Label32, nullptr);
    ASSERT_NE(f3.Combo17, nullptr);
    struct Case {
        void (MDIForm1::*choose)();
        const char* languageItem;
        const char* reverseHeader;
        const char* startCode;
        const char* powerSwitch;
        const char* scramblerSwitch;
        const char* moniKey;
        const char* steady;
        const char* reverseOn;
    };
    const Case cases[] = {
        {&MDIForm1::MNEnglish_Click, "Chinese(Simplified)", "Reverse", "PTTID Start Code：",
         "Change Power:", "Scrambler Switch:", "MONI KEYMode:", "Steaty-State", "On"},
        {&MDIForm1::MNChineseJ_Click, "中文简体(&J)", "倒频", "PTTID开始码：",
         "开机切换高低功率:", "扰音功能开关:", "MONI键模式:", "稳态", "开"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.languageItem);
        (mdi.*c.choose)();
        EXPECT_EQ(mdi.MNChineseJ->text(), QString::fromUtf8(c.languageItem));
        EXPECT_EQ(f1.Grid1->TextMatrix(0, 9), QString("PTTID"));
        EXPECT_EQ(f1.Grid1->TextMatrix(0, 12), QString::fromUtf8(c.reverseHeader));
        EXPECT_EQ(f2.Label2->text(), QString::fromUtf8(c.startCode));
        EXPECT_EQ(f3.Label1->text(), QString::fromUtf8(c.powerSwitch));
        EXPECT_EQ(f3.Label13->text(), QString::fromUtf8(c.scramblerSwitch));
        EXPECT_EQ(f3.Combo1->List(0),
                  QString::fromUtf8(c.choose == &MDIForm1::MNEnglish_Click ? "Off" : "禁止"));
        EXPECT_EQ(f3.Combo1->ListCount(), 2);
        EXPECT_EQ(f3.Label32->text(), QString::fromUtf8(c.moniKey));
        EXPECT_EQ(f3.Combo17->List(0), QString::fromUtf8(c.steady));
        EXPECT_EQ(f1.Combo5(12)->ListCount(), 2);
        EXPECT_EQ(f1.Combo5(12)->List(0), QString::fromUtf8(c.reverseOn));
        // PTTID in every language.
        EXPECT_EQ(f2.Label5->text(), QString("PTTID："));
        EXPECT_EQ(f3.Label28->text(), QString("PTTID:")) << "the catalogue leaves it alone";
    }
}

}  // namespace
}  // namespace qav::test
