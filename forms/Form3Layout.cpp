// The controls of the optional features and where they sit: the function
// settings and the VFO page share one place (one of them is shown at a time),
// the VOX frame stands beside them, the page switch below.
#include <QGridLayout>
#include <QHBoxLayout>

#include "forms/ControlFactory.h"
#include "forms/Form3.h"
#include "image/ToneTable.h"
#include "winsupport/VbCheckBox.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbOptionButton.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList Items(std::initializer_list<const char*> texts) {
    QStringList items;
    for (const char* text : texts) items << Utf8(text);
    return items;
}

QStringList ToneItems() {
    QStringList items;
    for (const std::string& text : ToneListItems(LangSimplified)) items << QString::fromStdString(text);
    return items;
}

VbFrame* NewFrame(QWidget* parent, const QString& name, const char* caption) {
    auto* frame = new VbFrame(parent);
    frame->setObjectName(name);
    frame->SetCaption(Utf8(caption));
    return frame;
}

// A grid of caption and field pairs in two columns.
class PairGrid {
  public:
    explicit PairGrid(QWidget* frame) : grid_(new QGridLayout(frame)) {
        grid_->setColumnMinimumWidth(2, 16);
        grid_->setColumnStretch(1, 1);
        grid_->setColumnStretch(4, 1);
    }
    void Add(int row, int column, QWidget* label, QWidget* field) {
        grid_->addWidget(label, row, column * 3);
        grid_->addWidget(field, row, column * 3 + 1);
    }
    // A pair that exists with its value but is not shown.
    void AddHidden(int row, int column, QWidget* label, QWidget* field) {
        Add(row, column, label, field);
        label->hide();
        field->hide();
    }
    void EndRows(int row) { grid_->setRowStretch(row, 1); }

  private:
    QGridLayout* grid_;
};

}  // namespace

void Form3::BuildFunctionPage() {
    Frame2 = NewFrame(this, QStringLiteral("Frame2"), "功能设置");
    QWidget* f = Frame2;
    using S = VbComboBox::Style;
    Label2 = ControlFactory::Label(f, QStringLiteral("Label2"), Utf8("优先扫描频道:"));
    Text2 = ControlFactory::TextBox(f, QStringLiteral("Text2"), 0, QStringLiteral("0000"));
    Label6 = ControlFactory::Label(f, QStringLiteral("Label6"), Utf8("当前频道数:"));
    Text6 = ControlFactory::TextBox(f, QStringLiteral("Text6"), 0, QStringLiteral("0000"));
    Label1 = ControlFactory::Label(f, QStringLiteral("Label1"), Utf8("显式模式:"));
    Combo1 =
        ControlFactory::List(f, QStringLiteral("Combo1"), Items({"全频", "频道与频率", "频道", "频道名称"}));
    Label3 = ControlFactory::Label(f, QStringLiteral("Label3"), Utf8("步进频率:"));
    Combo3 = ControlFactory::List(f, QStringLiteral("Combo3"), Items({"5K", "6.25K", "10K", "12.5K", "25K"}));
    Label7 = ControlFactory::Label(f, QStringLiteral("Label7"), Utf8("提示音:"));
    Combo7 = ControlFactory::List(f, QStringLiteral("Combo7"), Items({"关", "开"}));
    Label5 = ControlFactory::Label(f, QStringLiteral("Label5"), Utf8("静噪等级:"));
    Combo5 = ControlFactory::List(f, QStringLiteral("Combo5"), {});
    Label9 = ControlFactory::Label(f, QStringLiteral("Label9"), Utf8("按键锁:"));
    Combo9 = ControlFactory::List(f, QStringLiteral("Combo9"), Items({"上锁", "正常"}));
    Label8 = ControlFactory::Label(f, QStringLiteral("Label8"), Utf8("省电:"));
    Combo8 = ControlFactory::List(f, QStringLiteral("Combo8"), Items({"关", "开"}));
    Label11 = ControlFactory::Label(f, QStringLiteral("Label11"), Utf8("倒频:"));
    Combo11 = ControlFactory::List(f, QStringLiteral("Combo11"), Items({"使能", "禁止"}));
    Label10 = ControlFactory::Label(f, QStringLiteral("Label10"), Utf8("自动背光:"));
    Combo10 = ControlFactory::List(f, QStringLiteral("Combo10"), Items({"关", "开"}));
    Label12 = ControlFactory::Label(f, QStringLiteral("Label12"), Utf8("收音机功能:"));
    Combo2 = ControlFactory::List(f, QStringLiteral("Combo2"), Items({"关闭", "打开"}), S::DropDownCombo);
    Label19 = ControlFactory::Label(f, QStringLiteral("Label19"), Utf8("发射超时:"));
    Combo19 = ControlFactory::List(f, QStringLiteral("Combo19"), {});
    Label31 = ControlFactory::Label(f, QStringLiteral("Label31"), Utf8("开机显示字符:"));
    Text31 = ControlFactory::TextBox(f, QStringLiteral("Text31"), 6, QStringLiteral("WWWWWW"));
    Label33 = ControlFactory::Label(f, QStringLiteral("Label33"), Utf8("按键锁模式:"));
    Combo18 = ControlFactory::List(f, QStringLiteral("Combo18"), Items({"键盘+编码器", "键盘"}));

    Label18 = ControlFactory::Label(f, QStringLiteral("Label18"), Utf8("VFO开关:"));
    Combo16 = ControlFactory::List(f, QStringLiteral("Combo16"), Items({"关闭", "打开"}), S::DropDownCombo);
    Label17 = ControlFactory::Label(f, QStringLiteral("Label17"), Utf8("去加重功能开关:"));
    Combo13 = ControlFactory::List(f, QStringLiteral("Combo13"), Items({"关闭", "打开"}), S::DropDownCombo);
    Label13 = ControlFactory::Label(f, QStringLiteral("Label13"), Utf8("扰音功能开关;"));
    Combo6 = ControlFactory::List(f, QStringLiteral("Combo6"), Items({"关闭", "打开"}));
    Label105 = ControlFactory::Label(f, QStringLiteral("Label105"), Utf8("扰音:"));
    Combo105 = ControlFactory::List(f, QStringLiteral("Combo105"), Items({"开", "关"}));
    LabelMod = ControlFactory::Label(f, QStringLiteral("LabelMod"), Utf8("扫描模式:"));
    ComboMod = ControlFactory::List(f, QStringLiteral("ComboMod"), Items({"载波", "时间"}),
                                    layout_.scanModeEditable ? S::DropDownCombo : S::DropDownList);
    if (layout_.monitorKeyMode) {
        Label32 = ControlFactory::Label(f, QStringLiteral("Label32"), Utf8("MONI键模式:"));
        Combo17 = ControlFactory::List(f, QStringLiteral("Combo17"), Items({"稳态", "瞬态"}));
    }
    // The image holds these as list indexes: a typed text must not stay behind.
    for (VbComboBox* editable : {Combo2, Combo16, Combo13, ComboMod})
        if (editable->isEditable()) editable->SetKeepsItemOnLeave(true);
}

void Form3::ApplyDesignTexts() {
    for (const DesignText& design : layout_.designTexts) {
        const QString name = QString::fromLatin1(design.control);
        if (design.caption != nullptr) {
            if (auto* label = findChild<VbLabel*>(name)) label->setText(Utf8(design.caption));
        }
        if (!design.items.empty()) {
            if (auto* list = findChild<VbComboBox*>(name)) {
                list->Clear();
                for (const char* item : design.items) list->AddItem(Utf8(item));
            }
        }
    }
}

void Form3::PlaceFunctionFields() {
    // Every caption and field of the page not placed here keeps its value out of sight.
    QList<QWidget*> unplaced;
    for (QWidget* control : Frame2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) unplaced << control;
    PairGrid grid(Frame2);
    int rows = 0;
    for (const FieldPlace& place : layout_.functionPage) {
        auto* label =
            Frame2->findChild<QWidget*>(QString::fromLatin1(place.label), Qt::FindDirectChildrenOnly);
        auto* field =
            Frame2->findChild<QWidget*>(QString::fromLatin1(place.field), Qt::FindDirectChildrenOnly);
        if (label == nullptr || field == nullptr) continue;
        grid.Add(place.row, place.column, label, field);
        unplaced.removeOne(label);
        unplaced.removeOne(field);
        rows = std::max(rows, place.row + 1);
    }
    for (QWidget* control : unplaced) control->hide();
    grid.EndRows(rows);
}

void Form3::BuildVfoPage() {
    Frame3 = NewFrame(this, QStringLiteral("Frame3"), "全频频率");
    QWidget* f = Frame3;
    const QStringList tones = ToneItems();
    Label20 = ControlFactory::Label(f, QStringLiteral("Label20"), Utf8("全频频率:"));
    Text20 = ControlFactory::TextBox(f, QStringLiteral("Text20"), 9, QStringLiteral("000.00000"));
    Label22 = ControlFactory::Label(f, QStringLiteral("Label22"), Utf8("接收亚音频:"));
    Combo22 = ControlFactory::List(f, QStringLiteral("Combo22"), tones);
    Label24 = ControlFactory::Label(f, QStringLiteral("Label24"), Utf8("功率:"));
    Combo24 = ControlFactory::List(f, QStringLiteral("Combo24"), Items({"低", "高"}));
    Label27 = ControlFactory::Label(f, QStringLiteral("Label27"), Utf8("宽窄带:"));
    Combo27 = ControlFactory::List(f, QStringLiteral("Combo27"), Items({"窄带", "宽带"}));
    Label16 = ControlFactory::Label(f, QStringLiteral("Label16"), Utf8("扰频:"));
    Combo12 = ControlFactory::List(f, QStringLiteral("Combo12"), Items({"使能", "禁止"}));
    Label30 = ControlFactory::Label(f, QStringLiteral("Label30"), Utf8("异频:"));
    Combo30 = ControlFactory::List(f, QStringLiteral("Combo30"), Items({"+异频", "-异频", "无异频"}));
    Label21 = ControlFactory::Label(f, QStringLiteral("Label21"), Utf8("异频数:"));
    Text21 = ControlFactory::TextBox(f, QStringLiteral("Text21"), 8, QStringLiteral("00.00000"));
    Label23 = ControlFactory::Label(f, QStringLiteral("Label23"), Utf8("发射亚音频:"));
    Combo23 = ControlFactory::List(f, QStringLiteral("Combo23"), tones);
    Label25 = ControlFactory::Label(f, QStringLiteral("Label25"), Utf8("繁忙信道锁定:"));
    Combo25 = ControlFactory::List(f, QStringLiteral("Combo25"), Items({"载波", "关"}));
    Label29 = ControlFactory::Label(f, QStringLiteral("Label29"), Utf8("压扩:"));
    Combo29 = ControlFactory::List(f, QStringLiteral("Combo29"), Items({"禁止", "使能"}));
    Label28 = ControlFactory::Label(f, QStringLiteral("Label28"), Utf8("身份码:"));
    Combo28 = ControlFactory::List(f, QStringLiteral("Combo28"), Items({"使能", "禁止"}));
    Label26 = ControlFactory::Label(f, QStringLiteral("Label26"), Utf8("扫描添加:"));
    Combo26 = ControlFactory::List(f, QStringLiteral("Combo26"), Items({"禁止", "使能"}));
    Label4 = ControlFactory::Label(f, QStringLiteral("Label4"), Utf8("呼叫音:"));
    Combo4 = ControlFactory::List(f, QStringLiteral("Combo4"),
                                  Items({"关闭", "TONE1", "TONE2", "TONE3", "TONE4", "TONE5"}));

    PairGrid grid(Frame3);
    grid.Add(0, 0, Label20, Text20);
    grid.Add(1, 0, Label22, Combo22);
    grid.Add(2, 0, Label24, Combo24);
    grid.Add(3, 0, Label27, Combo27);
    grid.Add(4, 0, Label16, Combo12);
    grid.Add(5, 0, Label30, Combo30);
    grid.Add(0, 1, Label21, Text21);
    grid.Add(1, 1, Label23, Combo23);
    grid.Add(2, 1, Label25, Combo25);
    grid.Add(3, 1, Label29, Combo29);
    grid.Add(4, 1, Label28, Combo28);
    grid.AddHidden(6, 0, Label26, Combo26);
    grid.AddHidden(6, 1, Label4, Combo4);
    grid.EndRows(7);
}

void Form3::BuildVoxFrame() {
    Frame1 = NewFrame(this, QStringLiteral("Frame1"), "VOX(声控发射)");
    QWidget* f = Frame1;
    Label14 = ControlFactory::Label(f, QStringLiteral("Label14"), Utf8("VOX增益电平:"));
    Combo14 = ControlFactory::List(f, QStringLiteral("Combo14"), {});
    Label15 = ControlFactory::Label(f, QStringLiteral("Label15"), Utf8("VOX延迟时间(秒):"));
    Combo15 = ControlFactory::List(f, QStringLiteral("Combo15"), {});
    Check12 = ControlFactory::CheckBox(f, QStringLiteral("Check12"), Utf8("允许取消操作"));
    Check13 = ControlFactory::CheckBox(f, QStringLiteral("Check13"), Utf8("接收时禁止VOX"));

    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Label14, 0, 0);
    grid->addWidget(Combo14, 0, 1);
    grid->addWidget(Label15, 1, 0);
    grid->addWidget(Combo15, 1, 1);
    grid->addWidget(Check12, 2, 0, 1, 2);
    grid->addWidget(Check13, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
}

void Form3::LayOutForm() {
    Option1 = ControlFactory::OptionButton(this, QStringLiteral("Option1"), Utf8("功能设置"));
    Option2 = ControlFactory::OptionButton(this, QStringLiteral("Option2"), Utf8("全频频率"));
    Option1->setChecked(true);
    if (!layout_.pageSwitch) {
        Option1->hide();
        Option2->hide();
    }

    // Both pages keep their room while hidden, so switching never moves the rest.
    for (VbFrame* page : {Frame2, Frame3}) {
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        page->setSizePolicy(policy);
    }
    Frame3->hide();

    auto* switches = new QHBoxLayout;
    switches->addWidget(Option1);
    switches->addSpacing(24);
    switches->addWidget(Option2);
    switches->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(Frame2, 0, 0);
    grid->addWidget(Frame3, 0, 0);
    grid->addWidget(Frame1, 0, 1);
    grid->addLayout(switches, 1, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
}

}  // namespace qav
