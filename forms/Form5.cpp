#include "forms/Form5.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "forms/ControlFactory.h"
#include "forms/MSFlexGrid.h"
#include "forms/ResumeNext.h"
#include "forms/RunState.h"
#include "image/FrequencySnap.h"
#include "image/NumberText.h"
#include "winsupport/FocusTracker.h"
#include "winsupport/Twips.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbCommandButton.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;

constexpr int kRowTwips = 300;
constexpr int kChannelColumnTwips = 900;
constexpr int kFrequencyColumnTwips = 2200;
constexpr int kRowsInView = 14;   // the grid scrolls through the rest
constexpr int kMessageLines = 3;  // room kept for the message line, wrapped

// The grid editor takes 76 to 107.95 MHz, the frequency box 76 up to 108.
constexpr double kLowestFm = 76;
constexpr double kHighestFmChannel = 107.95;
constexpr double kFmLimit = 108;

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

// A frequency as the grid shows it: two decimals on the 50 kHz raster, from
// the number typed (so "088.5" shows as 88.50, as a decoded one would).
QString HalfStepText(double frequency) {
    return QString::fromStdString(FormatHalfStep(FormatPlain(frequency)));
}

}  // namespace

Form5::Form5(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(Utf8("FM频道设置"));
    CreateControls();
    LayOutForm();
    Form_Load();
}

void Form5::CreateControls() {
    MSFGrid = new MSFlexGrid(this);
    MSFGrid->setObjectName(QStringLiteral("MSFGrid"));
    MSFGrid->SetCols(2);
    MSFGrid->SetRows(kFmChannelCount + 1);
    MSFGrid->SetTextMatrix(0, kColChannel, Utf8("频道"));
    MSFGrid->SetTextMatrix(0, kColFrequency, Utf8("频率(MHz)"));

    Text1 = ControlFactory::TextBox(this, QStringLiteral("Text1"), 0, QString());
    Text1->hide();
    Text2 = ControlFactory::TextBox(this, QStringLiteral("Text2"), 0, QStringLiteral("000.00"));

    const char* const captions[] = {"当前收音机工作频道:", "显示模式:", "收音机步进频率:", "频率模式(频率):"};
    for (int i = 0; i < int(Label1.size()); ++i)
        Label1[i] = ControlFactory::Label(this, QStringLiteral("Label1(%1)").arg(i), Utf8(captions[i]));
    const QStringList items[] = {{}, {Utf8("频道"), Utf8("频率")}, {"50K", "100K", "200K"}};
    for (int i = 0; i < int(Combo1.size()); ++i)
        Combo1[i] = ControlFactory::List(this, QStringLiteral("Combo1(%1)").arg(i), items[i],
                                         VbComboBox::Style::DropDownCombo);
    // The display mode and the step go into the radio's memory as list
    // indexes: a typed text must not stay behind.
    Combo1[1]->SetKeepsItemOnLeave(true);
    Combo1[2]->SetKeepsItemOnLeave(true);

    Label2 = new VbLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->hide();

    Command1 = new VbCommandButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->SetCaption(Utf8("确定"));
    Command2 = new VbCommandButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->SetCaption(Utf8("取消"));

    connect(MSFGrid, &MSFlexGrid::Click, this, &Form5::MSFGrid_Click);
    connect(MSFGrid, &MSFlexGrid::HeaderChanged, this, &Form5::FitGrid);
    connect(MSFGrid, &MSFlexGrid::Scroll, this, &Form5::MSFGrid_Scroll);
    connect(Text1, &VbTextBox::KeyPress, this, &Form5::FrequencyBox_KeyPress);
    connect(Text1, &VbTextBox::LostFocus, this, &Form5::Text1_LostFocus);
    connect(Text2, &VbTextBox::KeyPress, this, &Form5::FrequencyBox_KeyPress);
    connect(Text2, &VbTextBox::LostFocus, this, &Form5::Text2_LostFocus);
    connect(Combo1[0], &VbComboBox::KeyPress, this, &Form5::PresentChannel_KeyPress);
    connect(Label2, &VbLabel::Click, this, &Form5::Label2_Click);
    connect(Command1, &VbCommandButton::Click, this, &Form5::Command1_Click);
    connect(Command2, &VbCommandButton::Click, this, &Form5::Command2_Click);
}

void Form5::LayOutForm() {
    auto* settings = new QGridLayout;
    const int rows[] = {3, 0, 1};  // the present channel last: it is not shown
    for (int i = 0; i < int(Combo1.size()); ++i) {
        settings->addWidget(Label1[i], rows[i], 0);
        settings->addWidget(Combo1[i], rows[i], 1);
    }
    settings->addWidget(Label1[3], 2, 0);
    settings->addWidget(Text2, 2, 1);
    settings->setColumnStretch(1, 1);
    Label1[0]->hide();
    Combo1[0]->hide();

    // The message line appears beside what it is about; it has a room of its
    // own, so it never covers a control.
    messageArea_ = new QWidget(this);
    messageArea_->setObjectName(QStringLiteral("MessageArea"));
    messageArea_->setMinimumHeight(kMessageLines * Label2->fontMetrics().lineSpacing() + 4);
    Label2->setParent(messageArea_);
    Label2->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* right = new QVBoxLayout;
    right->addLayout(settings);
    right->addWidget(messageArea_, 1);
    right->addLayout(buttons);

    auto* row = new QHBoxLayout(this);
    row->addWidget(MSFGrid);
    row->addLayout(right, 1);
}

void Form5::Form_Load() {
    const RunState& state = context_.state;
    const int rowTwips = std::max(kRowTwips, PixelsToTwips(MSFGrid->fontMetrics().height() + 6));
    for (int i = 1; i <= kFmChannelCount; ++i) {
        MSFGrid->SetTextMatrix(i, kColChannel, QString::number(i));
        MSFGrid->SetRowHeight(i, rowTwips);
        Combo1[0]->AddItem(QString::number(i));
    }
    MSFGrid->SetColAlignment(kColChannel, MSFlexGrid::flexAlignCenterCenter);
    MSFGrid->SetColAlignment(kColFrequency, MSFlexGrid::flexAlignCenterCenter);
    FitGrid();

    const bool simplified = state.Language == LangSimplified;
    Combo1[1]->SetList(0, simplified ? Utf8("频道") : QStringLiteral("Channel"));
    Combo1[1]->SetList(1, simplified ? Utf8("频率(MHz)") : QStringLiteral("Frequency(MHz)"));

    ShowFmValues();
    resize(minimumSizeHint());
}

void Form5::ShowFmValues() {
    const FmValues& fm = context_.state.fm;
    for (int i = 1; i <= kFmChannelCount; ++i)
        MSFGrid->SetTextMatrix(i, kColFrequency, QString::fromStdString(fm.FmChannelFreq[i - 1]));
    Text2->SetText(QString::fromStdString(fm.FmFrequency));
    Combo1[0]->SetText(QString::number(fm.FmChannelNo));
    Combo1[1]->SetListIndex(fm.FmDisplayMode);
    Combo1[2]->SetListIndex(fm.FmStep);
}

void Form5::FitGrid() {
    if (MSFGrid == nullptr) return;
    const auto widthFor = [this](int col, int designedTwips, const QString& widest) {
        const int pixels =
            std::max(MSFGrid->PixelsForText(MSFGrid->TextMatrix(0, col)), MSFGrid->PixelsForText(widest));
        MSFGrid->SetColWidth(col, std::max(designedTwips, PixelsToTwips(pixels)));
    };
    widthFor(kColChannel, kChannelColumnTwips, QString::number(kFmChannelCount));
    widthFor(kColFrequency, kFrequencyColumnTwips, QStringLiteral("107.95"));
    MSFGrid->setFixedWidth(MSFGrid->WidthForAllColumns());
    const int header = MSFGrid->horizontalHeader()->sizeHint().height();
    MSFGrid->setMinimumHeight(header + kRowsInView * TwipsToPixels(MSFGrid->RowHeight(1)) +
                              2 * MSFGrid->frameWidth());
}

void Form5::MSFGrid_Click() {
    // Only the frequency can be edited: a click anywhere on a channel's row,
    // its number included, edits its frequency.
    Attempt([&] { MSFGrid->SetCol(kColFrequency); });
    EditRow = MSFGrid->Row();
    const QPoint topLeft = MSFGrid->mapTo(this, QPoint(MSFGrid->CellLeft(), MSFGrid->CellTop()));
    Text1->setGeometry(QRect(topLeft, QSize(MSFGrid->CellWidth(), MSFGrid->CellHeight())));
    editCellTop_ = topLeft.y();
    Text1->SetText(MSFGrid->TextMatrix(EditRow, kColFrequency));
    Text1->show();
    Text1->raise();
    Text1->SetFocus();
}

void Form5::FrequencyBox_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) MSFGrid->SetFocus();  // commits through LostFocus
    if (!IsDigit(keyAscii) && keyAscii != '.' && keyAscii != kBackspace) keyAscii = 0;
}

void Form5::PresentChannel_KeyPress(int& keyAscii) {
    if (!IsDigit(keyAscii) && keyAscii != kBackspace) keyAscii = 0;
}

void Form5::ShowMessageLine(const char* simplified, const char* english, int yInForm) {
    Label2->SetCaption(Utf8(context_.state.Language == LangSimplified ? simplified : english));
    const int width = messageArea_->width();
    const int height = std::min(Label2->heightForWidth(width), messageArea_->height());
    const int top = messageArea_->mapFromParent(QPoint(0, yInForm)).y();
    Label2->setGeometry(0, std::clamp(top, 0, std::max(0, messageArea_->height() - height)), width, height);
    Label2->show();
    Label2->raise();
}

void Form5::HideCellEditor() {
    if (Text1->hasFocus()) MSFGrid->setFocus(Qt::OtherFocusReason);
    Text1->hide();
}

void Form5::MSFGrid_Scroll() {
    // The cell editor belongs to the channel it was opened over; once the rows
    // move under it, it would stand over another one. The scroll ends the edit
    // as leaving the editor does, rather than moving the editor along with a
    // cell that may scroll out of sight.
    if (!Text1->isHidden()) MSFGrid->SetFocus();  // commits through Text1_LostFocus
}

void Form5::CloseEditors() {
    QScopedValueRollback<bool> closing(closingEditors_, true);
    // The focus goes to the grid now, while leaving the editor takes nothing;
    // otherwise the editor would still hold it and commit on the next move.
    if (FocusTracker::Current() == Text1) MSFGrid->SetFocus();
    HideCellEditor();
    ClearMessageLine();
}

void Form5::Text1_LostFocus() {
    // Hiding the editor moves the focus, which would run this again. An edit
    // being closed is forgotten.
    if (committingText1_ || closingEditors_) return;
    QScopedValueRollback<bool> running(committingText1_, true);
    const std::string text = Text1->Text().toStdString();
    if (text.empty()) {
        MSFGrid->SetTextMatrix(EditRow, kColFrequency, QString());  // the channel is cleared
    } else if (IsNumeric(text)) {
        const double frequency = Val(text);
        if (frequency < kLowestFm || frequency > kHighestFmChannel) {
            ShowMessageLine("超出频率范围(76-108)，请重输。",
                            "Beyond the scope of frequency(76-108), please input again.", editCellTop_);
            Text1->SetText(QString());
        } else {
            MSFGrid->SetTextMatrix(EditRow, kColFrequency, HalfStepText(frequency));
        }
    }
    HideCellEditor();
}

void Form5::Text2_LostFocus() {
    const std::string text = Text2->Text().toStdString();
    if (text.empty() || !IsNumeric(text)) return;
    const double frequency = Val(text);
    if (kLowestFm <= frequency && frequency < kFmLimit) {
        Text2->SetText(HalfStepText(frequency));
        return;
    }
    ShowMessageLine("超出频率范围(76-107.95)，请重输。",
                    "Beyond the scope of frequency(76-107.95), please input again.", messageArea_->y());
    Text2->SetText(QString());
}

void Form5::Label2_Click() {
    Label2->hide();
    Text1->SetText(QString());
}

void Form5::ClearMessageLine() {
    Label2->hide();
}

void Form5::showEvent(QShowEvent* event) {
    ClearMessageLine();
    MdiChildForm::showEvent(event);
}

void Form5::Command1_Click() {
    FmValues& fm = context_.state.fm;
    const auto channel = RoundToWhole(Val(Combo1[0]->Text().toStdString()));
    if (channel && *channel >= 0 && *channel <= std::numeric_limits<int>::max())
        fm.FmChannelNo = static_cast<int>(*channel);
    // An editable list without an item keeps the value it had.
    if (Combo1[1]->ListIndex() >= 0) fm.FmDisplayMode = Combo1[1]->ListIndex();
    if (Combo1[2]->ListIndex() >= 0) fm.FmStep = Combo1[2]->ListIndex();
    fm.FmFrequency = Text2->Text().toStdString();
    for (int i = 1; i <= kFmChannelCount; ++i)
        fm.FmChannelFreq[i - 1] = MSFGrid->TextMatrix(i, kColFrequency).toStdString();
    HideForm();
}

void Form5::Command2_Click() {
    // What was typed since the last OK goes: left on show, it would look
    // stored while a save stores the FM values (and a mix, since a channel's
    // emptiness is taken from the grid).
    CloseEditors();
    ShowFmValues();
    HideForm();
}

}  // namespace qav
