#include <QTimer>

#include "app/MDIForm1.h"
#include "app/MSComm.h"
#include "app/RadioTransfer.h"
#include "forms/Form3.h"
#include "tests/support/RadioFixture.h"
#include "winsupport/VbComboBox.h"

namespace qav::test {
namespace {

using sim::FrameKind;

class WriteTransferTest : public RadioFixture {
  protected:
    void SetUp() override {
        radio.SetMemory(std::vector<std::uint8_t>(3072, 0xEE));
        StartWithRadio();
    }

    RadioTransfer& Transfer() { return Run().MainWindow().Transfer(); }

    void SetFmFunction(bool on) { Run().forms.form3->Combo2->SetListIndex(on ? 1 : 0); }

    // The block addresses the radio received data for, in order.
    std::vector<int> WrittenBlocks() {
        std::vector<int> blocks;
        for (const auto& f : radio.Frames())
            if (f.kind == FrameKind::Write) blocks.push_back(f.address);
        return blocks;
    }

    // The bytes the radio holds now compared with WriteImage, block by block.
    void ExpectRadioHolds(const std::vector<int>& blocks) {
        const auto memory = radio.Memory();
        for (int block = 0; block < 3072; block += 16) {
            const bool written = std::find(blocks.begin(), blocks.end(), block) != blocks.end();
            for (int i = block; i < block + 16; ++i) {
                const int expected = written ? Run().state.WriteImage.at(i) : 0xEE;
                ASSERT_EQ(memory[i], expected) << "offset " << i;
            }
        }
    }

    void ExpectCommunicationErrorOnly() {
        ASSERT_EQ(answerer.boxes.size(), 1) << answerer.Texts().join('|').toStdString();
        EXPECT_EQ(answerer.boxes[0].style, MB_ICONERROR);
        EXPECT_EQ(answerer.boxes[0].text,
                  QString("Communication error, check the line and the serial connection selection!"));
        EXPECT_FALSE(Transfer().Writing);
        EXPECT_FALSE(Run().MainWindow().TimerW->isActive());
    }
};

std::vector<int> Range(int first, int last) {
    std::vector<int> blocks;
    for (int a = first; a <= last; a += 16) blocks.push_back(a);
    return blocks;
}

TEST_F(WriteTransferTest, BlockMapFollowsTheFmFunctionAndTheTuningPermission) {
    struct Case {
        bool fm;
        bool tuning;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << "fm " << c.fm << " tuning " << c.tuning);
        radio.SetMemory(std::vector<std::uint8_t>(3072, 0xEE));
        radio.ClearRecord();
        answerer.boxes.clear();
        SetFmFunction(c.fm);
        Run().state.service.TuningWriteAllowed = c.tuning;
        Write();
        ASSERT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
        EXPECT_EQ(answerer.boxes[0].style, MB_ICONINFORMATION);
        WaitForEndAnswer();

        std::vector<int> expected = Range(0x000, 0x750);
        if (c.fm)
            for (int a : Range(0x760, 0x7A0)) expected.push_back(a);
        expected.push_back(0x7E0);
        if (c.tuning) expected.push_back(0x7F0);
        for (int a : Range(0x800, 0xBF0)) expected.push_back(a);
        EXPECT_EQ(WrittenBlocks(), expected);
        ExpectRadioHolds(expected);

        // In place of each skipped block the program sends one Ack.
        ASSERT_TRUE(LastFrameBecomes(FrameKind::End));
        const auto frames = radio.Frames();
        int acks = 0;
        for (const auto& f : frames) acks += f.kind == FrameKind::Ack ? 1 : 0;
        EXPECT_EQ(acks, 1 + (c.fm ? 0 : 1) + (c.tuning ? 0 : 1));  // the first answers the ident
        if (!c.fm && !c.tuning) {
            EXPECT_EQ(frames.size(), 2u + 1u + 183u + 2u + 1u);
            EXPECT_EQ(frames[121].kind, FrameKind::Ack);
            EXPECT_EQ(frames[123].kind, FrameKind::Ack);  // state 127, after 0x7E0 at state 126
        }
    }
}

TEST_F(WriteTransferTest, DataRefusedByTheEncoderStartsNoTransfer) {
    Run().forms.form3->Combo7->SetListIndex(-1);  // the beep: no selection, no byte
    bool watchdogBehindTheBox = true;
    answerer.onBox = [&](const MessageRecord&) {
        watchdogBehindTheBox = Run().MainWindow().TimerW->isActive() || Transfer().Writing;
    };
    Write();
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].style, MB_ICONEXCLAMATION);
    EXPECT_FALSE(watchdogBehindTheBox);
    EXPECT_FALSE(Transfer().Writing);
    EXPECT_EQ(radio.FrameCount(), 0u);
}

TEST_F(WriteTransferTest, WrongBandIsRefused) {
    radio.SetBandDigit('3');  // 350-390 MHz radio, 400-470 MHz selected
    Write();
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].style, MB_ICONEXCLAMATION);
    EXPECT_EQ(answerer.boxes[0].title, QString("Mistake"));
    EXPECT_EQ(answerer.boxes[0].text, QString("The frequency band is not accorded with, can't write into!"));
    EXPECT_TRUE(WrittenBlocks().empty());
    EXPECT_TRUE(LastFrameBecomes(FrameKind::End));
    EXPECT_FALSE(Transfer().Writing);
}

TEST_F(WriteTransferTest, ForceWriteAsksAndWritesOnOk) {
    SetFmFunction(false);
    Run().state.service.ForceWriteAllowed = true;
    radio.SetBandDigit('0');
    answerer.answers = {IDOK};
    Write();
    ASSERT_EQ(answerer.boxes.size(), 2);
    EXPECT_EQ(answerer.boxes[0].style, ConfirmStyle);
    EXPECT_EQ(answerer.boxes[0].title, QString("Be careful"));
    EXPECT_EQ(answerer.boxes[0].text,
              QString("The frequency band is not accorded with, whether write into by force?"));
    EXPECT_EQ(answerer.boxes[1].text, QString("Writing succeeds frequently!"));
    EXPECT_EQ(WrittenBlocks().size(), 183u);
}

TEST_F(WriteTransferTest, ForceWriteCancelledEndsSilently) {
    Run().state.service.ForceWriteAllowed = true;
    radio.SetBandDigit('0');
    answerer.answers = {IDCANCEL};
    Write();
    EXPECT_EQ(answerer.boxes.size(), 1);
    EXPECT_TRUE(WrittenBlocks().empty());
    EXPECT_TRUE(LastFrameBecomes(FrameKind::End));
    EXPECT_FALSE(Transfer().Writing);
    EXPECT_FALSE(Run().MainWindow().TimerW->isActive());
}

TEST_F(WriteTransferTest, LetterBandDigitCountsAsAnotherBand) {
    radio.SetBandDigit('C');
    Write();
    EXPECT_EQ(answerer.Texts(), QStringList{"The frequency band is not accorded with, can't write into!"});
    EXPECT_TRUE(WrittenBlocks().empty());
}

TEST_F(WriteTransferTest, EachBandSelectionExpectsItsDigit) {
    const std::pair<int, char> cases[] = {{0, '0'}, {1, '3'}, {2, '4'}};
    for (const auto& [index, digit] : cases) {
        SCOPED_TRACE(index);
        Run().MainWindow().ResetBandSelection();
        Run().state.band.BandChangeByProgram = true;
        Run().MainWindow().Combo1->SetListIndex(index);
        radio.SetBandDigit(digit);
        radio.ClearRecord();
        answerer.boxes.clear();
        Write();
        EXPECT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
        WaitForEndAnswer();
    }
}

TEST_F(WriteTransferTest, UnacknowledgedNameBlockIsNeverReportedAsWritten) {
    // The reply that state 150 waits for answers frame 149, a channel-name block.
    radio.SetReplyFault(149, {.replaceWith = std::vector<std::uint8_t>{0x15}});
    Write();
    ExpectCommunicationErrorOnly();
    EXPECT_TRUE(LastFrameBecomes(FrameKind::End));
    EXPECT_EQ(radio.Frames().size(), 151u) << "nothing sent after the end command";
}

TEST_F(WriteTransferTest, AckAcrossAByteBoundaryIsNoAck) {
    radio.SetReplyFault(40, {.replaceWith = std::vector<std::uint8_t>{0x10, 0x65}});
    Write();
    ExpectCommunicationErrorOnly();
    EXPECT_EQ(WrittenBlocks().size(), 40u - 2u) << "no block after the false acknowledgement";
}

TEST_F(WriteTransferTest, SilenceMidWriteEndsByTheWatchdog) {
    radio.SetSilentFrom(90);
    Write();
    ExpectCommunicationErrorOnly();
}

TEST_F(WriteTransferTest, ClosedPortChangesOnlyTheStep) {
    Run().MainWindow().ComboCom->SetListIndex(-1);
    Run().MainWindow().MSComm1->SetPortOpen(false);
    radio.ClearRecord();
    Transfer().WriteStep = 77;
    Write();
    EXPECT_EQ(Transfer().WriteStep, 1);
    EXPECT_FALSE(Transfer().Writing);
    EXPECT_FALSE(Run().MainWindow().TimerW->isActive());
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].text, QString("The serial port is invalid"));
    EXPECT_EQ(answerer.boxes[0].style, MB_OK);
    EXPECT_EQ(answerer.boxes[0].title, QString("QAV-750"));
    EXPECT_EQ(radio.FrameCount(), 0u);

    Run().state.band.BandChangeByProgram = false;
    answerer.boxes.clear();
    Read();
    EXPECT_EQ(Transfer().ReadStep, 1);
    EXPECT_TRUE(Run().state.band.BandChangeByProgram);
    EXPECT_EQ(answerer.Texts(), QStringList{"The serial port is invalid"});
    EXPECT_EQ(radio.FrameCount(), 0u);
}

}  // namespace
}  // namespace qav::test
