#include "forms/Form3.h"

#include "forms/ModelVariant.h"
#include "forms/RunState.h"
#include "image/NumberText.h"
#include "winsupport/Twips.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav {

Form3::Form3(FormContext& context, QWidget* parent)
    : MdiChildForm(parent), context_(context), layout_(context.variant.featuresForm) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("可选功能"));
    BuildFunctionPage();
    BuildVfoPage();
    BuildVoxFrame();
    ApplyDesignTexts();
    PlaceFunctionFields();
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
    // Without the page switch the function settings are the only page.
    if (!layout_.pageSwitch) Option1_Click();

    const QSize designed(TwipsToPixels(layout_.widthTwips), TwipsToPixels(layout_.heightTwips));
    resize(designed.expandedTo(minimumSizeHint()));
}

VbLabel* Form3::LabelNamed(const char* name) const {
    return findChild<VbLabel*>(QString::fromLatin1(name));
}

std::array<VbLabel*, 3> Form3::ServiceGroupA() const {
    return {LabelNamed(layout_.unlockGroupA[0]), LabelNamed(layout_.unlockGroupA[1]),
            LabelNamed(layout_.unlockGroupA[2])};
}

std::array<VbLabel*, 3> Form3::ServiceGroupB() const {
    return {LabelNamed(layout_.unlockGroupB[0]), LabelNamed(layout_.unlockGroupB[1]),
            LabelNamed(layout_.unlockGroupB[2])};
}

void Form3::StartForm() {
    // Each assignment stands by itself: one the list refuses is skipped. A
    // model may start a list elsewhere.
    const auto set = [this](VbComboBox* list, int index) {
        for (const ListDefault& other : layout_.defaults)
            if (list->objectName() == QLatin1String(other.control)) index = other.index;
        list->SetListIndex(index);
    };
    set(Combo1, 1);
    set(Combo2, 1);
    set(Combo3, 4);
    set(Combo4, 4);
    set(Combo5, 5);
    set(Combo7, 1);
    set(Combo8, 1);
    set(Combo9, 1);
    set(Combo10, 1);
    set(Combo11, 1);
    set(Combo14, 5);
    set(Combo15, 1);
    set(Combo19, 4);  // 60 s
    set(Combo22, 0);
    set(Combo23, 0);
    set(Combo24, 1);
    set(Combo25, 1);
    set(Combo26, 1);
    set(Combo27, 1);
    set(Combo28, 1);
    set(Combo105, 1);
    set(Combo29, 1);
    set(Combo30, 1);
    set(ComboMod, 1);
    set(Combo6, 1);
    set(Combo12, 1);
    set(Combo13, 1);
    set(Combo16, 1);
    set(Combo18, 0);
    if (Combo17 != nullptr) set(Combo17, 0);
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
