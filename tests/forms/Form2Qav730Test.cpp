// The QAV-730 program's DTMF form: its caption, the PTTID label of the send
// mode and the end code that takes any key.
#include <QTest>

#include "forms/Form2.h"
#include "model730/Qav730Variant.h"
#include "tests/forms/LayoutCheck.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

struct Model {
    const char* name;
    const ModelProfile* profile;
    const ModelVariant* variant;
    const char* caption;
    const char* sendModeLabel;
    const char* sendModeCaption;
    const char* endCodeTyped;  // what "ab-x#9" gives in Text4
};

class Form2ModelTest : public ProgramFixture, public ::testing::WithParamInterface<Model> {
  protected:
    Form2ModelTest() : ProgramFixture(*GetParam().profile, *GetParam().variant) {}
};

TEST_P(Form2ModelTest, CaptionSendModeLabelAndEndCodeFilter) {
    const Model& m = GetParam();
    Form2& form = *Start().forms.form2;
    form.ShowForm();
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(m.caption));

    VbLabel* label = form.SendModeLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->objectName(), QString(m.sendModeLabel));
    EXPECT_EQ(label->text(), QString::fromUtf8(m.sendModeCaption));
    EXPECT_EQ(form.findChildren<VbLabel*>(QRegularExpression("^(LabelAni|Label5)$")).size(), 1)
        << "one caption for the send mode";
    EXPECT_EQ(label->mapTo(&form, QPoint()).y(), form.Combo1->mapTo(&form, QPoint()).y());

    form.Text4->setFocus();
    QTest::keyClicks(form.Text4, "ab-x#9");
    EXPECT_EQ(form.Text4->Text(), QString(m.endCodeTyped));
    form.Text2->setFocus();
    QTest::keyClicks(form.Text2, "ab-x#9");
    EXPECT_EQ(form.Text2->Text(), QString("AB#9")) << "the start code keeps its filter";
    EXPECT_TRUE(LayoutFaults(form).isEmpty()) << LayoutFaults(form).join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BothPrograms, Form2ModelTest,
    ::testing::Values(Model{"QAV750", &kQav750, &kNoVariant, "DTMF(双音多频)", "LabelAni", "ANI：", "AB#9"},
                      Model{"QAV730", &kQav730, &Qav730Variant(), "DTMF", "Label5", "PTTID：", "ab-x#9"}),
    [](const ::testing::TestParamInfo<Model>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace qav::test
