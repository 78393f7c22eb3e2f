// The decoder and the encoder through the real forms: what a decoded byte
// does to its control, what a control writes, and the refusal of data that
// cannot be encoded.
#include <QDir>
#include <QFile>
#include <QTest>
#include <array>
#include <functional>

#include "app/MDIForm1.h"
#include "app/RadioTransfer.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "tests/app/CodecFixture.h"
#include "tests/forms/ChannelGridUser.h"
#include "tests/forms/FmGridUser.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

using namespace layout;
using Bytes = std::vector<std::uint8_t>;

// The first line of the encoder's refusal, by language: Simplified, English, Traditional.
using Refusal = std::array<const char*, 3>;
const Refusal kWriteRefusal = {
    "以下数据无效，不能写入，请更正后再试：",
    "The following data are invalid and can't be written, please correct them and try again:",
    "以下數據無效，不能寫入，請更正後再試："};
const Refusal kSaveRefusal = {
    "以下数据无效，不能保存，请更正后再试：",
    "The following data are invalid and can't be saved, please correct them and try again:",
    "以下數據無效，不能儲存，請更正後再試："};

QString RefusalOf(const Refusal& refusal, int language) {
    return QString::fromUtf8(refusal[std::size_t(language)]);
}

class ImageBindingTest : public CodecFixture {
  protected:
    FormSet& Forms() { return Run().forms; }
    QString FmCell(int channel) { return FmGridUser(Forms().form5).Cell(channel); }

    // The image of a new data set with some bytes put over it.
    MemoryImage StartImageWith(int offset, const Bytes& bytes) {
        MemoryImage image = Encoded();
        for (std::size_t i = 0; i < bytes.size(); ++i) image.at(offset + int(i)) = bytes[i];
        return image;
    }

    // Commits what is typed into the FM form's cell editor on a channel.
    void EnterIntoFmCell(int channel, const QString& typed) {
        Forms().form5->ShowForm();
        FmGridUser(Forms().form5).EnterIntoCell(channel, typed);
    }
};

using ListOf = std::function<VbComboBox*(FormSet&, MDIForm1&)>;

template <typename Form>
ListOf ListOn(Form* FormSet::*form, VbComboBox* Form::*list) {
    return [form, list](FormSet& forms, MDIForm1&) { return forms.*form->*list; };
}

TEST_F(ImageBindingTest, DecodedBytesChooseTheirListItemOrLeaveTheList) {
    struct Case {
        const char* what;
        int offset;
        Bytes bytes;
        ListOf list;
        int before;    // the list's index before the decode
        int expected;  // and after
    };
    const ListOf form5Display = [](FormSet& f, MDIForm1&) { return f.form5->Combo1[1]; };
    const ListOf form5Step = [](FormSet& f, MDIForm1&) { return f.form5->Combo1[2]; };
    const ListOf band = [](FormSet&, MDIForm1& main) { return main.Combo1; };
    const Case cases[] = {
        {"step 25 kHz comes back as itself",
         kStepFrequency,
         {4},
         ListOn(&FormSet::form3, &Form3::Combo3),
         0,
         4},
        {"step beyond the list: 6.25 kHz",
         kStepFrequency,
         {9},
         ListOn(&FormSet::form3, &Form3::Combo3),
         0,
         1},
        {"display mode beyond the list", kDisplayMode, {7}, ListOn(&FormSet::form3, &Form3::Combo1), 0, 1},
        {"ANI mode 3 is no item: left", kAniSendMode, {3}, ListOn(&FormSet::form2, &Form2::Combo1), 2, 2},
        {"ANI mode FF", kAniSendMode, {0xFF}, ListOn(&FormSet::form2, &Form2::Combo1), 2, 0},
        {"offset direction 7: left",
         kVfoOffsetDirection,
         {7},
         ListOn(&FormSet::form3, &Form3::Combo30),
         2,
         2},
        {"VFO receive tone 88.5 Hz",
         kVfoRxTone,
         {0x85, 0x08},
         ListOn(&FormSet::form3, &Form3::Combo22),
         0,
         9},
        {"VFO transmit tone D703N",
         kVfoTxTone,
         {0x03, 0x87},
         ListOn(&FormSet::form3, &Form3::Combo23),
         0,
         148},
        {"FM function FF: on", kFmFunction, {0xFF}, ListOn(&FormSet::form3, &Form3::Combo2), 0, 1},
        {"de-emphasis FF: off", kDeEmphasis, {0xFF}, ListOn(&FormSet::form3, &Form3::Combo13), 1, 0},
        {"group call #", kGroupCallCode, {'#'}, ListOn(&FormSet::form2, &Form2::Combo18), 0, 2},
        {"group call Z: none", kGroupCallCode, {'Z'}, ListOn(&FormSet::form2, &Form2::Combo18), 3, 0},
        {"FM display mode 9: left", kFmDisplayMode, {9}, form5Display, 1, 1},
        {"FM step 2", kFmStep, {2}, form5Step, 0, 2},
        {"band code 5: 136-174 MHz", kBandCode, {5}, band, 2, 0},
        {"band code 3: 350-390 MHz", kBandCode, {3}, band, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MemoryImage image = StartImageWith(c.offset, c.bytes);
        VbComboBox* list = c.list(Forms(), Run().MainWindow());
        ASSERT_TRUE(list->SetListIndex(c.before));
        Decode(image);
        EXPECT_EQ(list->ListIndex(), c.expected);
    }
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
}

TEST_F(ImageBindingTest, DecodedBytesFillTheTextsAndTheFmGrid) {
    using TextOf = std::function<QString(FormSet&)>;
    struct Case {
        const char* what;
        int offset;
        Bytes bytes;
        TextOf shown;
        QString expected;
    };
    const TextOf powerOnText = [](FormSet& f) { return f.form3->Text31->Text(); };
    const TextOf fmChannel2 = [this](FormSet&) { return FmCell(2); };
    const TextOf fmChannel3 = [this](FormSet&) { return FmCell(3); };
    const Case cases[] = {
        {"power-on text with 0xFF between",
         kPowerOnText,
         {0x41, 0xFF, 0x42, 0xFF, 0xFF, 0xFF},
         powerOnText,
         "AB"},
        {"ANI start code of 0xFF only", kAniStartCode, Bytes(16, 0xFF),
         [](FormSet& f) { return f.form2->Text2->Text(); }, ""},
        {"ANI end code",
         kAniEndCode,
         {'1', '2', '*', 0xFF},
         [](FormSet& f) { return f.form2->Text4->Text(); },
         "12*"},
        {"priority channel 200: none",
         kPriorityChannel,
         {200},
         [](FormSet& f) { return f.form3->Text2->Text(); },
         ""},
        {"present channel 128",
         kPresentChannel,
         {128},
         [](FormSet& f) { return f.form3->Text6->Text(); },
         "128"},
        {"VFO frequency onto the step list",
         kVfoFrequency,
         {0x00, 0x31, 0x51, 0x43},
         [](FormSet& f) { return f.form3->Text20->Text(); },
         "435.13125"},
        {"VFO offset without its leading zero",
         kVfoOffset,
         {0x00, 0x00, 0x00, 0x01},
         [](FormSet& f) { return f.form3->Text21->Text(); },
         "10.00000"},
        {"FM channel above 108 MHz: empty", kFmChannelBlock + 2, {0x02, 0x81}, fmChannel2, ""},
        {"FM channel 88.80", kFmChannelBlock + 4, {0x01, 0x00}, fmChannel3, "88.80"},
        {"FM frequency 87.50",
         kFmFrequency,
         {0x00, 0xE6},
         [](FormSet& f) { return f.form5->Text2->Text(); },
         "87.50"},
        {"FM channel number 16",
         kFmChannelNo,
         {16},
         [](FormSet& f) { return f.form5->Combo1[0]->Text(); },
         "16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Forms().form5->MSFGrid->SetTextMatrix(2, Form5::kColFrequency, "99.00");
        Decode(StartImageWith(c.offset, c.bytes));
        EXPECT_EQ(c.shown(Forms()), c.expected);
    }
    // The FM values hold what the grid shows.
    EXPECT_EQ(State().fm.FmChannelFreq[1], "");
    Decode(StartImageWith(kFmChannelBlock + 4, {0x01, 0x00}));
    EXPECT_EQ(State().fm.FmChannelFreq[2], "88.80");
}

TEST_F(ImageBindingTest, DecodedTextsLongerThanTheUserMayTypeComeThroughWhole) {
    ChannelGridUser channels;
    channels.AttachTo(Forms().form1);
    channels.EnterIntoCell(3, Form1::kColReceive, "435.125");  // a channel in use
    const Bytes name{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};  // all eight bytes of the image
    const Bytes offset{0x25, 0x56, 0x34, 0x12};                // 123.45625 MHz
    MemoryImage image = Encoded();
    for (int i = 0; i < 8; ++i) image.at(kChannelNameBlock + 2 * kChannelNameSize + i) = name[std::size_t(i)];
    for (int i = 0; i < 4; ++i) image.at(kVfoOffset + i) = offset[std::size_t(i)];
    Decode(image);
    EXPECT_EQ(Forms().form3->Text21->Text(), QString("123.45625"));
    EXPECT_EQ(channels.Cell(3, Form1::kColName), QString("ABCDEFGH"));

    // The name editor opened over it and left without a change, by Enter and by a click elsewhere.
    for (const bool byEnter : {true, false}) {
        SCOPED_TRACE(byEnter ? "Enter" : "a click elsewhere");
        channels.ClickCell(3, Form1::kColName);
        ASSERT_TRUE(Forms().form1->Text2->isVisible());
        EXPECT_EQ(Forms().form1->Text2->Text(), QString("ABCDEFGH"));
        if (byEnter) {
            QTest::keyClick(Forms().form1->Text2, Qt::Key_Return);
        } else {
            channels.ClickCell(3, Form1::kColReceive);
            QTest::keyClick(Forms().form1->Text1, Qt::Key_Return);
        }
        EXPECT_FALSE(Forms().form1->Text2->isVisible());
        EXPECT_EQ(channels.Cell(3, Form1::kColName), QString("ABCDEFGH"));
        EXPECT_EQ(State().channels.ChannelName(2), "ABCDEFGH");
    }
    const MemoryImage encoded = Encoded();
    EXPECT_EQ(Slice(encoded, kChannelNameBlock + 2 * kChannelNameSize, 8), name);
    EXPECT_EQ(Slice(encoded, kVfoOffset, 4), offset);
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
}

TEST_F(ImageBindingTest, FmFunctionOnInTheImageEnablesTheFmMenu) {
    Forms().form3->Combo2->SetListIndex(0);
    ASSERT_FALSE(Run().MainWindow().MNFMset->isEnabled());
    Decode(StartImageWith(kFmFunction, {0xFF}));
    EXPECT_TRUE(Run().MainWindow().MNFMset->isEnabled());
    Decode(StartImageWith(kFmFunction, {0x00}));
    EXPECT_FALSE(Run().MainWindow().MNFMset->isEnabled());
}

TEST_F(ImageBindingTest, BandOfTheImageRemovesTheChannelsOutsideButKeepsEveryName) {
    MemoryImage image = Encoded();
    image.at(kBandCode) = 5;  // no band of its own: the first
    PutFreq(image, 0, "435.12500");
    PutFreq(image, 4, "435.12500");
    PutFreq(image, 13, "150.00000");
    PutFreq(image, 17, "150.50000");
    Put(image, 13 + kRecRxTone, {0x85, 0x08, 0xFF, 0xFF, 0x03});  // 88.5 Hz, off, high power, all else 0
    PutFreq(image, 26 + kRecTxFreq, "151.00000");                 // receive byte 0xFF: empty all the same
    const char* names[] = {"CH1", "LOW", "EMPTY"};
    for (int ch = 0; ch < 3; ++ch)
        for (int i = 0; names[ch][i] != '\0'; ++i)
            image.at(kChannelNameBlock + 8 * ch + i) = std::uint8_t(names[ch][i]);

    // As a user's open band list leaves it: a decode still asks nothing.
    State().band.BandChangeByProgram = false;
    State().band.PrevBandIndex = 2;
    Decode(image);
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();

    MDIForm1& main = Run().MainWindow();
    EXPECT_EQ(main.Combo1->Text(), QString("136-174MHz"));
    EXPECT_EQ(State().band.BandLow, 136);
    EXPECT_EQ(State().band.BandHigh, 174);
    const ChannelTables& tables = State().channels;
    Form1& form1 = *Forms().form1;
    const auto row = [&form1](int k) {
        QStringList cells;
        for (int c = 1; c <= Form1::kColName; ++c) cells << form1.Grid1->TextMatrix(k, c);
        return cells;
    };
    EXPECT_EQ(tables.ChannelFreq(0, 0), "");
    EXPECT_EQ(tables.ChannelName(0), "CH1");
    EXPECT_EQ(row(1), QStringList(11, QString()) << "CH1");
    EXPECT_EQ(row(2), (QStringList{"150.00000", "150.50000", "88.5", "Off", "High", "Carry", "Off", "Narror",
                                   "On", "On", "Off", "LOW"}));
    EXPECT_EQ(tables.ChannelOptions(1, 0), 9);
    EXPECT_EQ(row(3), QStringList(11, QString()) << "EMPTY");
    EXPECT_EQ(tables.ChannelFreq(2, 1), "");
    EXPECT_EQ(tables, qav::DecodeImage(image, ImageBinding::ContextOf(Run())).tables)
        << "the run's tables are what the pure decoder gives";
}

TEST_F(ImageBindingTest, ControlsWriteTheirBytes) {
    struct Case {
        const char* what;
        std::function<void(ProgramRun&)> set;
        int offset;
        Bytes expected;
    };
    const auto band = [](int index) {
        return [index](ProgramRun& run) { run.MainWindow().Combo1->SetListIndex(index); };
    };
    const Case cases[] = {
        {"group call #",
         [](ProgramRun& r) { r.forms.form2->Combo18->SetListIndex(2); },
         kGroupCallCode,
         {35}},
        {"group call none",
         [](ProgramRun& r) { r.forms.form2->Combo18->SetListIndex(0); },
         kGroupCallCode,
         {0xFF}},
        {"band 136-174 MHz", band(0), kBandCode, {0}},
        {"band 350-390 MHz", band(1), kBandCode, {3}},
        {"band 400-470 MHz", band(2), kBandCode, {4}},
        {"scrambler switch off is written on",
         [](ProgramRun& r) { r.forms.form3->Combo6->SetListIndex(0); },
         kScramblerSwitch,
         {1}},
        {"two characters of power-on text",
         [](ProgramRun& r) { r.forms.form3->Text31->SetText("AB"); },
         kPowerOnText,
         {0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"offset direction none",
         [](ProgramRun& r) { r.forms.form3->Combo30->SetListIndex(2); },
         kVfoOffsetDirection,
         {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.set(Run());
        EXPECT_EQ(Slice(Encoded(), c.offset, int(c.expected.size())), c.expected);
    }

    // Typed by the user: lower case comes in as upper case, the rest is kept out.
    Form3& form3 = *Forms().form3;
    form3.ShowForm();
    form3.Text31->SetText(QString());
    form3.Text31->SetFocus();
    QTest::keyClicks(form3.Text31, "a b?1");
    EXPECT_EQ(Slice(Encoded(), kPowerOnText, 6), (Bytes{'A', 'B', '1', 0xFF, 0xFF, 0xFF}));
}

TEST_F(ImageBindingTest, FmChannelIsWrittenEmptyUnlessTheGridAndTheTableHoldIt) {
    Decode(StartImageWith(kFmChannelBlock, {0x00, 0xE6, 0x01, 0x00}));  // 87.50, 88.80
    ASSERT_EQ(State().fm.FmChannelFreq[0], "87.50");

    EnterIntoFmCell(1, "");       // emptied in the grid, not taken with OK
    EnterIntoFmCell(3, "90.00");  // typed into an empty channel, not taken with OK
    EXPECT_EQ(State().fm.FmChannelFreq[0], "87.50");
    EXPECT_EQ(State().fm.FmChannelFreq[2], "");
    EXPECT_EQ(Slice(Encoded(), kFmChannelBlock, 6), (Bytes{0xFF, 0xFF, 0x01, 0x00, 0xFF, 0xFF}));

    QTest::mouseClick(Forms().form5->Command1, Qt::LeftButton);  // OK
    EXPECT_EQ(Slice(Encoded(), kFmChannelBlock, 6), (Bytes{0xFF, 0xFF, 0x01, 0x00, 0x01, 0x18}));
}

TEST_F(ImageBindingTest, EditOpenInTheFmGridIsCommittedBeforeAWrite) {
    Decode(StartImageWith(kFmChannelBlock, {0x00, 0xE6}));
    Form5& form5 = *Forms().form5;
    form5.ShowForm();
    FmGridUser(&form5).ClickCell(1);
    ASSERT_TRUE(form5.Text1->isVisible());
    form5.Text1->selectAll();
    QTest::keyClick(form5.Text1, Qt::Key_Backspace);  // emptied, and still open

    Write();
    ASSERT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
    EXPECT_FALSE(form5.Text1->isVisible());
    EXPECT_EQ(FmCell(1), QString());
    WaitForEndAnswer();
    const auto memory = radio.Memory();
    EXPECT_EQ(memory[kFmChannelBlock], 0xFF);
    EXPECT_EQ(memory[kFmChannelBlock + 1], 0xFF);
}

// Data a field cannot hold: the user is told which field, nothing goes to
// the radio and no file is written.
TEST_F(ImageBindingTest, DataThatCannotBeEncodedIsRefusedNamingTheField) {
    struct Case {
        const char* what;
        int language;
        std::function<void(ProgramRun&)> spoil;
        QString field;  // as the message names it
    };
    const Case cases[] = {
        {"a list without selection", 1, [](ProgramRun& r) { r.forms.form3->Combo7->SetListIndex(-1); },
         "Optional Features - Beep"},
        {"the same in Chinese", 0, [](ProgramRun& r) { r.forms.form3->Combo7->SetListIndex(-1); },
         QString::fromUtf8("可选功能 - 提示音")},
        {"an editable list holding no item", 1,
         [](ProgramRun& r) { r.forms.form2->Combo1->SetText("later"); },
         QString::fromUtf8("DTMF(双音多频) - ANI")},
        {"a character of more than one byte", 1,
         [](ProgramRun& r) { r.forms.form3->Text31->SetText(QString::fromUtf8("名")); },
         "Optional Features - Display Character"},
        {"a channel tone not in the tone table", 1,
         [](ProgramRun& r) {
             r.state.channels.ChannelFreq(4, 0) = "435.00000";
             r.state.channels.ChannelOptions(4, 0) = 5;
             r.state.channels.ChannelOptionText(4, 0) = "05.0";
         },
         "Channel Edit - Channel 5 QT/DQT Dec"},
        {"an FM channel outside the FM band", 1,
         [](ProgramRun& r) {
             r.state.fm.FmChannelFreq[2] = "120.00";
             r.forms.form5->MSFGrid->SetTextMatrix(3, Form5::kColFrequency, "120.00");
         },
         "FM Channel Set - Channel 3"},
    };
    const QString path = QDir(programFolder.path()).filePath("refused.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Discard();
        answerer.boxes.clear();
        StartWithRadio();
        if (c.language == 0) Run().MainWindow().MNChineseJ_Click();
        c.spoil(Run());
        const MemoryImage before = State().WriteImage;
        radio.ClearRecord();
        const QString text = RefusalOf(kWriteRefusal, c.language) + "\r\n" + c.field;

        Write();
        ASSERT_EQ(answerer.boxes.size(), 1) << answerer.Texts().join('|').toStdString();
        EXPECT_EQ(answerer.boxes[0].text, text);
        EXPECT_EQ(answerer.boxes[0].style, MB_ICONEXCLAMATION);
        EXPECT_EQ(answerer.boxes[0].title, QString::fromUtf8(c.language == 0 ? "错误" : "Mistake"));
        EXPECT_EQ(radio.FrameCount(), 0u) << "not even the wake string";
        EXPECT_FALSE(Run().MainWindow().Transfer().Writing);
        EXPECT_EQ(State().WriteImage, before);

        answerer.boxes.clear();
        chosenFiles = {path};
        Run().MainWindow().MNSave_Click();
        EXPECT_EQ(answerer.Texts(), QStringList{RefusalOf(kSaveRefusal, c.language) + "\r\n" + c.field});
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(ImageBindingTest, RefusalSaysSavedForASaveAndWrittenForAWriteInEachLanguage) {
    Forms().form3->Combo7->SetListIndex(-1);
    const QString path = QDir(programFolder.path()).filePath("refused.dat");
    for (int language = 0; language <= 2; ++language) {
        SCOPED_TRACE(language);
        State().Language = language;  // the refusal picks its text by the language alone
        answerer.boxes.clear();
        Write();
        chosenFiles = {path};
        Run().MainWindow().MNSave_Click();
        ASSERT_EQ(answerer.boxes.size(), 2) << answerer.Texts().join('|').toStdString();
        EXPECT_EQ(answerer.boxes[0].text.section("\r\n", 0, 0), RefusalOf(kWriteRefusal, language));
        EXPECT_EQ(answerer.boxes[1].text.section("\r\n", 0, 0), RefusalOf(kSaveRefusal, language));
    }
}

TEST_F(ImageBindingTest, RefusalNamesEveryFaultyFieldAndAWriteGoesOnceTheyAreMended) {
    Form3& form3 = *Forms().form3;
    form3.Combo24->SetListIndex(-1);
    form3.Combo25->SetListIndex(-1);  // same byte, a field of its own
    form3.Text20->SetText("abc");
    Write();
    ASSERT_EQ(answerer.boxes.size(), 1);
    const QStringList lines = answerer.boxes[0].text.split("\r\n");
    EXPECT_EQ(lines.mid(1), (QStringList{"Optional Features - Frequency", "Optional Features - Power",
                                         "Optional Features - BusyChannel Lock"}));

    form3.Combo24->SetListIndex(1);
    form3.Combo25->SetListIndex(1);
    form3.Text20->SetText("435.00000");
    answerer.boxes.clear();
    Write();
    EXPECT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
}

}  // namespace
}  // namespace qav::test
