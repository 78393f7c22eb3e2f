#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>
#include <optional>

#include "app/DataFile.h"
#include "app/DataFileCommands.h"
#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "tests/forms/ChannelGridUser.h"
#include "tests/forms/FmGridUser.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"

namespace qav::test {
namespace {

const QString kDataFilter = QStringLiteral("DAT文件(*.dat)|*.dat|AllFiles(*.*)|*.*|");

MemoryImage Pattern(std::uint8_t seed) {
    return PatternImage(kQav750, seed);
}

// The current folder of the process, changed for one test.
class CurrentFolder {
  public:
    explicit CurrentFolder(const QString& path) : saved_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~CurrentFolder() { QDir::setCurrent(saved_); }

  private:
    QString saved_;
};

// A codec that counts its calls and refuses to encode on request; its
// decoder stands for the real one by putting these grades in place.
struct CountingCodec {
    int decodes = 0;
    int encodes = 0;
    bool refuseEncoding = false;
    std::optional<PowerGradeValues> decodedGrades;
};

class DataFileCommandsTest : public ProgramFixture {
  protected:
    void SetUp() override {
        Start();
        answerer.boxes.clear();  // the port message of a machine without the radio
    }

    MDIForm1& Main() { return Run().MainWindow(); }
    QString Path(const QString& name) const { return files.filePath(name); }
    QByteArray DataFileOf(const MemoryImage& image) const { return DataFile(kQav750).Compose(image); }

    DataFileCommands CommandsWith(CountingCodec& codec) {
        RunState& state = Run().state;
        return DataFileCommands(Run(), Main(),
                                {[&codec, &state] {
                                     ++codec.decodes;
                                     if (codec.decodedGrades) state.grades = *codec.decodedGrades;
                                 },
                                 [&codec] {
                                     ++codec.encodes;
                                     return !codec.refuseEncoding;
                                 },
                                 {}});
    }

    void ExpectDataFileDialog(const FileDialogRequest& request, FileDialogRequest::Mode mode) {
        EXPECT_EQ(request.mode, mode);
        EXPECT_EQ(request.fileName, QString());
        EXPECT_EQ(request.directory, programFolder.path()) << "the dialogs start in the program's folder";
        EXPECT_EQ(request.nameFilters, NameFiltersFromWindowsFilter(kDataFilter));
        EXPECT_EQ(request.selectedFilter, 0);
        EXPECT_TRUE(request.confirmOverwrite);
        // A name saved without a type gets the data file's; one opened is taken as typed.
        EXPECT_EQ(request.defaultSuffix, mode == FileDialogRequest::Mode::Save ? QString("dat") : QString());
        EXPECT_EQ(request.owner, &Main());
    }

    void ExpectError(const QString& text) {
        ASSERT_EQ(answerer.boxes.size(), 1) << answerer.Texts().join('|').toStdString();
        EXPECT_EQ(answerer.boxes[0].text, text);
        EXPECT_EQ(answerer.boxes[0].style, MB_ICONERROR);
        EXPECT_EQ(answerer.boxes[0].title, QString("Mistake"));
    }

    // The channel editor in front, for the user's clicks and keys.
    ChannelGridUser ChannelEditor() {
        ChannelGridUser user;
        user.AttachTo(Run().forms.form1);
        Run().forms.form1->ShowForm();
        QApplication::setActiveWindow(&Main());
        return user;
    }

    QTemporaryDir files;
};

TEST_F(DataFileCommandsTest, SaveWritesTheWholeDataFileWhereTheUserChose) {
    Run().state.WriteImage.Assign(Pattern(4).bytes());
    WriteAll(Path("a.dat"), QByteArray(4000, 'x'));
    chosenFiles = {Path("a.dat")};
    Main().MNSave_Click();

    EXPECT_TRUE(answerer.boxes.isEmpty()) << "no message on success";
    ASSERT_EQ(fileRequests.size(), 1);
    ExpectDataFileDialog(fileRequests[0], FileDialogRequest::Mode::Save);
    const QByteArray saved = ReadAll(Path("a.dat"));
    EXPECT_EQ(saved.size(), 3120);
    EXPECT_EQ(saved.left(16), QByteArray::fromHex("524C2D373031FFFFFFFF5630313030FF"));
    EXPECT_EQ(saved, DataFileOf(Run().state.WriteImage));
}

TEST_F(DataFileCommandsTest, FailedSaveIsReportedInTheUsersLanguageAndKeepsTheOldFile) {
    QDir(files.path()).mkdir("folder.dat");
    WriteAll(Path("plain"), "a file");
    struct Case {
        const char* what;
        QString path;
        int language;
        QString message;
    };
    const Case cases[] = {
        {"a folder", Path("folder.dat"), 1, "The file could not be saved!"},
        {"under a file", Path("plain/x.dat"), 0, "文件保存失败！"},
        {"nowhere to create it", "/proc/qav-save-test.dat", 2, "檔案儲存失敗！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        answerer.boxes.clear();
        Run().state.Language = c.language;
        chosenFiles = {c.path};
        Main().MNSave_Click();
        ASSERT_EQ(answerer.boxes.size(), 1);
        EXPECT_EQ(answerer.boxes[0].text, c.message + "\r\n" + c.path);
        EXPECT_EQ(answerer.boxes[0].style, MB_ICONERROR);
        EXPECT_EQ(answerer.boxes[0].title, (QStringList{"错误", "Mistake", "錯誤"}[c.language]));
    }
    EXPECT_TRUE(QFileInfo(Path("folder.dat")).isDir());
    EXPECT_EQ(ReadAll(Path("plain")), QByteArray("a file"));
}

TEST_F(DataFileCommandsTest, SaveOnAFullDiskReportsItAndKeepsTheOldFile) {
    WriteAll(Path("old.dat"), "old contents");
    chosenFiles = {Path("old.dat")};
    {
        FileSizeLimit fullDisk(1000);
        Main().MNSave_Click();
    }

    ExpectError("The file could not be saved!\r\n" + Path("old.dat"));
    EXPECT_EQ(ReadAll(Path("old.dat")), QByteArray("old contents"));
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.dat"});
}

TEST_F(DataFileCommandsTest, CancelledOrRefusedSaveWritesNothing) {
    CountingCodec codec;
    DataFileCommands commands = CommandsWith(codec);
    commands.MNSave_Click();  // the dialog is cancelled
    EXPECT_EQ(codec.encodes, 0);

    codec.refuseEncoding = true;
    chosenFiles = {Path("b.dat")};
    commands.MNSave_Click();
    EXPECT_EQ(codec.encodes, 1);
    EXPECT_FALSE(QFileInfo::exists(Path("b.dat"))) << "data the encoder refused is never saved";
    EXPECT_TRUE(answerer.boxes.isEmpty()) << "the encoder tells the user itself";
}

TEST_F(DataFileCommandsTest, OpenLoadsDecodesShowsTheChannelEditorAndTheNewGrades) {
    WriteAll(Path("in.dat"), DataFileOf(Pattern(7)));
    CountingCodec codec;
    codec.decodedGrades = PowerGradeValues{{11, 12, 13, 14, 15}, 16};
    DataFileCommands commands = CommandsWith(codec);
    Run().forms.form1->HideForm();
    Run().state.band.BandChangeByProgram = false;
    chosenFiles = {Path("in.dat")};
    commands.MNOpen_Click();

    EXPECT_TRUE(answerer.boxes.isEmpty());
    ASSERT_EQ(fileRequests.size(), 1);
    ExpectDataFileDialog(fileRequests[0], FileDialogRequest::Mode::Open);
    EXPECT_TRUE(Run().state.ReadImage == Pattern(7));
    EXPECT_EQ(codec.decodes, 1);
    EXPECT_TRUE(Run().state.band.BandChangeByProgram) << "the band the decoder selects asks nothing";
    EXPECT_TRUE(Run().forms.form1->IsShown());
    const auto& sliders = Run().forms.form4->Slider1;
    EXPECT_EQ((std::array{sliders[0]->Value(), sliders[1]->Value(), sliders[2]->Value()}),
              (std::array{11, 12, 13}));
}

TEST_F(DataFileCommandsTest, OpenRefusesWhatIsNoWholeDataFileAndChangesNothing) {
    QByteArray otherModel = DataFileOf(Pattern(1));
    otherModel.replace(0, 6, "RL-730");
    WriteAll(Path("730.dat"), otherModel);
    WriteAll(Path("short.dat"), DataFileOf(Pattern(1)).left(2000));
    WriteAll(Path("empty.dat"), QByteArray());
    QDir(files.path()).mkdir("folder.dat");
    struct Case {
        const char* name;
        QString message;  // the path follows on a line of its own, but for the file type
    };
    const Case cases[] = {
        {"730.dat", "File type is incorrect!"},
        {"empty.dat", "File type is incorrect!"},
        {"short.dat", "The file is incomplete!\r\n" + Path("short.dat")},
        {"missing.dat", "The file does not exist!\r\n" + Path("missing.dat")},
        {"folder.dat", "The file cannot be read!\r\n" + Path("folder.dat")},
    };
    CountingCodec codec;
    DataFileCommands commands = CommandsWith(codec);
    Run().forms.form1->HideForm();
    Run().state.ReadImage.Fill(0x5A);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        answerer.boxes.clear();
        chosenFiles = {Path(c.name)};
        commands.MNOpen_Click();
        ExpectError(c.message);
        EXPECT_EQ(codec.decodes, 0);
        EXPECT_FALSE(Run().forms.form1->IsShown());
        for (int i = 0; i < 3072; ++i) ASSERT_EQ(Run().state.ReadImage.at(i), 0x5A);
    }
    EXPECT_FALSE(QFileInfo::exists(Path("missing.dat"))) << "opening never creates a file";

    answerer.boxes.clear();
    commands.MNOpen_Click();  // cancelled
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_EQ(codec.decodes, 0);
}

TEST_F(DataFileCommandsTest, WrongFileTypeIsToldInTheUsersLanguage) {
    WriteAll(Path("x.dat"), "RL-730");
    const std::array<std::pair<QString, QString>, 3> texts{
        {{"文件类型不正确！", "错误"}, {"File type is incorrect!", "Mistake"}, {"檔案類型不正確！", "錯誤"}}};
    for (int language = 0; language < 3; ++language) {
        answerer.boxes.clear();
        Run().state.Language = language;
        chosenFiles = {Path("x.dat")};
        Main().MNOpen_Click();
        ASSERT_EQ(answerer.boxes.size(), 1);
        EXPECT_EQ(answerer.boxes[0].text, texts[language].first);
        EXPECT_EQ(answerer.boxes[0].title, texts[language].second);
    }
}

TEST_F(DataFileCommandsTest, SavedFileOpensToTheSameImage) {
    Run().state.WriteImage.Assign(Pattern(2).bytes());
    chosenFiles = {Path("round.dat"), Path("round.dat")};
    Main().MNSave_Click();
    Main().MNOpen_Click();
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
    EXPECT_TRUE(Run().state.ReadImage == Run().state.WriteImage);
}

TEST_F(DataFileCommandsTest, DefaultDataButtonLoadsTheShippedFileWithoutShowingTheEditor) {
    Run().forms.form1->HideForm();
    Run().state.ReadImage.Fill(0x5A);
    QTest::mouseClick(Main().Command1, Qt::LeftButton);
    ExpectError("The file does not exist!\r\n" + programFolder.filePath("QAV750.dat"));
    EXPECT_EQ(Run().state.ReadImage.at(0), 0x5A);

    answerer.boxes.clear();
    WriteAll(programFolder.filePath("QAV750.dat"), DataFileOf(Pattern(8)));
    QTest::mouseClick(Main().Command1, Qt::LeftButton);
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_TRUE(Run().state.ReadImage == Pattern(8));
    EXPECT_FALSE(Run().forms.form1->IsShown());
    EXPECT_TRUE(fileRequests.isEmpty()) << "no dialog";
}

TEST_F(DataFileCommandsTest, FactoryDataComesFromTheCurrentFolderElseFromTheShippedFile) {
    QTemporaryDir current;
    CurrentFolder inside(current.path());
    WriteAll(programFolder.filePath("QAV750.dat"), DataFileOf(Pattern(20)));
    WriteAll(QDir(current.path()).filePath("QAV750.dat"), DataFileOf(Pattern(30)));
    Main().MNReset->trigger();
    EXPECT_TRUE(Run().state.ReadImage == Pattern(30));

    QFile::remove(QDir(current.path()).filePath("QAV750.dat"));
    Main().MNReset->trigger();
    EXPECT_TRUE(Run().state.ReadImage == Pattern(20));
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(DataFileCommandsTest, NewAsksAndOnOkResetsTheBandButNotTheGradesFmOrImages) {
    Run().state.band.BandChangeByProgram = true;
    Main().Combo1->SetListIndex(0);
    Run().state.grades = PowerGradeValues{{1, 2, 3, 4, 5}, 6};
    Run().state.fm.FmChannelFreq[0] = "88.00";
    Run().state.ReadImage.Fill(0x11);
    Run().state.WriteImage.Fill(0x22);

    answerer.answers = {IDCANCEL};
    Main().MNNew_Click();
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].text, QString("Unsaved data will be lost, sure?"));
    EXPECT_EQ(answerer.boxes[0].title, QString("Attention"));
    EXPECT_EQ(answerer.boxes[0].style, ConfirmStyle);
    EXPECT_EQ(Main().Combo1->ListIndex(), 0) << "Cancel changes nothing";
    EXPECT_EQ(Run().state.band.BandLow, 136);

    answerer.answers = {IDOK};
    Main().MNNew_Click();
    EXPECT_EQ(answerer.boxes.size(), 2) << "the band changes without a question";
    EXPECT_EQ(Main().Combo1->ListIndex(), 2);
    EXPECT_EQ(Run().state.band.BandLow, 400);
    EXPECT_EQ(Run().state.band.BandHigh, 470);
    EXPECT_EQ(Run().state.grades, (PowerGradeValues{{1, 2, 3, 4, 5}, 6}));
    EXPECT_EQ(Run().state.fm.FmChannelFreq[0], "88.00");
    EXPECT_EQ(Run().state.ReadImage.at(100), 0x11);
    EXPECT_EQ(Run().state.WriteImage.at(100), 0x22);
}

TEST_F(DataFileCommandsTest, NewDropsAnEditOpenInTheChannelGridForGood) {
    ChannelGridUser user = ChannelEditor();
    const std::function<void()> fromTheMenu = [this] { Main().MNNew->trigger(); };
    const std::function<void()> byItsShortcut = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    };
    struct Case {
        const char* what;
        int col;
        QString typed;
        std::function<void()> giveNew;
    };
    const Case cases[] = {
        {"a receive frequency, New from the menu", Form1::kColReceive, "436", fromTheMenu},
        {"a receive frequency, New by its shortcut", Form1::kColReceive, "437", byItsShortcut},
        {"a name, New by its shortcut", Form1::kColName, "abc", byItsShortcut},
    };
    ChannelTables& tables = Run().state.channels;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user.EnterIntoCell(3, Form1::kColReceive, "435.125");  // a channel in use
        user.TypeIntoCell(3, c.col, c.typed);
        answerer.boxes.clear();
        answerer.answers = {IDOK};
        c.giveNew();
        ASSERT_EQ(answerer.Texts(), QStringList{"Unsaved data will be lost, sure?"});
        EXPECT_FALSE(user.form->Text1->isVisible());
        EXPECT_FALSE(user.form->Text2->isVisible());

        user.EnterIntoCell(5, Form1::kColReceive, "");  // the user goes on elsewhere
        for (int col = 1; col <= 12; ++col) EXPECT_EQ(user.Cell(3, col), QString()) << "column " << col;
        EXPECT_EQ(tables.ChannelFreq(2, 0), "");
        EXPECT_EQ(tables.ChannelName(2), "");
        EXPECT_EQ(answerer.boxes.size(), 1);
    }
}

TEST_F(DataFileCommandsTest, OpenAndFactoryDataDropTheEditsOpenInTheGridsWithoutAWord) {
    ChannelGridUser channels = ChannelEditor();
    channels.EnterIntoCell(3, Form1::kColReceive, "435.125");
    channels.EnterIntoCell(3, Form1::kColName, "one");
    ASSERT_TRUE(Run().EncodeImage());
    const QByteArray data = DataFileOf(Run().state.WriteImage);
    WriteAll(Path("data.dat"), data);
    QTemporaryDir current;
    CurrentFolder inside(current.path());
    WriteAll(QDir(current.path()).filePath("QAV750.dat"), data);  // the factory data

    const std::function<void()> open = [this] {
        chosenFiles = {Path("data.dat")};
        Main().MNOpen->trigger();
    };
    const std::function<void()> factoryData = [this] { Main().MNReset->trigger(); };
    struct Case {
        const char* what;
        int col;
        QString typed;
        std::function<void()> load;
    };
    const Case cases[] = {
        {"a frequency outside the band, then Open", Form1::kColReceive, "999", open},
        {"a frequency outside the band, then the factory data", Form1::kColTransmit, "12", factoryData},
        {"an emptied receive frequency, then Open", Form1::kColReceive, "", open},
        {"a name, then the factory data", Form1::kColName, "xyz", factoryData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        channels.TypeIntoCell(3, c.col, c.typed);
        answerer.boxes.clear();
        c.load();
        EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
        EXPECT_FALSE(channels.form->Text1->isVisible());
        EXPECT_FALSE(channels.form->Text2->isVisible());

        channels.EnterIntoCell(5, Form1::kColReceive, "");  // the user goes on elsewhere
        EXPECT_EQ(channels.Cell(3, Form1::kColReceive), "435.12500");
        EXPECT_EQ(channels.Cell(3, Form1::kColTransmit), "435.12500");
        EXPECT_EQ(channels.Cell(3, Form1::kColName), "ONE");
        EXPECT_EQ(Run().state.channels.ChannelName(2), "ONE");
        EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
    }

    // The FM form's cell editor likewise, which would speak on its message line.
    Form5& form5 = *Run().forms.form5;
    form5.ShowForm();
    FmGridUser fm(&form5);
    const QString decoded = fm.Cell(1);
    fm.TypeIntoCell(1, "200");
    open();
    EXPECT_FALSE(form5.Text1->isVisible());
    EXPECT_FALSE(form5.Label2->isVisible()) << "nothing said about a value typed into the old data";
    fm.ClickCell(2);
    QTest::keyClick(form5.Text1, Qt::Key_Return);
    EXPECT_EQ(fm.Cell(1), decoded);
    EXPECT_FALSE(form5.Label2->isVisible());
}

}  // namespace
}  // namespace qav::test
