// The QAV-730 program's optional features: seven fields in two columns, the
// MONI key mode, no page switch, its own defaults and entry limits.
#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "model730/Qav730Variant.h"
#include "tests/forms/LayoutCheck.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/FocusTracker.h"
#include "winsupport/Twips.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbSlider.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

class Form3Qav730Test : public ProgramFixture {
  protected:
    Form3Qav730Test() : ProgramFixture(kQav730, Qav730Variant()) {}

    void SetUp() override {
        form = Start().forms.form3;
        form->ShowForm();
    }

    // Types into an emptied box and leaves it; what it showed while typing and after.
    std::pair<QString, QString> TypeAndLeave(VbTextBox* box, const char* typed) {
        box->SetText(QString());
        box->SetFocus();
        QTest::keyClicks(box, typed);
        const QString typing = box->Text();
        FocusTracker::SetFocus(form->Combo5);
        return {typing, box->Text()};
    }

    QPoint Place(QWidget* w) const { return w->mapTo(form, QPoint(0, 0)); }

    Form3* form = nullptr;
};

TEST_F(Form3Qav730Test, FunctionSettingsShowSevenFieldsInTwoColumnsAndNothingElse) {
    const std::vector<std::pair<QWidget*, QWidget*>> rows[] = {
        {{form->Label2, form->Text2}, {form->Label5, form->Combo5}},
        {{form->Label7, form->Combo7}, {form->Label8, form->Combo8}},
        {{form->Label32, form->Combo17}, {form->Label19, form->Combo19}},
        {{form->LabelMod, form->ComboMod}},
    };
    ASSERT_NE(form->Combo17, nullptr);
    QSet<QWidget*> shown;
    int previousTop = -1;
    for (const auto& row : rows) {
        const int top = Place(row.front().second).y();
        EXPECT_GT(top, previousTop) << "rows from top to bottom";
        previousTop = top;
        for (const auto& [label, field] : row) {
            EXPECT_EQ(Place(field).y(), top) << field->objectName().toStdString();
            EXPECT_LT(Place(label).x(), Place(field).x());
            shown << label << field;
        }
        if (row.size() == 2) {
            EXPECT_LT(Place(row[0].second).x(), Place(row[1].first).x());
        }
    }
    for (QWidget* control : form->Frame2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_EQ(control->isVisibleTo(form), shown.contains(control)) << control->objectName().toStdString();
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             form->Combo1, form->Combo3, form->Combo9, form->Combo10, form->Combo11, form->Combo18,
             form->Combo2, form->Combo6, form->Combo13, form->Combo16, form->Combo105, form->Text6,
             form->Text31, form->Label1, form->Label18})
        EXPECT_FALSE(hidden->isVisibleTo(form)) << hidden->objectName().toStdString();

    EXPECT_FALSE(form->Option1->isVisibleTo(form)) << "no page switch";
    EXPECT_FALSE(form->Option2->isVisibleTo(form));
    EXPECT_TRUE(form->Frame2->isVisible());
    EXPECT_FALSE(form->Frame3->isVisible());
    EXPECT_TRUE(form->Frame1->isVisible()) << "VOX beside it";
    EXPECT_GE(form->width(), TwipsToPixels(12800));
    EXPECT_TRUE(LayoutFaults(*form).isEmpty()) << LayoutFaults(*form).join("\n").toStdString();
}

TEST_F(Form3Qav730Test, ListsOfTheFirstModel) {
    // The run starts in English; the catalogue writes the list in each language.
    EXPECT_EQ(form->Combo17->ListCount(), 2);
    EXPECT_EQ(form->Combo17->List(0), QString("Steaty-State"));
    EXPECT_EQ(form->Combo17->List(1), QString("Transient"));
    Run().MainWindow().MNChineseJ_Click();
    EXPECT_EQ(form->Combo17->ListCount(), 2);
    EXPECT_EQ(form->Combo17->List(0), QString("稳态"));
    EXPECT_EQ(form->Combo17->List(1), QString("瞬态"));
    EXPECT_FALSE(form->ComboMod->isEditable()) << "the scan mode is a list here";
    EXPECT_TRUE(form->Combo2->isEditable());
    EXPECT_TRUE(form->Combo13->isEditable());
    EXPECT_TRUE(form->Combo16->isEditable());
    // A scan mode the list cannot take is refused and the last one stays.
    form->ComboMod->SetListIndex(0);
    EXPECT_FALSE(form->ComboMod->SetListIndex(0xFF));
    EXPECT_EQ(form->ComboMod->ListIndex(), 0);
}

TEST_F(Form3Qav730Test, NewDataSetPutsMoniKeyCompanderAndDeEmphasisAtTheFirstItem) {
    const std::pair<VbComboBox*, int> defaults[] = {
        {form->Combo17, 0}, {form->Combo16, 0},  {form->Combo13, 0}, {form->Combo1, 1},
        {form->Combo2, 1},  {form->ComboMod, 1}, {form->Combo19, 4}, {form->Combo5, 5},
    };
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "a new run" : "after StartForm");
        for (const auto& [list, index] : defaults)
            EXPECT_EQ(list->ListIndex(), index) << list->objectName().toStdString();
        EXPECT_EQ(form->Text20->Text(), QString("435.00000"));
        for (const auto& [list, index] : defaults) list->SetListIndex(index == 0 ? 1 : 0);
        form->StartForm();
    }
}

TEST_F(Form3Qav730Test, PriorityChannelStopsAtSixteenPresentChannelAtOneHundredTwentyEight) {
    const struct {
        VbTextBox* box;
        const char* typed;
        const char* typing;
        const char* left;
    } cases[] = {
        {form->Text2, "20", "16", "16"}, {form->Text2, "17", "16", "16"}, {form->Text2, "16", "16", "16"},
        {form->Text2, "0", "0", ""},     {form->Text2, "07", "07", "7"},  {form->Text6, "200", "128", "128"},
        {form->Text6, "20", "20", "20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " " + c.typed);
        const auto [typing, left] = TypeAndLeave(c.box, c.typed);
        EXPECT_EQ(typing, QString(c.typing));
        EXPECT_EQ(left, QString(c.left));
    }
}

TEST_F(Form3Qav730Test, VfoFrequencyLeftInsideTheBandIsSnappedToTheRaster) {
    Run().MainWindow().Combo1->SetListIndex(0);  // 136-174MHz, chosen by the program
    const std::pair<const char*, const char*> cases[] = {
        {"150.003", "150.00000"},   {"150.0125", "150.01250"}, {"150.0124", "150.01000"},
        {"173.99999", "173.99500"}, {"136", "136.00000"},      {"174", "136.00000"},
        {"120", "136.00000"},       {"", "136.00000"},
    };
    for (const auto& [typed, left] : cases) {
        SCOPED_TRACE(typed);
        form->Text20->SetText(typed);
        form->Text20_LostFocus();
        EXPECT_EQ(form->Text20->Text(), QString(left));
    }
}

TEST_F(Form3Qav730Test, UnlockGroupsAreLabelsTheFormShows) {
    double now = 1000;
    Run().state.Timer = [&now] { return now; };
    for (const auto& group : {form->ServiceGroupA(), form->ServiceGroupB()}) {
        for (VbLabel* label : group) {
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->isVisible()) << label->objectName().toStdString();
            QTest::mouseClick(label, Qt::LeftButton);
            now += 1;
        }
    }
    EXPECT_TRUE(Run().state.service.ForceWriteAllowed);
    EXPECT_TRUE(Run().state.service.TuningWriteAllowed);
    EXPECT_TRUE(Run().MainWindow().ToolbarButton(7)->isVisible());
    EXPECT_TRUE(Run().MainWindow().ToolbarButton(8)->isVisible());
    for (const VbSlider* slider : Run().forms.form4->Slider1) EXPECT_TRUE(slider->isEnabled());
}

}  // namespace
}  // namespace qav::test
