#include "forms/Form3.h"

#include "forms/RunState.h"
#include "image/NumberText.h"
#include "winsupport/Twips.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

constexpr int kDesignedWidthTwips = 12800;
constexpr int kDesignedHeightTwips = 5820;

}  // namespace

Form3::Form3(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("可选功能"));
    BuildFunctionPage();
    BuildVfoPage();
    BuildVoxFrame();
    LayOutForm();
    ConnectHandlers();
    ConnectServiceUnlock();
    Form_Load();
}

void Form3::ConnectHandlers() {
    connect(Combo2, &VbComboBox::Click, this, &Form3::Combo2_Click);
    connect(Option1, &VbOptionButton::Click, this, &Form3::Option1_Click);
    connect(Option2, &VbOptionButton::Click, this, &Form3::Option2_Click);

    for (VbTextBox* box : {Text2, Text6}) {
        connect(box, &VbTextBox::KeyPress, this, [this, box](int& key) { ChannelBox_KeyPress(box, key); });
        connect(box, &VbTextBox::Change, this, [this, box] { ChannelBox_Change(box); });
    }
    connect(Text2, &VbTextBox::LostFocus, this, &Form3::Text2_LostFocus);
    connect(Text6, &VbTextBox::LostFocus, this, &Form3::Text6_LostFocus);
    for (VbTextBox* box : {Text20, Text21})
        connect(box, &VbTextBox::KeyPress, this, [this, box](int& key) { FrequencyBox_KeyPress(box, key); });
    connect(Text20, &VbTextBox::LostFocus, this, &Form3::Text20_LostFocus);
    connect(Text21, &VbTextBox::LostFocus, this, &Form3::Text21_LostFocus);
    connect(Text31, &VbTextBox::KeyPress, this, &Form3::Text31_KeyPress);
}

void Form3::Form_Load() {
    for (int level = 0; level <= 9; ++level) Combo5->AddItem(QString::number(level));
    Combo14->AddItem(QString::fromUtf8("关"));
    for (int gain = 1; gain <= 9; ++gain) Combo14->AddItem(QString::number(gain));
    for (const char* delay : {"0.5", "1", "1.5", "2", "2.5", "3"})
        Combo15->AddItem(QString::fromLatin1(delay));
    Combo19->AddItem(QString::fromUtf8("关"));
    for (int n = 1; n <= 40; ++n) Combo19->AddItem(QString::number(n * 15) + QString::fromUtf8("秒"));

    StartForm();

    const QSize designed(TwipsToPixels(kDesignedWidthTwips), TwipsToPixels(kDesignedHeightTwips));
    resize(designed.expandedTo(minimumSizeHint()));
}

void Form3::StartForm() {
    // Each assignment stands by itself: one the list refuses is skipped.
    Combo1->SetListIndex(1);
    Combo2->SetListIndex(1);
    Combo3->SetListIndex(4);
    Combo4->SetListIndex(4);
    Combo5->SetListIndex(5);
    Combo7->SetListIndex(1);
    Combo8->SetListIndex(1);
    Combo9->SetListIndex(1);
    Combo10->SetListIndex(1);
    Combo11->SetListIndex(1);
    Combo14->SetListIndex(5);
    Combo15->SetListIndex(1);
    Combo19->SetListIndex(4);  // 60 s
    Combo22->SetListIndex(0);
    Combo23->SetListIndex(0);
    Combo24->SetListIndex(1);
    Combo25->SetListIndex(1);
    Combo26->SetListIndex(1);
    Combo27->SetListIndex(1);
    Combo28->SetListIndex(1);
    Combo105->SetListIndex(1);
    Combo29->SetListIndex(1);
    Combo30->SetListIndex(1);
    ComboMod->SetListIndex(1);
    Combo6->SetListIndex(1);
    Combo12->SetListIndex(1);
    Combo13->SetListIndex(1);
    Combo16->SetListIndex(1);
    Combo18->SetListIndex(0);
    Text2->SetText(QStringLiteral("1"));
    Text6->SetText(QStringLiteral("1"));
    Text20->SetText(BandMidpoint());
    Text21->SetText(QStringLiteral("10.00000"));
    Text31->SetText(QString());
}

QString Form3::BandMidpoint() const {
    const BandSelection& band = context_.state.band;
    return QString::fromStdString(FormatFixed((band.BandLow + band.BandHigh) / 2, 5));
}

void Form3::Combo2_Click() {
    context_.main.SetFmMenuEnabled(Combo2->ListIndex() == 1);
}

void Form3::Option1_Click() {
    Frame2->show();
    Frame3->hide();
    Text2->SetFocus();
}

void Form3::Option2_Click() {
    Frame3->show();
    Frame2->hide();
    Text20->SetFocus();
}

}  // namespace qav
