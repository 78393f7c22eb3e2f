#include <QTest>
#include <QTimer>

#include "app/MDIForm1.h"
#include "app/RadioTransfer.h"
#include "tests/support/RadioFixture.h"

namespace qav::test {
namespace {

class CloseRequestTest : public RadioFixture {
  protected:
    void SetUp() override { StartWithRadio(); }
    MDIForm1& Main() { return Run().MainWindow(); }
};

TEST_F(CloseRequestTest, RequestDuringATransferWaitsUntilTheTransferHasEnded) {
    bool askedDuringTransfer = false;
    answerer.onBox = [&](const MessageRecord& box) {
        if (box.style == ConfirmStyle && Main().Transfer().Reading) askedDuringTransfer = true;
    };
    QTimer::singleShot(0, &Main(), [this] { Main().CloseWhenIdle(); });
    Read();  // the request arrives while the progress window is up
    EXPECT_FALSE(askedDuringTransfer);
    ASSERT_EQ(answerer.Texts(), QStringList{"Reading succeeds frequently!"});

    // Then the question comes; Cancel keeps the program running.
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.boxes.size() == 2; }, 3000));
    EXPECT_EQ(answerer.boxes[1].style, ConfirmStyle);
    EXPECT_TRUE(Main().isVisible());
    EXPECT_TRUE(closedPrograms.isEmpty());
}

TEST_F(CloseRequestTest, RequestWhileTheQuestionIsUpAsksNoSecondTime) {
    answerer.onBox = [&](const MessageRecord&) { Main().CloseWhenIdle(); };
    Main().CloseWhenIdle();
    QTest::qWait(600);  // longer than the retry of a waiting request: nothing may follow
    EXPECT_EQ(answerer.boxes.size(), 1);
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(CloseRequestTest, ConfirmedRequestEndsWithoutAskingTheOtherCopiesAgain) {
    // The copy that asked has already asked every copy: passing the request
    // on would put the question once more before a user who just said Cancel.
    answerer.answers = {IDOK};
    Main().CloseWhenIdle();
    EXPECT_FALSE(Main().isVisible());
    EXPECT_EQ(answerer.boxes.size(), 1);
    EXPECT_TRUE(closedPrograms.isEmpty());
}

TEST_F(CloseRequestTest, AfterACancelledRequestTheUsersOwnQuitStillEndsEveryCopy) {
    Main().CloseWhenIdle();  // Cancel
    ASSERT_TRUE(Main().isVisible());
    answerer.answers = {IDOK};
    Main().MNQuit_Click();
    EXPECT_FALSE(Main().isVisible());
    EXPECT_EQ(closedPrograms, QStringList{"QAV-750"});
}

}  // namespace
}  // namespace qav::test
