// The QAV-730 program's channel editor: 16 channels, no names, column 12 the
// reverse switch, its own new-channel defaults; driven through the grid.
#include "app/MDIForm1.h"
#include "model730/Qav730Variant.h"
#include "tests/forms/ChannelEditorFixture.h"
#include "winsupport/Twips.h"

namespace qav::test {
namespace {

class Form1Qav730Test : public ChannelEditorFixture {
  protected:
    Form1Qav730Test() : ChannelEditorFixture(kQav730, Qav730Variant()) {}

    void SetUp() override {
        ChannelEditorFixture::SetUp();
        Run().MainWindow().Combo1->SetListIndex(0);  // 136-174MHz, chosen by the program
    }
};

TEST_F(Form1Qav730Test, SixteenChannelsThirteenColumnsAndTheReverseListInPlaceOfTheName) {
    EXPECT_EQ(grid->Rows(), 17);
    EXPECT_EQ(grid->Cols(), 13);
    EXPECT_EQ(Cell(16, 0), "16");
    EXPECT_EQ(form->Text2, nullptr) << "no name editor";
    EXPECT_EQ(form->findChild<QWidget*>("Text2"), nullptr);
    EXPECT_EQ(form->LastOptionColumn(), 12);
    ASSERT_NE(form->Combo5(12), nullptr);
    EXPECT_EQ(form->Combo5(13), nullptr);
    for (int c = 5; c <= 12; ++c) {
        EXPECT_EQ(form->Combo5(c)->ListCount(), 2) << c;
        EXPECT_EQ(form->Combo5(c)->ListIndex(), 1) << c << ": the second entry when the form loads";
    }
    const int twips[] = {600, 1100, 1100, 1200, 1200, 680, 1400, 900, 700, 700, 900, 1200, 900};
    for (int c = 0; c < 13; ++c) EXPECT_GE(grid->ColWidth(c), twips[c]) << "column " << c;
    EXPECT_EQ(form->size(), QSize(TwipsToPixels(13500), TwipsToPixels(5800)));
}

TEST_F(Form1Qav730Test, NewChannelHasTheCompanderOnAndReverseOffInEveryLanguage) {
    struct Case {
        int language;
        QStringList cells;  // columns 2 to 12
    };
    const Case cases[] = {
        {1, {"145.50000", "Off", "Off", "High", "Off", "On", "Wide", "Off", "Off", "On", "Off"}},
        {0, {"145.50000", "关闭", "关闭", "高", "关", "使能", "宽带", "禁止", "禁止", "使能", "关"}},
        {2, {"145.50000", "關閉", "關閉", "高", "關", "使能", "寬帶", "禁止", "禁止", "使能", "關"}},
    };
    int channel = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        State().Language = c.language;
        EnterIntoCell(channel, 1, "145.5");
        EXPECT_EQ(Row(channel), QStringList{"145.50000"} + c.cells);
        EXPECT_EQ(Options(channel), (std::vector<int>{0, 0, 1, 1, 1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(Tables().ChannelFreq(channel - 1, 1), "145.50000");
        for (int col = 0; col < 10; ++col) EXPECT_EQ(Tables().ChannelOptionText(channel - 1, col), "");
        ++channel;
    }
    EXPECT_TRUE(answerer.boxes.isEmpty());
}

TEST_F(Form1Qav730Test, BandTestsWithWholeMegahertzLimits) {
    struct Case {
        const char* typed;
        const char* shown;  // nullptr: refused with the message
    };
    const Case cases[] = {
        {"136", "136.00000"},
        {"173.99999", "173.99500"},
        {"174", nullptr},
        {"135.99999", nullptr},
    };
    int channel = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        answerer.boxes.clear();
        EnterIntoCell(channel, 1, c.typed);
        if (c.shown != nullptr) {
            EXPECT_EQ(Cell(channel, 1), c.shown);
            EXPECT_TRUE(answerer.boxes.isEmpty());
        } else {
            EXPECT_EQ(Row(channel), QStringList(12, QString())) << "no channel is made";
            ASSERT_EQ(answerer.boxes.size(), 1);
            EXPECT_EQ(answerer.boxes[0].text, QString("Beyond the scope of frequency band"));
        }
        ++channel;
    }
}

TEST_F(Form1Qav730Test, ReverseColumnIsATwoEntryListWritingOptionColumnNine) {
    ClickCell(2, 12);
    EXPECT_TRUE(form->Text1->isVisible()) << "an empty channel opens its receive frequency";
    QTest::keyClick(form->Text1, Qt::Key_Escape);
    EnterIntoCell(2, 1, "150");
    for (const int item : {0, 1, 0}) {
        ChooseInCell(2, 12, item);
        EXPECT_FALSE(form->Combo5(12)->isVisible());
        EXPECT_EQ(Cell(2, 12), form->Combo5(12)->List(item));
        EXPECT_EQ(Tables().ChannelOptions(1, 9), item);
        EXPECT_EQ(Tables().ChannelOptions(1, 8), 1) << "the compander stays";
    }
    ChooseInCell(2, 11, 0);
    EXPECT_EQ(Tables().ChannelOptions(1, 8), 0);
    EXPECT_EQ(Tables().ChannelOptions(1, 9), 0) << "the reverse switch stays";
}

TEST_F(Form1Qav730Test, EmptyingTheReceiveFrequencyClearsTwelveCellsAndTenOptions) {
    EnterIntoCell(16, 1, "160");
    ChooseInCell(16, 12, 0);
    Tables().ChannelOptionText(15, 9) = "On";
    EnterIntoCell(16, 1, "");
    EXPECT_EQ(Row(16), QStringList(12, QString()));
    EXPECT_EQ(Cell(16, 0), "16");
    EXPECT_EQ(Options(16), std::vector<int>(10, 0));
    EXPECT_EQ(Tables().ChannelOptionText(15, 9), "");
    EXPECT_EQ(Tables().ChannelFreq(15, 0), "");
    EXPECT_EQ(Tables().ChannelFreq(15, 1), "");

    // Channels the editor does not have touch nothing.
    EnterIntoCell(1, 1, "140");
    const QStringList first = Row(1);
    form->ClearNO(0);
    form->ClearNO(17);
    EXPECT_EQ(Row(1), first);
}

TEST_F(Form1Qav730Test, ShowChannelFillsTheReverseColumnAndStartFormLeavesItsList) {
    Tables().ChannelFreq(4, 0) = "150.00000";
    Tables().ChannelFreq(4, 1) = "151.00000";
    for (int col = 0; col < 10; ++col) Tables().ChannelOptionText(4, col) = "t" + std::to_string(col);
    form->ShowChannel(5);
    QStringList expected{"150.00000", "151.00000"};
    for (int col = 0; col < 10; ++col) expected << QString("t%1").arg(col);
    EXPECT_EQ(Row(5), expected);

    form->Combo5(11)->SetListIndex(0);
    form->Combo5(12)->SetListIndex(0);
    form->Combo5(10)->SetListIndex(0);
    form->StartForm();
    EXPECT_EQ(form->Combo5(10)->ListIndex(), 1);
    EXPECT_EQ(form->Combo5(11)->ListIndex(), 0);
    EXPECT_EQ(form->Combo5(12)->ListIndex(), 0);
    EXPECT_EQ(Row(5), QStringList(12, QString()));
}

}  // namespace
}  // namespace qav::test
