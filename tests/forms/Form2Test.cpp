#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form2.h"
#include "tests/forms/LayoutCheck.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

class Form2Test : public ProgramFixture {
  protected:
    void SetUp() override { form = Start().forms.form2; }

    Form2* form = nullptr;
};

TEST_F(Form2Test, StartFormPutsTheDefaultsBackButKeepsTheAniEndCode) {
    const auto expectDefaults = [this] {
        EXPECT_EQ(form->Combo1->ListIndex(), 0);
        EXPECT_EQ(form->Combo16->ListIndex(), 0);
        EXPECT_EQ(form->Combo17->ListIndex(), 6);
        EXPECT_EQ(form->Combo17->Text(), QString("1200MS"));
        EXPECT_EQ(form->Combo18->ListIndex(), 0);
        EXPECT_EQ(form->Text2->Text(), QString());
        EXPECT_EQ(form->Text3->Text(), QString());
        for (const VbTextBox* memory : form->Text1) EXPECT_EQ(memory->Text(), QString());
    };
    {
        SCOPED_TRACE("a new run");
        expectDefaults();
        EXPECT_EQ(form->Text4->Text(), QString());
    }

    form->Combo1->SetListIndex(2);
    form->Combo16->SetListIndex(1);
    form->Combo17->SetListIndex(9);
    form->Combo18->SetListIndex(2);
    for (VbTextBox* memory : form->Text1) memory->SetText("123");
    form->Text2->SetText("A1");
    form->Text3->SetText("B2");
    form->Text4->SetText("C3");
    form->StartForm();
    {
        SCOPED_TRACE("after StartForm");
        expectDefaults();
        EXPECT_EQ(form->Text4->Text(), QString("C3"));
    }
}

TEST_F(Form2Test, CodeBoxesTakeOnlyDtmfCharactersTypedOrPasted) {
    form->ShowForm();
    for (VbTextBox* box : {form->Text2, form->Text4}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->clear();
        QTest::keyClicks(box, "abc*#e9");
        EXPECT_EQ(box->Text(), QString("ABC*#9")) << "e is refused after being made upper case";
        QApplication::clipboard()->setText("d-0.x#Z12345678901234");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->Text(), QString("ABC*#9D0#1234567")) << "filtered, then cut at 16";
    }
    // The hidden boxes run the same filter on whatever reaches them.
    std::vector<std::pair<VbTextBox*, QString>> hidden = {{form->Text3, "12*#ABCD"}};
    for (VbTextBox* memory : form->Text1) hidden.emplace_back(memory, "12*#ABCD12*#ABCD");
    for (auto& [box, expected] : hidden) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->InsertFiltered("12*#abcdefg 12*#ABCDxyz12*#abcd");
        EXPECT_EQ(box->Text(), expected);
    }
}

TEST_F(Form2Test, AnAniModeTypedOverWithNoItemGoesBackWhenLeft) {
    form->ShowForm();
    VbComboBox* mode = form->Combo1;
    mode->SetListIndex(2);
    mode->SetFocus();
    mode->lineEdit()->selectAll();
    QTest::keyClicks(mode->lineEdit(), "Later");
    EXPECT_EQ(mode->ListIndex(), -1) << "what was typed is no item";
    form->Combo16->SetFocus();
    EXPECT_EQ(mode->ListIndex(), 2);
    EXPECT_EQ(mode->Text(), QString("Both"));

    mode->SetFocus();
    mode->lineEdit()->selectAll();
    QTest::keyClicks(mode->lineEdit(), "End Send");
    form->Combo16->SetFocus();
    EXPECT_EQ(mode->ListIndex(), 1) << "an item's own text selects it";
}

TEST_F(Form2Test, LanguageChangeWritesTheCaptionsAndTenDelayItemsAndKeepsTheChoice) {
    form->Combo17->SetListIndex(8);
    Run().MainWindow().MNChineseJ_Click();
    ASSERT_EQ(form->Combo17->ListCount(), 10);
    EXPECT_EQ(form->Combo17->List(0), QString("0毫秒"));
    EXPECT_EQ(form->Combo17->List(9), QString("1800毫秒"));
    EXPECT_EQ(form->Combo17->ListIndex(), 8);
    EXPECT_EQ(form->Label16->Caption(), QString("DTMF速率："));
    EXPECT_EQ(form->Combo1->List(2), QString("两者"));
    EXPECT_EQ(form->Combo18->List(0), QString("空"));
    EXPECT_EQ(form->Label1[7]->Caption(), QString("第八组自动拔号存储器"));

    Run().MainWindow().MNEnglish_Click();
    ASSERT_EQ(form->Combo17->ListCount(), 10);
    EXPECT_EQ(form->Combo17->Text(), QString("1600MS"));
    EXPECT_EQ(form->Label17->Caption(), QString("First Digital Delay："));
    EXPECT_EQ(form->Combo1->Text(), QString("Start Send"));
    EXPECT_EQ(form->Combo18->List(2), QString("#")) << "the code characters are the same in every language";
    EXPECT_EQ(form->Label1[7]->Caption(), QString("Eight Autodial Memory"));
    EXPECT_EQ(form->windowTitle(), QString("DTMF(双音多频)"));
}

TEST_F(Form2Test, OnlyTheOtherFeaturesPageIsShownAndNothingIsCutOff) {
    form->ShowForm();
    for (const int language : {1, 0}) {
        SCOPED_TRACE(language);
        if (language == 0) Run().MainWindow().MNChineseJ_Click();
        EXPECT_TRUE(form->OtherFeaturesPage->isVisible());
        for (QWidget* hidden : std::initializer_list<QWidget*>{form->AutoDialPage, form->Combo18,
                                                               form->Label18, form->Text3, form->Label3})
            EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
        const QStringList faults = LayoutFaults(*form);
        EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
    }
}

}  // namespace
}  // namespace qav::test
