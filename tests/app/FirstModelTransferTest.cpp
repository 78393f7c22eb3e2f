// The transfer of the first model (QAV-730) against the simulated first-model
// radio: the shared engine running the first model's table, through a whole
// program run of that model, with the first model's forms.
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "app/FrmWriting.h"
#include "app/MDIForm1.h"
#include "app/RadioTransfer.h"
#include "forms/Form3.h"
#include "model730/Qav730Variant.h"
#include "tests/support/RadioFixture.h"
#include "winsupport/VbComboBox.h"

namespace qav::test {
namespace {

using sim::FrameKind;

constexpr std::size_t kRadioMemory = 0x800;

std::vector<int> Range(int first, int last) {
    std::vector<int> blocks;
    for (int a = first; a <= last; a += 16) blocks.push_back(a);
    return blocks;
}

class FirstModelTransferTest : public RadioFixture {
  protected:
    FirstModelTransferTest() : RadioFixture(kQav730, Qav730Variant()) {}

    void SetUp() override {
        radio.SetMemory(PatternMemory(1, kRadioMemory));
        StartWithRadio();
        Run().state.ReadImage.Fill(0x5A);  // what an earlier read or file left
    }

    RadioTransfer& Transfer() { return Run().MainWindow().Transfer(); }

    std::vector<int> Blocks(FrameKind kind) {
        std::vector<int> blocks;
        for (const auto& f : radio.Frames())
            if (f.kind == kind) blocks.push_back(f.address);
        return blocks;
    }

    // The progress window's maximum, taken while it is shown.
    void CatchProgressMaximum(int& maximum) {
        QTimer::singleShot(0, [this, &maximum] {
            if (FrmWriting* progress = Transfer().ProgressWindow())
                maximum = progress->ProgressBar1->maximum();
        });
    }

    void ExpectCommunicationError() {
        ASSERT_EQ(answerer.boxes.size(), 1) << answerer.Texts().join('|').toStdString();
        EXPECT_EQ(answerer.boxes[0].text,
                  QString("Communication error, check the line and the serial connection selection!"));
        EXPECT_FALSE(Transfer().Reading);
        EXPECT_FALSE(Transfer().Writing);
        EXPECT_FALSE(Run().MainWindow().TimerW->isActive());
    }
};

TEST_F(FirstModelTransferTest, ReadAsksItsBlocksInOrderAndKeepsOnlyTheBytesTheRadioFills) {
    int maximum = 0;
    CatchProgressMaximum(maximum);
    Read();
    EXPECT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    EXPECT_EQ(maximum, 122);
    EXPECT_EQ(Transfer().ReadStep, 128);

    std::vector<int> expected = Range(0x000, 0x7A0);
    expected.push_back(0x7E0);
    expected.push_back(0x7F0);
    EXPECT_EQ(Blocks(FrameKind::Read), expected);

    const auto memory = radio.Memory();
    const auto image = ReadImageBytes();
    ASSERT_EQ(image.size(), 2000u);
    for (int i = 0; i < 1968; ++i) ASSERT_EQ(image[i], memory[i]) << i;
    // Switch block: the FM function and the scrambler only.
    // Tuning block: the six grades only.
    const std::pair<int, int> stored[] = {{1968, 0x7E0}, {1969, 0x7E1}, {1984, 0x7F0}, {1986, 0x7F2},
                                          {1987, 0x7F3}, {1988, 0x7F4}, {1991, 0x7F7}, {1992, 0x7F8}};
    for (int i = 1968; i < 2000; ++i) {
        int expectedByte = 0x5A;
        for (const auto& [at, address] : stored)
            if (at == i) expectedByte = memory[std::size_t(address)];
        EXPECT_EQ(image[std::size_t(i)], expectedByte) << "image byte " << i;
    }
}

TEST_F(FirstModelTransferTest, WriteBlockMapFollowsTheFmFunctionAndTheTuningPermission) {
    struct Case {
        bool fm;
        bool tuning;
        std::size_t blocks;
        int lastStep;
    };
    for (const Case c : {Case{false, false, 118, 128}, Case{true, false, 123, 128},
                         Case{false, true, 119, 138}, Case{true, true, 124, 138}}) {
        SCOPED_TRACE(testing::Message() << "fm " << c.fm << " tuning " << c.tuning);
        radio.SetMemory(std::vector<std::uint8_t>(kRadioMemory, 0xEE));
        radio.ClearRecord();
        answerer.boxes.clear();
        Run().forms.form3->Combo2->SetListIndex(c.fm ? 1 : 0);
        Run().state.service.TuningWriteAllowed = c.tuning;
        int maximum = 0;
        CatchProgressMaximum(maximum);
        Write();
        ASSERT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
        EXPECT_EQ(maximum, 132);
        EXPECT_EQ(Transfer().WriteStep, c.lastStep);

        std::vector<int> expected = Range(0x000, 0x750);
        if (c.fm)
            for (int a : Range(0x760, 0x7A0)) expected.push_back(a);
        if (c.tuning) expected.push_back(0x7F0);
        EXPECT_EQ(Blocks(FrameKind::Write), expected);
        EXPECT_EQ(expected.size(), c.blocks);

        // The radio holds the written blocks, the tuning block from image 1984..1999.
        const auto memory = radio.Memory();
        const MemoryImage& image = Run().state.WriteImage;
        for (int a : expected)
            for (int i = 0; i < 16; ++i) {
                const int from = a == 0x7F0 ? 1984 + i : a + i;
                ASSERT_EQ(memory[std::size_t(a + i)], image.at(from)) << "radio byte " << a + i;
            }
        EXPECT_EQ(memory[0x7E0], 0xEE) << "the switch block is never written";

        // The end command went out before the radio's last 06, which ends the write.
        const auto frames = radio.Frames();
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.back().kind, FrameKind::End);
        int acks = 0;
        for (const auto& f : frames) acks += f.kind == FrameKind::Ack ? 1 : 0;
        EXPECT_EQ(acks, 1 + (c.fm ? 0 : 1) + 1);  // the ident, the FM blocks, the switch block
    }
}

TEST_F(FirstModelTransferTest, WakeStringGoesBeforeTheEncoderAndARefusalEndsIt) {
    Run().forms.form3->Combo7->SetListIndex(-1);  // the beep: no selection, no byte
    bool wokenBeforeTheRefusal = false;
    bool transferBehindTheBox = true;
    answerer.onBox = [&](const MessageRecord&) {
        wokenBeforeTheRefusal = radio.WaitForFrameCount(1, std::chrono::seconds(2));
        transferBehindTheBox = Run().MainWindow().TimerW->isActive() || Transfer().Writing ||
                               Transfer().ProgressWindow() != nullptr;
    };
    Write();
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].style, MB_ICONEXCLAMATION);
    EXPECT_TRUE(wokenBeforeTheRefusal);
    EXPECT_FALSE(transferBehindTheBox);
    EXPECT_FALSE(Transfer().Writing);
    ASSERT_TRUE(LastFrameBecomes(FrameKind::End));
    const auto frames = radio.Frames();
    ASSERT_EQ(frames.size(), 2u) << "the radio is sent back out of programming mode, nothing else";
    EXPECT_EQ(frames[0].kind, FrameKind::Wake);

    // The radio's answers to those two arrive between transfers; the next
    // write still goes through.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Transfer().RxHex == "0606"; }, 2000))
        << Transfer().RxHex.toStdString();
    Run().forms.form3->Combo7->SetListIndex(1);
    answerer.boxes.clear();
    answerer.onBox = nullptr;
    Write();
    EXPECT_EQ(answerer.Texts(), QStringList{"Writing succeeds frequently!"});
}

TEST_F(FirstModelTransferTest, BandRefusalAndForceQuestion) {
    struct Case {
        bool force;
        int answer;
        QStringList boxes;
        bool written;
    };
    const Case cases[] = {
        {false, IDOK, {"The frequency band is not accorded with, can't write into!"}, false},
        {true,
         IDOK,
         {"The frequency band is not accorded with, whether write into by force?",
          "Writing succeeds frequently!"},
         true},
        {true, IDCANCEL, {"The frequency band is not accorded with, whether write into by force?"}, false},
    };
    radio.SetBandDigit('3');                     // a 350-390 MHz radio, 400-470 MHz selected
    Run().forms.form3->Combo2->SetListIndex(0);  // FM function off
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes.join('|').toStdString());
        radio.ClearRecord();
        answerer.boxes.clear();
        answerer.answers.clear();
        answerer.answers.push_back(c.answer);
        Run().state.service.ForceWriteAllowed = c.force;
        Write();
        EXPECT_EQ(answerer.Texts(), c.boxes);
        EXPECT_FALSE(Transfer().Writing);
        EXPECT_EQ(Blocks(FrameKind::Write).size(), c.written ? 118u : 0u);
        ASSERT_TRUE(LastFrameBecomes(FrameKind::End));
        // A refused write's end command is answered after the write has ended.
        if (!c.written) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return Transfer().RxHex.endsWith("06"); }, 2000));
        }
    }
}

TEST_F(FirstModelTransferTest, SilenceEndsAReadOrAWriteByTheWatchdog) {
    struct Case {
        bool read;
        // Read: 2 the ack after the ident, 249 the switch block request, 253
        // the end command. Write: 1 the mode byte, 60 a block, 122 the last
        // frame before the tuning step.
        std::size_t silentFrom;
    };
    for (const Case c : {Case{true, 2}, Case{true, 249}, Case{true, 253}, Case{false, 1}, Case{false, 60},
                         Case{false, 122}}) {
        SCOPED_TRACE(testing::Message() << (c.read ? "read" : "write") << " silent from " << c.silentFrom);
        radio.ClearRecord();
        radio.ClearFaults();
        radio.SetSilentFrom(c.silentFrom);
        answerer.boxes.clear();
        c.read ? Read() : Write();
        ExpectCommunicationError();
        if (c.read) {
            EXPECT_EQ(ReadImageBytes(), std::vector<std::uint8_t>(2000, 0x5A))
                << "a failed read changes nothing";
        }
        radio.ClearFaults();
        ASSERT_TRUE(LastFrameBecomes(FrameKind::End));
    }
}

TEST_F(FirstModelTransferTest, TuningRequestAnsweredWithoutItsDataIsNoRead) {
    // The radio acknowledges the request for 0x7F0 (frame 251) without the
    // block: the read is not reported as read with the grades it had.
    radio.SetReplyFault(251, {.replaceWith = std::vector<std::uint8_t>{0x06}});
    Read();
    ExpectCommunicationError();
    EXPECT_EQ(ReadImageBytes(), std::vector<std::uint8_t>(2000, 0x5A));
    EXPECT_EQ(Run().state.GradesFromRadio, 0);
}

}  // namespace
}  // namespace qav::test
