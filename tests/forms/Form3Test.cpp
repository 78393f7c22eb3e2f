#include <QAbstractItemView>
#include <QTest>

#include "app/ApplyLanguageCaptions.h"
#include "app/MDIForm1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "lang/CaptionCatalogue.h"
#include "tests/forms/LayoutCheck.h"
#include "tests/support/ListChoice.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/FocusTracker.h"
#include "winsupport/VbCheckBox.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

class Form3Test : public ProgramFixture {
  protected:
    void SetUp() override { form = Start().forms.form3; }

    // Every list of the form with the index a new data set gives it.
    std::vector<std::pair<VbComboBox*, int>> ListDefaults() const {
        Form3& f = *form;
        return {{f.Combo1, 1},  {f.Combo2, 1},  {f.Combo3, 4},   {f.Combo4, 4},  {f.Combo5, 5},
                {f.Combo6, 1},  {f.Combo7, 1},  {f.Combo8, 1},   {f.Combo9, 1},  {f.Combo10, 1},
                {f.Combo11, 1}, {f.Combo12, 1}, {f.Combo13, 1},  {f.Combo14, 5}, {f.Combo15, 1},
                {f.Combo16, 1}, {f.Combo18, 0}, {f.Combo19, 4},  {f.Combo22, 0}, {f.Combo23, 0},
                {f.Combo24, 1}, {f.Combo25, 1}, {f.Combo26, 1},  {f.Combo27, 1}, {f.Combo28, 1},
                {f.Combo29, 1}, {f.Combo30, 1}, {f.Combo105, 1}, {f.ComboMod, 1}};
    }

    void ExpectDefaults() const {
        for (const auto& [list, index] : ListDefaults())
            EXPECT_EQ(list->ListIndex(), index) << list->objectName().toStdString();
        EXPECT_EQ(form->Text2->Text(), QString("1"));
        EXPECT_EQ(form->Text6->Text(), QString("1"));
        EXPECT_EQ(form->Text20->Text(), QString("435.00000")) << "the middle of 400-470 MHz";
        EXPECT_EQ(form->Text21->Text(), QString("10.00000"));
        EXPECT_EQ(form->Text31->Text(), QString());
    }

    Form3* form = nullptr;
};

TEST_F(Form3Test, StartFormPutsEveryDefaultBackButLeavesTheVoxCheckBoxes) {
    {
        SCOPED_TRACE("a new run");
        ExpectDefaults();
        EXPECT_EQ(form->Check12->Value(), 0);
        EXPECT_EQ(form->Check13->Value(), 0);
        EXPECT_EQ(form->Combo19->ListCount(), 41);
        EXPECT_EQ(form->Combo22->ListCount(), 261);
        EXPECT_EQ(form->Combo22->List(260), QString("D754I"));
    }
    for (const auto& [list, index] : ListDefaults()) list->SetListIndex(index == 0 ? 1 : 0);
    for (VbTextBox* box : {form->Text2, form->Text6, form->Text20, form->Text21, form->Text31})
        box->SetText("7");
    form->Check12->SetValue(1);
    form->Check13->SetValue(1);
    Run().MainWindow().Combo1->SetListIndex(0);  // the band, chosen by the program
    form->StartForm();
    SCOPED_TRACE("after StartForm");
    for (const auto& [list, index] : ListDefaults())
        EXPECT_EQ(list->ListIndex(), index) << list->objectName().toStdString();
    EXPECT_EQ(form->Text20->Text(), QString("155.00000")) << "the middle of the band now selected";
    EXPECT_EQ(form->Text2->Text(), QString("1"));
    EXPECT_EQ(form->Text31->Text(), QString());
    EXPECT_EQ(form->Check12->Value(), 1);
    EXPECT_EQ(form->Check13->Value(), 1);
}

TEST_F(Form3Test, FmChannelMenuFollowsTheFmFunctionHoweverItIsSet) {
    QAction* fmMenu = Run().MainWindow().MNFMset;
    form->ShowForm();
    EXPECT_TRUE(fmMenu->isEnabled()) << "on in a new data set";

    ChooseInList(form->Combo2, 0);
    EXPECT_FALSE(fmMenu->isEnabled()) << "chosen off by the user";
    form->Combo2->SetListIndex(1);
    EXPECT_TRUE(fmMenu->isEnabled()) << "set on by the program, as the decoder does";

    // Typed over: the list takes the item of that text when the user leaves it.
    form->Combo2->SetFocus();
    form->Combo2->lineEdit()->selectAll();
    QTest::keyClicks(form->Combo2->lineEdit(), "Off");
    form->Combo3->SetFocus();
    EXPECT_EQ(form->Combo2->ListIndex(), 0);
    EXPECT_FALSE(fmMenu->isEnabled());

    form->StartForm();
    EXPECT_TRUE(fmMenu->isEnabled());
}

TEST_F(Form3Test, EditableListsNeverKeepATextThatIsNoItem) {
    form->ShowForm();
    for (VbComboBox* list : {form->Combo2, form->Combo13, form->Combo16, form->ComboMod}) {
        SCOPED_TRACE(list->objectName().toStdString());
        list->SetListIndex(0);
        list->SetFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), "maybe");
        EXPECT_EQ(list->ListIndex(), -1);
        form->Combo3->SetFocus();
        EXPECT_EQ(list->ListIndex(), 0) << "the item chosen last is back";
        EXPECT_EQ(list->Text(), list->List(0));
    }
}

TEST_F(Form3Test, LanguageChangeWritesEveryCaptionAndKeepsTheChosenTimeout) {
    struct Expected {
        QWidget* control;
        const char* english;
        const char* simplified;
    };
    const auto caption = [](QWidget* control) {
        if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
        return qobject_cast<QGroupBox*>(control)->title();
    };
    const Expected rows[] = {
        {form->Label6, " Present Channel:", "当前频道数:"},
        {form->Label13, "Scrambler Switch:", "扰音功能开关;"},
        {form->Label16, "Scramble:", "扰频:"},
        {form->Label17, "Shut Increase Switch:", "去加重功能开关:"},
        {form->Check13, "Prohibit VOX in the receiving", "接收时禁止VOX"},
        {form->Option2, "VFO", "全频频率"},
        {form->Frame1, "VOX", "VOX(声控发射)"},
    };
    for (const int language : {0, 1}) {
        SCOPED_TRACE(language);
        form->Combo19->SetListIndex(10);  // the user's choice
        if (language == 0)
            Run().MainWindow().MNChineseJ_Click();
        else
            Run().MainWindow().MNEnglish_Click();
        for (const Expected& row : rows)
            EXPECT_EQ(caption(row.control), QString::fromUtf8(language == 0 ? row.simplified : row.english))
                << row.control->objectName().toStdString();
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(language == 0 ? "可选功能" : "Optional Features"));
        EXPECT_EQ(form->Combo1->List(1), QString::fromUtf8(language == 0 ? "频道与频率" : "Channel&Fre"));
        EXPECT_EQ(form->Combo30->List(2), QString::fromUtf8(language == 0 ? "无异频" : "None"));
        EXPECT_EQ(form->Combo23->List(0), QString::fromUtf8(language == 0 ? "关闭" : "Off"));
        EXPECT_EQ(form->Combo23->List(1), QString("67.0"));
        ASSERT_EQ(form->Combo19->ListCount(), 41);
        EXPECT_EQ(form->Combo19->List(0), QString::fromUtf8(language == 0 ? "关闭" : "Off"));
        EXPECT_EQ(form->Combo19->List(40), QString::fromUtf8(language == 0 ? "600秒" : "600S"));
        EXPECT_EQ(form->Combo19->ListIndex(), 10) << "the time-out the user chose, in the new language";
        EXPECT_EQ(form->Combo19->Text(), QString::fromUtf8(language == 0 ? "150秒" : "150S"));
    }
}

TEST_F(Form3Test, TraditionalChineseWritesNoStoredCaptionAndKeepsTheChosenTimeout) {
    form->Combo19->SetListIndex(10);
    Run().state.Language = 2;
    ApplyLanguageCaptions(Run());
    EXPECT_EQ(form->Combo19->ListIndex(), 10);
    EXPECT_EQ(form->Combo19->Text(), QString("150S"));
    EXPECT_EQ(form->Label12->Caption(), QString("FM Function:"));
    EXPECT_EQ(Run().forms.form2->Combo17->List(9), QString("1800MS"));
}

TEST_F(Form3Test, EveryStoredCaptionOfTheSettingsFormsFindsItsControl) {
    for (const CaptionRow& row : Qav750Captions()) {
        QWidget* window = nullptr;
        if (qstrcmp(row.form, "Form2") == 0) window = Run().forms.form2;
        if (qstrcmp(row.form, "Form3") == 0) window = form;
        if (window == nullptr || *row.control == '\0') continue;
        QObject* control = window->findChild<QObject*>(QString::fromLatin1(row.control));
        ASSERT_NE(control, nullptr) << row.form << "." << row.control;
        if (row.target == CaptionTarget::ListItem) {
            auto* list = qobject_cast<VbComboBox*>(control);
            ASSERT_NE(list, nullptr) << row.control;
            EXPECT_LT(row.item, list->ListCount()) << row.control << " item " << row.item;
        }
    }
}

TEST_F(Form3Test, PageSwitchShowsOnePageInThePlaceOfTheOther) {
    form->ShowForm();
    EXPECT_TRUE(form->Frame2->isVisible());
    EXPECT_FALSE(form->Frame3->isVisible());
    EXPECT_TRUE(form->Option1->Value());
    const QRect functionPlace = form->Frame2->geometry();

    QTest::mouseClick(form->Option2, Qt::LeftButton);
    EXPECT_TRUE(form->Frame3->isVisible());
    EXPECT_FALSE(form->Frame2->isVisible());
    EXPECT_TRUE(form->Frame1->isVisible()) << "VOX stays beside the pages";
    EXPECT_EQ(FocusTracker::Current(), form->Text20);
    EXPECT_EQ(form->Frame3->geometry(), functionPlace);

    QTest::mouseClick(form->Option1, Qt::LeftButton);
    EXPECT_TRUE(form->Frame2->isVisible());
    EXPECT_FALSE(form->Frame3->isVisible());
    EXPECT_EQ(FocusTracker::Current(), form->Text2);
}

TEST_F(Form3Test, BothPagesShowEveryCaptionWholeInBothLanguages) {
    form->ShowForm();
    for (const int language : {1, 0}) {
        if (language == 0) Run().MainWindow().MNChineseJ_Click();
        for (VbOptionButton* page : {form->Option1, form->Option2}) {
            SCOPED_TRACE(QString("language %1, %2").arg(language).arg(page->objectName()).toStdString());
            page->SetValue(true);
            const QStringList faults = LayoutFaults(*form);
            EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
        }
    }
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{form->Combo6, form->Combo13, form->Combo16, form->Combo26,
                                         form->Combo4, form->Combo105, form->ComboMod})
        EXPECT_FALSE(hidden->isVisibleTo(form)) << hidden->objectName().toStdString();
}

TEST_F(Form3Test, ALongerCaptionWidensTheWindowInsteadOfCuttingIt) {
    form->ShowForm();
    const int before = form->width();
    form->Label31->SetCaption(QString(120, QChar('W')));
    const QStringList faults = LayoutFaults(*form);
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
    EXPECT_GT(form->width(), before);
}

}  // namespace
}  // namespace qav::test
