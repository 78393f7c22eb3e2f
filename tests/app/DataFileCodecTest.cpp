// Data files through the real codec: the default data shipped with the
// program brings back a new data set, a saved file opens to the same forms,
// and the tuning grades travel with the data through save, open and write.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/DataFile.h"
#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "tests/app/CarriedData.h"
#include "tests/app/CodecFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"
#include "winsupport/VbTabStrip.h"

namespace qav::test {
namespace {

using namespace layout;

class DataFileCodecTest : public CodecFixture {
  protected:
    MDIForm1& Main() { return Run().MainWindow(); }
    CarriedData Carried() { return CarriedData::Of(Run()); }
    QString InFiles(const QString& name) const { return files.filePath(name); }

    void Open(const QString& path) {
        chosenFiles = {path};
        Main().MNOpen_Click();
    }
    void Save(const QString& path) {
        chosenFiles = {path};
        Main().MNSave_Click();
        ASSERT_TRUE(QFile::exists(path)) << answerer.Texts().join('|').toStdString();
    }

    QTemporaryDir files;
};

TEST_F(DataFileCodecTest, ShippedDefaultDataBringsBackTheStartValuesOfEveryForm) {
    const QString shipped = QStringLiteral(QAV_SHIPPED_DEFAULT_DATA);
    QFile file(shipped);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << shipped.toStdString();
    const QByteArray contents = file.readAll();
    ASSERT_EQ(contents.size(), 3120);
    EXPECT_EQ(contents.left(6), QByteArray("RL-701"));
    ASSERT_TRUE(QFile::copy(shipped, QDir(programFolder.path()).filePath("QAV750.dat")));

    const CarriedData start = Carried();
    const QString startBand = Main().Combo1->Text();
    // The factory data is looked for in the current folder first: one without it.
    QTemporaryDir elsewhere;
    const QString savedCurrent = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());

    struct Command {
        const char* name;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"default data button", [this] { QTest::mouseClick(Main().Command1, Qt::LeftButton); }},
        {"recovery factory setting", [this] { Main().MNReset->trigger(); }},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        Decode(ValidImageOfBand(3));  // every form away from its start values
        ASSERT_NE(Carried(), start);
        command.run();
        EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
        ExpectSame(Carried(), start);
        EXPECT_EQ(Main().Combo1->Text(), startBand);
    }
    QDir::setCurrent(savedCurrent);
}

TEST_F(DataFileCodecTest, SaveThenOpenGivesTheSameFormsAndChannelTables) {
    Decode(ValidImageOfBand(0, 7));
    // And a few edits of the user's on top.
    Form5& form5 = *Run().forms.form5;
    form5.MSFGrid->SetTextMatrix(4, Form5::kColFrequency, "99.95");
    form5.Command1_Click();
    Run().forms.form3->Combo19->SetListIndex(12);
    const CarriedData saved = Carried();
    const QString path = InFiles("saved.dat");
    Save(path);

    Decode(ValidImageOfBand(4, 3));
    ASSERT_NE(Carried(), saved);
    Run().forms.form1->HideForm();
    Open(path);
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
    ExpectSame(Carried(), saved);
    EXPECT_TRUE(Run().forms.form1->IsShown());
}

TEST_F(DataFileCodecTest, TuningGradesTravelThroughSaveOpenAndWrite) {
    State().Timer = [] { return 40000.0; };
    Form3& form3 = *Run().forms.form3;
    form3.ShowForm();
    for (VbLabel* label : form3.ServiceGroupB()) QTest::mouseClick(label, Qt::LeftButton);
    ASSERT_TRUE(State().service.TuningWriteAllowed);

    Form4& form4 = *Run().forms.form4;
    form4.ShowForm();
    const auto press = [](VbSlider* slider, Qt::Key key, int times) {
        slider->setFocus();
        for (int i = 0; i < times; ++i) QTest::keyClick(slider, key);
    };
    press(form4.Slider1[0], Qt::Key_Left, 5);   // high power, high section: 220 -> 215
    press(form4.Slider1[1], Qt::Key_Right, 3);  // high power, middle section: 208 -> 211
    QTest::mouseClick(form4.TabStrip1, Qt::LeftButton, Qt::NoModifier, form4.TabStrip1->tabRect(1).center());
    ASSERT_EQ(form4.TabStrip1->SelectedIndex(), 2);
    press(form4.Slider1[2], Qt::Key_Right, 2);  // low power, low section: 130 -> 132
    const PowerGradeValues tuned{{215, 211, 220, 130, 116}, 132};
    ASSERT_EQ(State().grades, tuned);

    const QString path = InFiles("tuned.dat");
    Save(path);
    press(form4.Slider1[2], Qt::Key_Left, 7);  // moved on after the save
    Open(path);
    EXPECT_EQ(State().grades, tuned);
    EXPECT_EQ(form4.Slider1[2]->Value(), 132) << "the slider shows the grade opened";

    Write();
    ASSERT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
    WaitForEndAnswer();
    const auto memory = radio.Memory();
    const std::pair<int, int> bytes[] = {{kHighPowerHighGrade, 215}, {kHighPowerMidGrade, 211},
                                         {kHighPowerLowGrade, 220},  {kLowPowerHighGrade, 130},
                                         {kLowPowerMidGrade, 116},   {kLowPowerLowGrade, 132}};
    for (const auto& [offset, grade] : bytes)
        EXPECT_EQ(memory[std::size_t(offset)], grade) << "byte " << offset;
}

}  // namespace
}  // namespace qav::test
