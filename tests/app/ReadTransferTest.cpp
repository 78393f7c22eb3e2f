#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "app/FrmWriting.h"
#include "app/MDIForm1.h"
#include "app/MSComm.h"
#include "app/RadioTransfer.h"
#include "tests/support/RadioFixture.h"

namespace qav::test {
namespace {

using sim::FrameKind;

class ReadTransferTest : public RadioFixture {
  protected:
    void SetUp() override {
        radio.SetMemory(PatternMemory(1));
        StartWithRadio();
        // What an earlier read or file left: a failed read must not change it.
        Run().state.ReadImage.Fill(0x5A);
    }

    RadioTransfer& Transfer() { return Run().MainWindow().Transfer(); }

    void ExpectCommunicationError(qint64 elapsed) {
        ASSERT_EQ(answerer.boxes.size(), 1) << answerer.Texts().join('|').toStdString();
        EXPECT_EQ(answerer.boxes[0].style, MB_ICONERROR);
        EXPECT_EQ(answerer.boxes[0].title, QString("Mistake"));
        EXPECT_EQ(answerer.boxes[0].text,
                  QString("Communication error, check the line and the serial connection selection!"));
        EXPECT_GE(elapsed, 3000);
        EXPECT_LT(elapsed, 5000);
        EXPECT_FALSE(Transfer().Reading);
        EXPECT_FALSE(Run().MainWindow().TimerW->isActive());
        EXPECT_EQ(ReadImageBytes(), std::vector<std::uint8_t>(3072, 0x5A)) << "a failed read changes nothing";
        EXPECT_EQ(Run().state.GradesFromRadio, 0);
    }
};

TEST_F(ReadTransferTest, FullReadFillsTheImageAndReportsSuccess) {
    QString caption, label;
    int maximum = 0;
    QTimer::singleShot(0, [&] {
        if (FrmWriting* progress = Transfer().ProgressWindow()) {
            caption = progress->windowTitle();
            label = progress->Label1->text();
            maximum = progress->ProgressBar1->maximum();
        }
    });
    int bandCodeWhileTheSuccessIsShown = -1;
    answerer.onBox = [&](const MessageRecord&) { bandCodeWhileTheSuccessIsShown = Run().state.BandCode; };
    Read();
    EXPECT_EQ(caption, QString("Reading……"));
    EXPECT_EQ(label, QString("Reading frequently, please wait a moment."));
    EXPECT_EQ(maximum, 195);

    EXPECT_EQ(ReadImageBytes(), PatternMemory(1));
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].text, QString("Reading succeeds frequently!"));
    EXPECT_EQ(answerer.boxes[0].style, MB_ICONINFORMATION);
    EXPECT_EQ(answerer.boxes[0].title, QString("Suggestion"));
    EXPECT_FALSE(Transfer().Reading);
    EXPECT_FALSE(Run().MainWindow().TimerW->isActive());
    EXPECT_EQ(Run().state.GradesFromRadio, 1);
    EXPECT_EQ(bandCodeWhileTheSuccessIsShown, 4) << "the ident's band digit";
    EXPECT_EQ(Run().state.BandCode, PatternMemory(1)[1814]) << "then the image's, by the decoder";
    EXPECT_EQ(Transfer().ProgressWindow(), nullptr);

    // Wake string, mode byte, the ack to the ident, then the 192 blocks in
    // ascending order, each followed by the ack to its data, then the end.
    ASSERT_TRUE(LastFrameBecomes(FrameKind::End));
    const auto frames = radio.Frames();
    ASSERT_EQ(frames.size(), 388u);
    EXPECT_EQ(frames[0].kind, FrameKind::Wake);
    EXPECT_EQ(frames[1].kind, FrameKind::Mode);
    EXPECT_EQ(frames[2].kind, FrameKind::Ack);
    for (int b = 0; b < 192; ++b) {
        EXPECT_EQ(frames[3 + 2 * b].kind, FrameKind::Read);
        EXPECT_EQ(frames[3 + 2 * b].address, b * 16);
        EXPECT_EQ(frames[4 + 2 * b].kind, FrameKind::Ack);
    }
    EXPECT_EQ(frames[387].kind, FrameKind::End);
}

TEST_F(ReadTransferTest, RepliesSplitAtAnyByteStillRead) {
    // The ident answers frame 1; block 5's data answers frame 13.
    struct Case {
        std::size_t frame;
        std::size_t lastSplit;
    };
    for (const Case c : {Case{1, 7}, Case{13, 19}}) {
        for (std::size_t at = 1; at <= c.lastSplit; ++at) {
            SCOPED_TRACE(testing::Message() << "frame " << c.frame << " split at " << at);
            radio.ClearFaults();
            radio.ClearRecord();
            radio.SetSplitGap(std::chrono::milliseconds(2));
            radio.SetReplyFault(c.frame, {.splitAt = at});
            answerer.boxes.clear();
            Read();
            ASSERT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
            EXPECT_EQ(ReadImageBytes(), PatternMemory(1));
        }
    }
}

TEST_F(ReadTransferTest, DataFrameWithAnExtraByteEndsByTheWatchdog) {
    radio.SetReplyFault(13, {.extraAfter = {0x00}});
    ExpectCommunicationError(Read());
    EXPECT_TRUE(LastFrameBecomes(FrameKind::End));
}

TEST_F(ReadTransferTest, AckFollowedByMoreBytesIsNoAck) {
    radio.SetReplyFault(14, {.replaceWith = std::vector<std::uint8_t>{0x06, 0x00}});
    ExpectCommunicationError(Read());
}

TEST_F(ReadTransferTest, SilentRadioEndsAfterAboutThreeSecondsAndTheNextReadWorks) {
    for (const std::size_t from : {0u, 40u}) {
        SCOPED_TRACE(from);
        radio.ClearRecord();
        radio.SetSilentFrom(from);
        answerer.boxes.clear();
        ExpectCommunicationError(Read());
    }
    radio.ClearFaults();
    answerer.boxes.clear();
    Read();
    EXPECT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    EXPECT_EQ(ReadImageBytes(), PatternMemory(1));
}

TEST_F(ReadTransferTest, WatchdogEndsOnItsSixtySecondTickWithoutAReply) {
    radio.SetSilentFrom(0);
    int readingAfter61 = -1;
    qsizetype boxesAfter61 = -1;
    QTimer::singleShot(0, &Run().MainWindow(), [&] {
        // Ticks by hand from a wait just started, as a handled reply leaves it.
        Run().MainWindow().TimerW->stop();
        Transfer().ReplyWait = 0;
        for (int tick = 1; tick <= 61; ++tick) Transfer().TimerW_Timer();
        readingAfter61 = Transfer().Reading ? 1 : 0;
        boxesAfter61 = answerer.boxes.size();
        Transfer().TimerW_Timer();
    });
    Read();
    EXPECT_EQ(readingAfter61, 1);
    EXPECT_EQ(boxesAfter61, 0);
    EXPECT_FALSE(Transfer().Reading);
    EXPECT_EQ(answerer.Texts(),
              QStringList{"Communication error, check the line and the serial connection selection!"});
}

TEST_F(ReadTransferTest, ThresholdIsTwentyForEveryBlockAndOneForEveryAcknowledgement) {
    // The threshold is looked at on the UI thread when the radio has received
    // a frame and holds its reply back: the program has sent it and waits.
    struct Seen {
        FrameKind kind;
        int threshold;
    };
    std::vector<Seen> seen;
    QObject* ui = &Run().MainWindow();
    MSComm* comm = Run().MainWindow().MSComm1;
    radio.SetFrameObserver([&seen, ui, comm](std::size_t, const sim::ReceivedFrame& frame) {
        if (frame.kind != FrameKind::Read && frame.kind != FrameKind::Ack) return;
        QMetaObject::invokeMethod(
            ui,
            [&seen, comm, kind = frame.kind] {
                seen.push_back({kind, comm->RThreshold()});
            },
            Qt::BlockingQueuedConnection);
    });
    Read();
    radio.SetFrameObserver(nullptr);
    ASSERT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    int requests = 0, acks = 0;
    for (const Seen& s : seen) {
        if (s.kind == FrameKind::Read) {
            ++requests;
            EXPECT_EQ(s.threshold, 20) << "request " << requests;
        } else {
            ++acks;
            EXPECT_EQ(s.threshold, 1) << "acknowledgement " << acks;
        }
    }
    EXPECT_EQ(requests, 192);
    EXPECT_EQ(acks, 193);  // the ident's and every block's
}

TEST_F(ReadTransferTest, AcknowledgementWithoutTheBlockIsNoBlock) {
    // The radio answers the request for block 0 with 06 alone: nothing may
    // stand in for the missing data, and no later block is asked for.
    radio.SetReplyFault(3, {.replaceWith = std::vector<std::uint8_t>{0x06}});
    ExpectCommunicationError(Read());
    int requests = 0;
    for (const auto& frame : radio.Frames()) requests += frame.kind == FrameKind::Read ? 1 : 0;
    EXPECT_EQ(requests, 1);
}

TEST_F(ReadTransferTest, BytesBetweenTransfersAreKeptOnlyAsFarAsTheNextOneLooks) {
    radio.SendUnsolicited(std::vector<std::uint8_t>(500, 0x55));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Transfer().RxHex.endsWith("5555") && Transfer().RxHex.size() == 64; }, 2000))
        << Transfer().RxHex.size();
    Read();
    EXPECT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
}

TEST_F(ReadTransferTest, UnidentifiedRadioIsNeverRead) {
    // The radio acknowledges the mode byte without saying who it is.
    radio.SetReplyFault(1, {.replaceWith = std::vector<std::uint8_t>{0x06}});
    ExpectCommunicationError(Read());
    for (const auto& frame : radio.Frames()) EXPECT_NE(frame.kind, FrameKind::Read);
}

TEST_F(ReadTransferTest, WrongIdentIsNeverRead) {
    auto ident = sim::RadioSimulator::kDefaultIdent;
    ident[5] = '0';  // "RL-700"
    radio.SetIdent(ident);
    ExpectCommunicationError(Read());
    for (const auto& frame : radio.Frames()) EXPECT_NE(frame.kind, FrameKind::Read);
}

TEST_F(ReadTransferTest, LetterBandDigitKeepsTheBandCode) {
    Run().state.BandCode = 3;
    radio.SetBandDigit('A');
    int bandCodeWhileTheSuccessIsShown = -1;
    answerer.onBox = [&](const MessageRecord&) { bandCodeWhileTheSuccessIsShown = Run().state.BandCode; };
    Read();
    EXPECT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});
    EXPECT_EQ(bandCodeWhileTheSuccessIsShown, 3);
}

TEST_F(ReadTransferTest, HangUpMidReadEndsWithTheCommunicationError) {
    radio.SetReplyFault(60, {.hangUp = true});
    ExpectCommunicationError(Read());
}

TEST_F(ReadTransferTest, JunkOnTheLineDuringABlockEndsByTheWatchdog) {
    radio.SetReplyFault(21, {.junkBefore = {0x11, 0x22}});
    ExpectCommunicationError(Read());
}

}  // namespace
}  // namespace qav::test
