// The codec through the real forms as a whole: an image decoded into the
// forms encodes back to itself, and a radio read, edited by the user and
// written back holds exactly the edit. The service unlock lets a write go to
// a radio of another band and sends the tuning block only while it holds.
#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "image/ValueCodes.h"
#include "tests/app/CodecFixture.h"
#include "tests/forms/ChannelGridUser.h"
#include "tests/support/ListChoice.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

using namespace layout;

class CodecRoundTripTest : public CodecFixture {
  protected:
    MDIForm1& Main() { return Run().MainWindow(); }
    std::vector<std::uint8_t> RadioSlice(int offset, int count) {
        const auto memory = radio.Memory();
        return {memory.begin() + offset, memory.begin() + offset + count};
    }
    void ExpectWritten() {
        ASSERT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
        WaitForEndAnswer();
        answerer.boxes.clear();
    }
    // The main window active again once the progress window of a transfer has gone.
    void ActivateMainWindow() {
        QApplication::processEvents();
        QApplication::setActiveWindow(&Main());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    }
    // The three labels of an unlock group on the optional features, one second apart.
    void Unlock(const std::array<VbLabel*, 3>& group) {
        Run().forms.form3->ShowForm();
        for (VbLabel* label : group) {
            now += 1;
            QTest::mouseClick(label, Qt::LeftButton);
        }
    }
    void SetUp() override {
        CodecFixture::SetUp();
        State().Timer = [this] { return now; };
    }

    double now = 36000;
};

TEST_F(CodecRoundTripTest, ValidImagesComeBackInEveryByteTheEncoderWrites) {
    for (unsigned seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        const MemoryImage image = MakeValidImage(rng);
        Decode(image);
        const DecodedImage pure = qav::DecodeImage(image, ImageBinding::ContextOf(Run()));
        EXPECT_EQ(State().channels, pure.tables);
        EXPECT_EQ(State().fm, pure.fm);
        EXPECT_EQ(State().grades, pure.grades);

        MemoryImage written = Encoded();
        // Bytes the encoder never writes keep what the last encode left.
        for (int i = kUnwritten; i < kSwitchBlock; ++i) written.at(i) = image.at(i);
        for (int i = 0; i < image.size(); ++i) ASSERT_EQ(written.at(i), image.at(i)) << "byte " << i;
    }
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();
}

TEST_F(CodecRoundTripTest, ReadEditWriteLeavesTheRadioHoldingExactlyTheEdit) {
    const MemoryImage image = ValidImageOfBand(4);
    radio.SetMemory(ImageBytes(image));
    Read();
    ASSERT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    answerer.boxes.clear();

    // A new channel in a place the radio holds empty, made in the grid's editor.
    ActivateMainWindow();
    int channel = 1;
    while (!State().channels.ChannelFreq(channel - 1, 0).empty()) ++channel;
    ChannelGridUser user;
    user.AttachTo(Run().forms.form1);
    user.EnterIntoCell(channel, Form1::kColReceive, "433.025");
    ASSERT_EQ(user.Cell(channel, Form1::kColReceive), QString("433.02500"));
    // And the beep switched on its form.
    Form3& form3 = *Run().forms.form3;
    form3.ShowForm();
    const int beep = form3.Combo7->ListIndex();
    ChooseInList(form3.Combo7, 1 - beep);
    ASSERT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('|').toStdString();

    Write();
    ExpectWritten();
    std::vector<std::uint8_t> expected = ImageBytes(image);
    const auto frequency = *FreqBcdBytes("433.02500");
    const int record = (channel - 1) * kChannelRecordSize;
    for (int i = 0; i < 4; ++i) {
        expected[std::size_t(record + kRecRxFreq + i)] = frequency[std::size_t(i)];
        expected[std::size_t(record + kRecTxFreq + i)] = frequency[std::size_t(i)];
    }
    for (int i = kRecRxTone; i < kRecFlags; ++i) expected[std::size_t(record + i)] = 0xFF;  // both tones off
    expected[std::size_t(record + kRecFlags)] =
        0x7F;  // high power, busy lock off, scan add, wide, ANI and scrambler off
    expected[kFunctionFlags] ^= 0x01;
    const auto memory = radio.Memory();
    for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(memory[i], expected[i]) << "byte " << i;

    // Read back: the change is there.
    ActivateMainWindow();
    user.EnterIntoCell(channel, Form1::kColReceive, "");
    form3.Combo7->SetListIndex(beep);
    Read();
    EXPECT_EQ(user.Cell(channel, Form1::kColReceive), QString("433.02500"));
    EXPECT_EQ(user.Cell(channel, Form1::kColTransmit), QString("433.02500"));
    EXPECT_EQ(form3.Combo7->ListIndex(), 1 - beep);
}

// A radio whose VFO was never set (erased, FF FF FF FF) and with a stray
// nibble in a channel: read, then written back at once, nothing refused.
// The VFO frequency comes back through the step list as FFF.F0000, so the
// radio then holds 00 00 FF FF there; the channel goes back as it came.
TEST_F(CodecRoundTripTest, RadioWithFrequenciesOutsideDecimalDigitsIsWrittenBackAtOnce) {
    MemoryImage image = ValidImageOfBand(4);
    const int record = 2 * kChannelRecordSize;
    Put(image, record + kRecRxFreq, {0x00, 0xA5, 0x51, 0x43});  // 435.1A500
    Put(image, kVfoFrequency, {0xFF, 0xFF, 0xFF, 0xFF});
    radio.SetMemory(ImageBytes(image));
    Read();
    ASSERT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    answerer.boxes.clear();
    EXPECT_EQ(Run().forms.form3->Text20->Text(), QString("FFF.F0000"));

    Write();
    ExpectWritten();
    EXPECT_EQ(RadioSlice(kVfoFrequency, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(RadioSlice(record + kRecRxFreq, 4), (std::vector<std::uint8_t>{0x00, 0xA5, 0x51, 0x43}));
}

TEST_F(CodecRoundTripTest, ForceWriteToARadioOfAnotherBandAsksOnceUnlockedAndThenWrites) {
    const MemoryImage image = ValidImageOfBand(0);
    radio.SetBandDigit('0');
    radio.SetMemory(ImageBytes(image));
    Read();
    ASSERT_EQ(Main().Combo1->Text(), QString("136-174MHz"));
    answerer.boxes.clear();

    // Another radio, of 400-470 MHz.
    radio.SetBandDigit('4');
    radio.SetMemory(std::vector<std::uint8_t>(3072, 0xEE));
    Write();
    EXPECT_EQ(answerer.Texts(), QStringList{"The frequency band is not accorded with, can't write into!"});
    ASSERT_TRUE(LastFrameBecomes(sim::FrameKind::End));
    EXPECT_EQ(radio.Memory(), std::vector<std::uint8_t>(3072, 0xEE));
    answerer.boxes.clear();

    Unlock(Run().forms.form3->ServiceGroupA());
    ASSERT_TRUE(State().service.ForceWriteAllowed);
    EXPECT_TRUE(Main().ToolbarButton(7)->isVisible());
    answerer.answers = {IDOK};
    Write();
    EXPECT_EQ(answerer.Texts(),
              (QStringList{"The frequency band is not accorded with, whether write into by force?",
                           "Writing succeeds frequently!"}));
    EXPECT_EQ(answerer.boxes[0].style, ConfirmStyle);
    WaitForEndAnswer();
    EXPECT_EQ(RadioSlice(0, kChannelFiller), Slice(image, 0, kChannelFiller)) << "the channels of the data";
    EXPECT_EQ(RadioSlice(kBandCode, 1), std::vector<std::uint8_t>{0}) << "and its band";
    EXPECT_EQ(RadioSlice(kChannelNameBlock, 1024), Slice(image, kChannelNameBlock, 1024));
}

TEST_F(CodecRoundTripTest, TuningBlockGoesOnlyWhileTuningWritesAreAllowed) {
    const MemoryImage image = ValidImageOfBand(4);
    radio.SetMemory(ImageBytes(image));
    Read();
    answerer.boxes.clear();
    // What the radio's own tuning block holds before every write.
    std::vector<std::uint8_t> memory = ImageBytes(image);
    std::fill(memory.begin() + kTuningBlock, memory.begin() + kTuningBlock + 16, 0x11);
    const std::vector<std::uint8_t> radiosOwn(16, 0x11);

    radio.SetMemory(memory);
    Write();
    ExpectWritten();
    EXPECT_EQ(RadioSlice(kTuningBlock, 16), radiosOwn) << "not before the unlock";

    Unlock(Run().forms.form3->ServiceGroupB());
    ASSERT_TRUE(State().service.TuningWriteAllowed);
    Form4& form4 = *Run().forms.form4;
    form4.ShowForm();
    VbSlider* high = form4.Slider1[0];
    ASSERT_TRUE(high->isEnabled());
    const int grade = high->Value();
    high->setFocus();
    QTest::keyClick(high, grade < 255 ? Qt::Key_Right : Qt::Key_Left);
    const int tuned = grade < 255 ? grade + 1 : grade - 1;
    ASSERT_EQ(State().grades.PowerGrades[HighPowerHighGrade], tuned);
    radio.SetMemory(memory);
    Write();
    ExpectWritten();
    EXPECT_EQ(RadioSlice(kTuningBlock, 16), Slice(State().WriteImage, kTuningBlock, 16));
    EXPECT_EQ(RadioSlice(kHighPowerHighGrade, 1), std::vector<std::uint8_t>{std::uint8_t(tuned)});

    // Switched off with two quick clicks on its toolbar button.
    Main().ToolbarButton(8)->trigger();
    now += 0.3;
    Main().ToolbarButton(8)->trigger();
    ASSERT_FALSE(State().service.TuningWriteAllowed);
    radio.SetMemory(memory);
    Write();
    ExpectWritten();
    EXPECT_EQ(RadioSlice(kTuningBlock, 16), radiosOwn) << "no more after the switch-off";
}

}  // namespace
}  // namespace qav::test
