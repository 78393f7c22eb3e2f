// The QAV-730 program's data through its own forms: the default data shipped
// with it, a data file that holds image bytes 0..1903 only, and a read, an
// edit and a write against the simulated first-model radio.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/DataFile.h"
#include "app/ImageBinding.h"
#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form5.h"
#include "model730/Qav730Variant.h"
#include "tests/app/CarriedData.h"
#include "tests/forms/ChannelGridUser.h"
#include "tests/support/ListChoice.h"
#include "tests/support/RadioFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

constexpr int kStoredBytes = 1904;  // image bytes a first-model data file holds

class FirstModelDataFileTest : public RadioFixture {
  protected:
    FirstModelDataFileTest() : RadioFixture(kQav730, Qav730Variant()) {}

    void SetUp() override {
        StartWithRadio();
        QApplication::setActiveWindow(&Main());
        ASSERT_TRUE(QFile::copy(QStringLiteral(QAV_SHIPPED_DEFAULT_DATA),
                                QDir(programFolder.path()).filePath("QAV730.dat")));
    }

    MDIForm1& Main() { return Run().MainWindow(); }
    RunState& State() { return Run().state; }
    Form3& Features() { return *Run().forms.form3; }
    CarriedData Carried() { return CarriedData::Of(Run()); }
    ChannelGridUser ChannelEditor() {
        ChannelGridUser user;
        user.AttachTo(Run().forms.form1);
        Run().forms.form1->ShowForm();
        QApplication::setActiveWindow(&Main());
        user.grid->setFocus();
        return user;
    }
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

    // Every field that the image holds before byte 1904, away from a new data set.
    void MoveFieldsOfTheFile() {
        for (QWidget* form : std::initializer_list<QWidget*>{Run().forms.form2, Run().forms.form3}) {
            for (VbComboBox* list : form->findChildren<VbComboBox*>()) {
                const QString name = list->objectName();
                const bool pastTheFile =
                    form == Run().forms.form3 &&
                    (name == "Combo2" || name == "Combo6" || name == "Combo13" || name == "Combo16");
                if (!pastTheFile && list->ListCount() > 1) list->SetListIndex(list->ListIndex() == 0 ? 1 : 0);
            }
        }
        Features().Text2->SetText("9");
        Features().Text6->SetText("3");
        Features().Text20->SetText("441.12500");
        Features().Text21->SetText("5.00000");
        Features().Text31->SetText("AB-1");
        Run().forms.form2->Text2->SetText("123");
        Run().forms.form2->Text4->SetText("45");
        State().channels.ChannelFreq(0, 0) = "435.12500";
        State().channels.ChannelOptions(0, 9) = 1;
        Form5& fm = *Run().forms.form5;
        for (int k = 1; k <= 8; ++k) fm.MSFGrid->SetTextMatrix(k, Form5::kColFrequency, "101.60");
        fm.Command1_Click();
        Main().Combo1->SetListIndex(0);  // the band, chosen by the program
    }

    // Every field that the image holds past byte 1903, away from a new data set.
    void MoveFieldsPastTheFile() {
        Features().Combo2->SetListIndex(0);   // FM function
        Features().Combo6->SetListIndex(0);   // scrambler switch
        Features().Combo13->SetListIndex(1);  // de-emphasis
        Features().Combo16->SetListIndex(1);  // compander switch
        Form5& fm = *Run().forms.form5;
        for (int k = 9; k <= kFmChannelCount; ++k)
            fm.MSFGrid->SetTextMatrix(k, Form5::kColFrequency, "88.50");
        fm.Combo1[0]->SetText("12");
        fm.Combo1[1]->SetListIndex(1);
        fm.Combo1[2]->SetListIndex(2);
        fm.Text2->SetText("99.00");
        fm.Command1_Click();
        State().grades = PowerGradeValues{{1, 2, 3, 4, 5}, 6};
    }

    QTemporaryDir files;
};

TEST_F(FirstModelDataFileTest, ShippedDefaultDataBringsBackTheStartValuesOfEveryForm) {
    QFile file(QStringLiteral(QAV_SHIPPED_DEFAULT_DATA));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    ASSERT_EQ(contents.size(), 1952);
    EXPECT_EQ(contents.left(6), QByteArray("RL-730"));

    CarriedData expected = Carried();
    const QString startBand = Main().Combo1->Text();
    // What the first model does not store comes back as the decoder's rule gives it.
    expected.fields.form3.Combo3 = 1;
    expected.fields.form3.Text6.clear();
    expected.fields.form2.Combo16 = 1;
    expected.fields.form2.Combo18 = 0;

    MoveFieldsOfTheFile();
    ASSERT_NE(Carried(), expected);
    Run().forms.form1->HideForm();
    QTest::mouseClick(Main().Command1, Qt::LeftButton);
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
    ExpectSame(Carried(), expected);
    EXPECT_EQ(Main().Combo1->Text(), startBand);
}

// A file stops at byte 1903; what lies past it in the image stays what the
// program holds, instead of what an earlier read or file left there.
TEST_F(FirstModelDataFileTest, OpenAndDefaultDataKeepTheFieldsPastTheFile) {
    const QString saved = InFiles("new.dat");
    Save(saved);                // a new data set
    State().ReadImage.Fill(0);  // as at start-up: FM channels 76.00 MHz, switches and grades 0

    struct Command {
        const char* name;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"open", [&] { Open(saved); }},
        {"default data button", [this] { QTest::mouseClick(Main().Command1, Qt::LeftButton); }},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        MoveFieldsOfTheFile();
        MoveFieldsPastTheFile();
        const CarriedData before = Carried();
        const int fmFunction = Features().Combo2->ListIndex();
        command.run();
        EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
        const CarriedData after = Carried();
        // From the file: a channel, FM channels 1..8, a setting.
        EXPECT_EQ(after.tables.ChannelFreq(0, 0), "");
        EXPECT_EQ(after.fm.FmChannelFreq[0], "");
        EXPECT_NE(after.fields.form3.Text31, before.fields.form3.Text31);
        // Past the file: all as they were.
        for (int k = 8; k < kFmChannelCount; ++k)
            EXPECT_EQ(after.fm.FmChannelFreq[std::size_t(k)], "88.50") << "FM channel " << k + 1;
        ASSERT_EQ(before.fm.FmChannelNo, 12);
        EXPECT_EQ(after.fm.FmChannelNo, 12);
        EXPECT_EQ(after.fm.FmDisplayMode, 1);
        EXPECT_EQ(after.fm.FmStep, 2);
        EXPECT_EQ(after.fm.FmFrequency, before.fm.FmFrequency);
        for (int k = 8; k < kFmChannelCount; ++k)
            EXPECT_EQ(after.fields.form5.MSFGrid[std::size_t(k)], "88.50") << "FM grid row " << k + 1;
        EXPECT_EQ(after.grades, before.grades);
        EXPECT_EQ(Features().Combo2->ListIndex(), fmFunction);
        EXPECT_EQ(Features().Combo6->ListIndex(), 0);
        EXPECT_EQ(Features().Combo13->ListIndex(), 1);
        EXPECT_EQ(Features().Combo16->ListIndex(), 1);
        EXPECT_FALSE(Main().MNFMset->isEnabled()) << "the FM function is still off";
    }
}

TEST_F(FirstModelDataFileTest, ReadEditWriteLeavesTheRadioWithExactlyTheChangeThenSaveAndOpen) {
    // The radio holds what this program wrote: two channels, beep off, MONI transient.
    ChannelGridUser channels = ChannelEditor();
    ASSERT_NO_FATAL_FAILURE(channels.EnterIntoCell(1, Form1::kColReceive, "435.125"));
    ASSERT_NO_FATAL_FAILURE(channels.EnterIntoCell(2, Form1::kColReceive, "446.00625"));
    Features().Combo7->SetListIndex(0);
    Features().Combo17->SetListIndex(1);
    ASSERT_TRUE(Run().EncodeImage());
    std::vector<std::uint8_t> memory(0x800, 0xFF);
    const MemoryImage& image = State().WriteImage;
    for (int i = 0; i < 1968; ++i) memory[std::size_t(i)] = image.at(i);
    for (int i = 0; i < 16; ++i) {
        memory[std::size_t(0x7E0 + i)] = image.at(1968 + i);
        memory[std::size_t(0x7F0 + i)] = image.at(1984 + i);
    }
    radio.SetMemory(memory);
    Run().forms.form1->StartForm();
    Run().forms.form3->StartForm();

    Read();
    ASSERT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    EXPECT_EQ(channels.Cell(2, Form1::kColReceive), "446.00625");
    EXPECT_EQ(Features().Combo17->ListIndex(), 1);
    EXPECT_EQ(Features().Combo7->ListIndex(), 0);

    const std::vector<std::uint8_t> before = radio.Memory();
    channels = ChannelEditor();  // the user is back in the editor after the read
    ASSERT_NO_FATAL_FAILURE(
        channels.EnterIntoCell(2, Form1::kColReceive, "440.5"));  // the receive frequency of channel 2
    Features().ShowForm();
    ChooseInList(Features().Combo8, 0);  // battery save off
    answerer.boxes.clear();
    Write();
    ASSERT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
    ASSERT_TRUE(LastFrameBecomes(sim::FrameKind::End));

    std::vector<std::uint8_t> expected = before;
    const std::uint8_t receive[] = {0x00, 0x00, 0x05, 0x44};  // 440.50000 MHz
    for (int i = 0; i < 4; ++i) expected[std::size_t(16 + i)] = receive[i];
    expected[1798] = std::uint8_t(before[1798] & ~0x04);  // bit 2: battery save
    const std::vector<std::uint8_t> after = radio.Memory();
    for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i], expected[i]) << "radio byte " << i;

    // Saved, the data is 1952 bytes: the header and image bytes 0..1903.
    const QString path = InFiles("radio.dat");
    Save(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    ASSERT_EQ(contents.size(), 1952);
    for (int i = 0; i < kStoredBytes; ++i)
        ASSERT_EQ(std::uint8_t(contents[DataFile::kHeaderSize + i]), State().WriteImage.at(i)) << i;

    channels = ChannelEditor();
    ASSERT_NO_FATAL_FAILURE(channels.EnterIntoCell(2, Form1::kColReceive, ""));
    Features().Combo8->SetListIndex(1);
    Features().Combo2->SetListIndex(0);  // FM function: image byte 1968, past the file
    answerer.boxes.clear();
    Open(path);
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
    EXPECT_EQ(channels.Cell(2, Form1::kColReceive), "440.50000");
    EXPECT_EQ(Features().Combo8->ListIndex(), 0);
    EXPECT_EQ(Features().Combo17->ListIndex(), 1);
    EXPECT_EQ(Features().Combo2->ListIndex(), 0) << "kept: the file does not hold it";
}

}  // namespace
}  // namespace qav::test
