// What the user can enter into the text boxes of the optional features and how
// an entry is put right, typed for real into the shown form.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "app/MDIForm1.h"
#include "forms/Form3.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/FocusTracker.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {
namespace {

struct Entry {
    const char* typed;
    const char* whileTyping;
    const char* afterLeaving;
};

class Form3EntryTest : public ProgramFixture {
  protected:
    void SetUp() override {
        form = Start().forms.form3;
        form->ShowForm();
        form->Option2->click();  // the VFO page, so that every box can be typed into
    }

    // Types into an emptied box and leaves it for another control.
    void TypeAndLeave(VbTextBox* box, const Entry& entry) {
        SCOPED_TRACE(entry.typed);
        box->SetText(QString());
        box->SetFocus();
        QTest::keyClicks(box, entry.typed);
        EXPECT_EQ(box->Text(), QString::fromUtf8(entry.whileTyping));
        FocusTracker::SetFocus(form->Option1);
        EXPECT_EQ(box->Text(), QString::fromUtf8(entry.afterLeaving));
    }

    Form3* form = nullptr;
};

TEST_F(Form3EntryTest, ChannelNumbersStayBetweenOneAndTheLastChannelOrEmpty) {
    const Entry entries[] = {
        {"200", "128", "128"},  // cut back as the third digit arrives
        {"129", "128", "128"}, {"99", "99", "99"}, {"007", "007", "7"},    {"0", "0", ""},
        {"1", "1", "1"},       {"", "", ""},       {"1a.2-+", "12", "12"},
    };
    form->Option1->click();
    for (VbTextBox* box : {form->Text2, form->Text6}) {
        SCOPED_TRACE(box->objectName().toStdString());
        for (const Entry& entry : entries) TypeAndLeave(box, entry);

        box->SetText(QString());
        box->SetFocus();
        QTest::keyClicks(box, "007");
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(box->Text(), QString("7")) << "Enter runs the check without leaving";
        QApplication::clipboard()->setText("2x00\n");
        box->SetText(QString());
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->Text(), QString("128")) << "pasted text passes the same filter and limit";
    }
}

TEST_F(Form3EntryTest, FullBandFrequencyIsPutInsideTheBandOnTheRaster) {
    Run().MainWindow().Combo1->SetListIndex(0);  // 136-174 MHz, chosen by the program
    const Entry entries[] = {
        {"150", "150", "150.00000"},
        {"150.0137", "150.0137", "150.01250"},
        {"173.99999", "173.99999", "173.99500"},
        {"136", "136", "136.00000"},
        {"174", "174", "136.00000"},  // the upper limit lies outside the band
        {"120", "120", "136.00000"},
        {".", ".", "136.00000"},
        {"", "", "136.00000"},
        {"1a5-0", "150", "150.00000"},
        {"1234567890", "123456789", "136.00000"},  // at most nine characters
    };
    for (const Entry& entry : entries) TypeAndLeave(form->Text20, entry);

    form->Text20->SetText("435.125");
    form->Text20_LostFocus();
    EXPECT_EQ(form->Text20->Text(), QString("136.00000")) << "another band's frequency";
    form->Text20->SetFocus();
    form->Text20->SetText("160.0061");
    QTest::keyClick(form->Text20, Qt::Key_Return);
    EXPECT_EQ(form->Text20->Text(), QString("160.00625"));
}

TEST_F(Form3EntryTest, OffsetStaysBelowOneHundredMegahertzOnTheRaster) {
    const Entry entries[] = {
        {"120", "120", "99.99500"},
        {"99.996", "99.996", "99.99500"},
        {"12.3456", "12.3456", "12.34500"},
        {"0.00624", "0.00624", "0.00500"},
        {"5.00625", "5.00625", "5.00625"},
        {"10", "10", "10.00000"},
        {"", "", "0.00000"},
        {"1x2", "12", "12.00000"},
        {"123456789", "12345678", "99.99500"},
    };
    for (const Entry& entry : entries) TypeAndLeave(form->Text21, entry);
}

TEST_F(Form3EntryTest, PowerOnTextTakesWhatTheRadioCanShow) {
    form->Option1->click();
    const Entry entries[] = {
        {"ab-1", "AB-1", "AB-1"},
        {"a.b/c", "ABC", "ABC"},
        {"*#-z9", "*#-Z9", "*#-Z9"},
        {"abcdefgh", "ABCDEF", "ABCDEF"},  // at most six characters
    };
    for (const Entry& entry : entries) TypeAndLeave(form->Text31, entry);

    form->Text31->SetText(QString());
    QApplication::clipboard()->setText("x.y/z-9w");
    QTest::keyClick(form->Text31, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->Text31->Text(), QString("XYZ-9W"));
}

}  // namespace
}  // namespace qav::test
