#include "forms/Form2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "forms/ControlFactory.h"
#include "forms/ModelVariant.h"
#include "winsupport/Twips.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

constexpr int kDesignedWidthTwips = 5750;
constexpr int kDesignedHeightTwips = 3600;
constexpr int kCodeLength = 16;  // ANI codes and auto-dial memories
constexpr int kOwnCodeLength = 8;

const char* const kAutoDialCaptions[8] = {
    "第一组自动拔号存储器", "第二组自动拔号存储器", "第三组自动拔号存储器", "第四组自动拔号存储器",
    "第五组自动拔号存储器", "第六组自动拔号存储器", "第七组自动拔号存储器", "第八组自动拔号存储器",
};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// Items 0..9 of the first-digit delay: n x 200 ms. The captions write them again
// in the language chosen.
QStringList DelayItems() {
    QStringList items;
    for (int n = 0; n <= 9; ++n) items << QString::number(n * 200) + Utf8("毫秒");
    return items;
}

void AddRow(QGridLayout* grid, int row, QWidget* label, QWidget* field) {
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

}  // namespace

Form2::Form2(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Utf8(context.variant.dtmfForm.caption));

    BuildOtherFeaturesPage();
    BuildAutoDialPage();
    Option1 = ControlFactory::OptionButton(this, QStringLiteral("Option1"), Utf8("自动拔号存储器"));
    Option2 = ControlFactory::OptionButton(this, QStringLiteral("Option2"), Utf8("其它功能"));
    Option2->setChecked(true);

    auto* pages = new QGridLayout;
    pages->addWidget(OtherFeaturesPage, 0, 0);
    pages->addWidget(AutoDialPage, 0, 0);
    auto* switches = new QHBoxLayout;
    switches->addWidget(Option1);
    switches->addWidget(Option2);
    switches->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(pages);
    column->addLayout(switches);
    column->addStretch();

    // In this program only the other-features page is ever shown.
    AutoDialPage->hide();
    Option1->hide();
    Option2->hide();
    Label18->hide();
    Combo18->hide();
    Label3->hide();
    Text3->hide();

    connect(Option1, &VbOptionButton::Click, this, &Form2::Option1_Click);
    connect(Option2, &VbOptionButton::Click, this, &Form2::Option2_Click);
    Form_Load();
}

void Form2::BuildOtherFeaturesPage() {
    OtherFeaturesPage = new VbFrame(this);
    OtherFeaturesPage->setObjectName(QStringLiteral("OtherFeaturesPage"));
    QWidget* page = OtherFeaturesPage;

    Label16 = ControlFactory::Label(page, QStringLiteral("Label16"), Utf8("DTMF速率："));
    Combo16 = ControlFactory::List(page, QStringLiteral("Combo16"), {Utf8("快"), Utf8("慢")});
    Label17 = ControlFactory::Label(page, QStringLiteral("Label17"), Utf8("首位数码延迟："));
    Combo17 = ControlFactory::List(page, QStringLiteral("Combo17"), DelayItems());
    Label2 = ControlFactory::Label(page, QStringLiteral("Label2"), Utf8("ANI开始码："));
    Text2 = NewCodeBox(page, QStringLiteral("Text2"), kCodeLength);
    Label4 = ControlFactory::Label(page, QStringLiteral("Label4"), Utf8("ANI结束码："));
    const DtmfFormLayout& layout = context_.variant.dtmfForm;
    Text4 = layout.endCodeFiltered ? NewCodeBox(page, QStringLiteral("Text4"), kCodeLength)
                                   : ControlFactory::TextBox(page, QStringLiteral("Text4"), kCodeLength,
                                                             QString(kCodeLength, QChar('D')));
    VbLabel* sendMode =
        ControlFactory::Label(page, QString::fromLatin1(layout.sendModeLabel), Utf8(layout.sendModeCaption));
    (sendMode->objectName() == QLatin1String("Label5") ? Label5 : LabelAni) = sendMode;
    Combo1 = ControlFactory::List(page, QStringLiteral("Combo1"),
                                  {Utf8("发射开始"), Utf8("发射结束"), Utf8("两者")},
                                  VbComboBox::Style::DropDownCombo);
    Combo1->SetKeepsItemOnLeave(true);
    Label18 = ControlFactory::Label(page, QStringLiteral("Label18"), Utf8("群呼码："));
    Combo18 =
        ControlFactory::List(page, QStringLiteral("Combo18"), {Utf8("空"), "*", "#", "A", "B", "C", "D"});
    Label3 = ControlFactory::Label(page, QStringLiteral("Label3"), Utf8("自身码："));
    Text3 = NewCodeBox(page, QStringLiteral("Text3"), kOwnCodeLength);

    auto* grid = new QGridLayout(page);
    AddRow(grid, 0, Label16, Combo16);
    AddRow(grid, 1, Label17, Combo17);
    AddRow(grid, 2, Label2, Text2);
    AddRow(grid, 3, Label4, Text4);
    AddRow(grid, 4, sendMode, Combo1);
    AddRow(grid, 5, Label18, Combo18);
    AddRow(grid, 6, Label3, Text3);
    grid->setColumnStretch(2, 1);
}

void Form2::BuildAutoDialPage() {
    AutoDialPage = new VbFrame(this);
    AutoDialPage->setObjectName(QStringLiteral("AutoDialPage"));
    auto* grid = new QGridLayout(AutoDialPage);
    for (int i = 0; i < int(Text1.size()); ++i) {
        const QString index = QString::number(i);
        Label1[i] = ControlFactory::Label(AutoDialPage, "Label1(" + index + ")", Utf8(kAutoDialCaptions[i]));
        Text1[i] = NewCodeBox(AutoDialPage, "Text1(" + index + ")", kCodeLength);
        AddRow(grid, i, Label1[i], Text1[i]);
    }
    grid->setColumnStretch(2, 1);
}

VbTextBox* Form2::NewCodeBox(QWidget* parent, const QString& name, int maxLength) {
    VbTextBox* box = ControlFactory::TextBox(parent, name, maxLength, QString(maxLength, QChar('D')));
    connect(box, &VbTextBox::KeyPress, this, &Form2::CodeBox_KeyPress);
    return box;
}

void Form2::Form_Load() {
    const QSize designed(TwipsToPixels(kDesignedWidthTwips), TwipsToPixels(kDesignedHeightTwips));
    resize(designed.expandedTo(minimumSizeHint()));
    StartForm();
}

void Form2::StartForm() {
    // A failing assignment is skipped and the rest still run.
    Combo1->SetListIndex(0);
    Combo16->SetListIndex(0);
    Combo17->SetListIndex(6);  // 1200 ms
    Combo18->SetListIndex(0);
    for (VbTextBox* memory : Text1) memory->SetText(QString());
    Text2->SetText(QString());
    Text3->SetText(QString());
}

void Form2::CodeBox_KeyPress(int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
    const bool allowed = (keyAscii >= 'A' && keyAscii <= 'D') || (keyAscii >= '0' && keyAscii <= '9') ||
                         keyAscii == '*' || keyAscii == '#' || keyAscii == 8;
    if (!allowed) keyAscii = 0;
}

void Form2::Option1_Click() {
    OtherFeaturesPage->hide();
    AutoDialPage->show();
    Text1[0]->SetFocus();
}

void Form2::Option2_Click() {
    AutoDialPage->hide();
    OtherFeaturesPage->show();
    Combo16->SetFocus();
}

}  // namespace qav
