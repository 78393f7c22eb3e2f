// The channel editor's window: its controls, loading, layout and scrolling.
#include "forms/Form1.h"

#include <QEvent>
#include <QScrollBar>

#include "forms/MSFlexGrid.h"
#include "forms/ModelVariant.h"
#include "forms/ResumeNext.h"
#include "forms/RunState.h"
#include "image/ToneTable.h"
#include "winsupport/SubClassGrid.h"
#include "winsupport/Twips.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTextBox.h"
#include "winsupport/WindowScrollBars.h"
#include "winsupport/WindowTable.h"
#include "winsupport/cScrollBars.h"

namespace qav {
namespace {

// The header row as the QAV-750 editor sets it when it loads (the caption
// catalogue writes all 13 columns later); Simplified and English.
struct HeaderText {
    const char* simplified;
    const char* english;
};
constexpr std::array<HeaderText, 12> kLoadHeaders{{
    {"频道", "Fre"},
    {"接收频率", "RXFre"},
    {"发射频率", "TXfre"},
    {"接收亚音频", "QT/DQT Dec"},
    {"发射亚音频", "QT/DQT Enc"},
    {"功率", "Power"},
    {"繁忙信道锁定", "Channel lock"},
    {"扫描添加", "Add scan"},
    {"宽窄带", "Band"},
    {"身份码", "ANI"},
    {"扰频", "Scramble"},
    {"压扩", "Companding"},
}};

constexpr win::LONG kEvenRowColor = 0xFFC0C0;  // red C0, green C0, blue FF: a light blue

}  // namespace

Form1::Form1(FormContext& context, QWidget* parent)
    : MdiChildForm(parent), context_(context), layout_(context.variant.channelEditor) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("信道编辑"));
    CreateControls();
    Form_Load();
}

Form1::~Form1() = default;

VbComboBox* Form1::Combo5(int index) const {
    if (index < kColFirstOption || index > LastOptionColumn()) return nullptr;
    return combo5_[std::size_t(index - kColFirstOption)];
}

int Form1::LastOptionColumn() const {
    return std::min(kColFirstOption + static_cast<int>(combo5_.size()) - 1, kColName);
}

void Form1::CreateControls() {
    ownBars_ = new win::WindowScrollBars(this);
    QWidget* client = ownBars_->ClientArea();
    client->installEventFilter(this);

    picClient = new QWidget(client);
    picClient->setObjectName(QStringLiteral("picClient"));

    Grid1 = new MSFlexGrid(picClient);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->SetCols(kColumns);
    Grid1->SetRows(context_.state.profile.channelCount + 1);

    Text1 = new VbTextBox(picClient);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->SetMaxLength(9);
    Text1->hide();

    const int optionColumns =
        std::min(static_cast<int>(layout_.optionItems.size()), kColName - kColFirstOption + 1);
    if (kColFirstOption + optionColumns - 1 < kColName) {
        Text2 = new VbTextBox(picClient);
        Text2->setObjectName(QStringLiteral("Text2"));
        Text2->SetMaxLength(6);
        Text2->hide();
    }

    Combo1 = new VbComboBox(picClient);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const std::string& item : ToneListItems(LangSimplified))
        Combo1->AddItem(QString::fromStdString(item));
    Combo1->hide();

    for (int index = kColFirstOption; index < kColFirstOption + optionColumns; ++index) {
        auto* combo = new VbComboBox(picClient);
        combo->setObjectName(QStringLiteral("Combo5(%1)").arg(index));
        for (const char* item : layout_.optionItems[std::size_t(index - kColFirstOption)])
            combo->AddItem(QString::fromUtf8(item));
        combo->hide();
        combo5_.push_back(combo);
        connect(combo, &VbComboBox::Click, this, [this, index] { Combo5_Click(index); });
        connect(combo, &VbComboBox::LostFocus, this, [this, index] { Combo5_LostFocus(index); });
        connect(combo->model(), &QAbstractItemModel::dataChanged, this, &Form1::FitColumns);
    }

    connect(Grid1, &MSFlexGrid::MouseDown, this, &Form1::Grid1_MouseDown);
    connect(Grid1, &MSFlexGrid::KeyPress, this, &Form1::Grid1_KeyPress);
    connect(Grid1, &MSFlexGrid::Click, this, &Form1::Grid1_Click);
    connect(Grid1, &MSFlexGrid::HeaderChanged, this, &Form1::FitColumns);
    connect(Grid1, &MSFlexGrid::Scroll, this, &Form1::Grid1_Scroll);
    connect(Combo1, &VbComboBox::Click, this, &Form1::Combo1_Click);
    connect(Combo1, &VbComboBox::LostFocus, this, &Form1::Combo1_LostFocus);
    connect(Combo1->model(), &QAbstractItemModel::dataChanged, this, &Form1::FitColumns);
    connect(Text1, &VbTextBox::KeyPress, this, &Form1::Text1_KeyPress);
    connect(Text1, &VbTextBox::LostFocus, this, &Form1::Text1_LostFocus);
    if (Text2 != nullptr) {
        connect(Text2, &VbTextBox::Change, this, &Form1::Text2_Change);
        connect(Text2, &VbTextBox::KeyPress, this, &Form1::Text2_KeyPress);
        connect(Text2, &VbTextBox::LostFocus, this, &Form1::Text2_LostFocus);
    }
}

void Form1::Form_Load() {
    const int language = context_.state.Language;
    Attempt([&] {
        for (int c = 0; c < kColumns; ++c) Grid1->SetColAlignment(c, MSFlexGrid::flexAlignCenterCenter);
    });
    Attempt([&] {
        for (int row = 1; row < Grid1->Rows(); ++row) Grid1->SetTextMatrix(row, 0, QString::number(row));
    });
    if (layout_.headerOnLoad && (language == LangSimplified || language == LangEnglish)) {
        for (int c = 0; c < static_cast<int>(kLoadHeaders.size()); ++c) {
            const HeaderText& header = kLoadHeaders[c];
            Grid1->SetTextMatrix(
                0, c, QString::fromUtf8(language == LangSimplified ? header.simplified : header.english));
        }
    }
    // Every even row tinted, all columns, the channel number included.
    for (int row = 2; row < Grid1->Rows(); row += 2) {
        for (int c = 0; c < Grid1->Cols(); ++c) {
            Grid1->SetRow(row);
            Grid1->SetCol(c);
            Grid1->SetCellBackColor(kEvenRowColor);
        }
    }
    Grid1->SetRow(1);
    Grid1->SetCol(1);

    Combo1->SetListIndex(0);
    for (VbComboBox* combo : combo5_) combo->SetListIndex(1);

    // An engine error here costs the wheel or the scroll bars, not the form.
    obj = std::make_unique<win::SubClassGrid>();
    connect(obj.get(), &win::SubClassGrid::MouseWheel, this, &Form1::obj_MouseWheel);
    Attempt([&] { obj->HookGrid(Grid1->hWnd()); });

    m_cScroll = std::make_unique<win::cScrollBars>();
    connect(m_cScroll.get(), &win::cScrollBars::Change, this, &Form1::m_cScroll_Change);
    connect(m_cScroll.get(), &win::cScrollBars::Scroll, this, &Form1::m_cScroll_Scroll);
    Attempt([&] { m_cScroll->Create(win::HandleOf(this)); });
    m_cScroll->SetSmallChange(win::cScrollBars::efsVertical, 2);

    Grid1->move(0, 0);
    FitColumns();
    resize(TwipsToPixels(layout_.widthTwips), TwipsToPixels(layout_.heightTwips));
}

void Form1::FitColumns() {
    if (!m_cScroll) return;  // still loading: Form_Load fits the columns once everything exists
    for (int c = 0; c < kColumns; ++c) {
        QStringList texts{Grid1->TextMatrix(0, c)};
        if (c == 0)
            texts << QString::number(Grid1->Rows() - 1);
        else if (c == kColReceive || c == kColTransmit)
            texts << QStringLiteral("000.00000");
        else if (c == kColReceiveTone || c == kColTransmitTone) {
            for (int i = 0; i < Combo1->ListCount(); ++i) texts << Combo1->List(i);
        } else if (c == kColName && HasNameColumn())
            texts << QStringLiteral("WWWWWW");
        else if (VbComboBox* combo = Combo5(c)) {
            for (int i = 0; i < combo->ListCount(); ++i) texts << combo->List(i);
        }
        int pixels = 0;
        for (const QString& text : texts) pixels = std::max(pixels, Grid1->PixelsForText(text));
        Grid1->SetColWidth(c, std::max(layout_.columnTwips[std::size_t(c)], PixelsToTwips(pixels)));
    }
    FitClientToGrid();
}

void Form1::FitClientToGrid() {
    Grid1->resize(Grid1->WidthForAllColumns(), TwipsToPixels(layout_.gridHeightTwips));
    picClient->resize(Grid1->x() + Grid1->width() + 2, Grid1->y() + Grid1->height() + 2);
    Form_Resize();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (ownBars_ != nullptr && watched == ownBars_->ClientArea() && event->type() == QEvent::Resize)
        Form_Resize();
    return MdiChildForm::eventFilter(watched, event);
}

void Form1::Form_Resize() {
    if (!m_cScroll || picClient == nullptr) return;
    using win::cScrollBars;
    // Contents that fit the whole window need no bar at all. Without this,
    // two shown bars can each take the room that would make the other
    // unnecessary, and stay after the window has grown large enough.
    if (picClient->width() <= width() && picClient->height() <= height()) {
        m_cScroll->SetVisible(cScrollBars::efsVertical, false);
        m_cScroll->SetVisible(cScrollBars::efsHorizontal, false);
    }
    const QWidget* client = ownBars_->ClientArea();
    // Whole pixels throughout; a size of 0 on an axis counts as nothing to
    // scroll into, so no division ever meets a zero.
    const int scaleHeight = client->height();

    Attempt([&] {
        const int overflow = picClient->height() - scaleHeight;
        if (overflow < 1) {
            m_cScroll->SetVisible(cScrollBars::efsVertical, false);
            picClient->move(picClient->x(), 0);
        } else if (scaleHeight == 0) {
            m_cScroll->SetVisible(cScrollBars::efsVertical, false);
        } else {
            const int proportion = overflow / scaleHeight + 1;
            m_cScroll->SetLargeChange(cScrollBars::efsVertical, overflow / proportion);
            m_cScroll->SetMax(cScrollBars::efsVertical, overflow);
            m_cScroll->SetVisible(cScrollBars::efsVertical, true);
        }
    });
    Attempt([&] {
        const int width = client->width();  // the vertical bar may have just taken its room
        const int overflow = picClient->width() - width;
        if (overflow < 1) {
            m_cScroll->SetVisible(cScrollBars::efsHorizontal, false);
            picClient->move(0, picClient->y());
        } else if (width == 0) {
            m_cScroll->SetLargeChange(cScrollBars::efsHorizontal, 0);
        } else {
            const int proportion = overflow / width + 1;
            m_cScroll->SetLargeChange(cScrollBars::efsHorizontal, overflow / proportion);
            m_cScroll->SetMax(cScrollBars::efsHorizontal, overflow);
            m_cScroll->SetVisible(cScrollBars::efsHorizontal, true);
        }
    });
}

void Form1::m_cScroll_Change(int bar) {
    using win::cScrollBars;
    if (m_cScroll->Visible(bar)) {
        if (bar != cScrollBars::efsHorizontal)
            picClient->move(picClient->x(), -m_cScroll->Value(bar));
        else
            picClient->move(-m_cScroll->Value(bar), picClient->y());
    } else {
        picClient->move(0, 0);
    }
}

void Form1::m_cScroll_Scroll(int bar) {
    m_cScroll_Change(bar);
}

void Form1::obj_MouseWheel(int rotation, int, int) {
    int top = 0;
    if (rotation < 1)
        top = std::min(Grid1->TopRow() + 1, Grid1->Rows() - 1);
    else
        top = std::max(Grid1->TopRow() - 1, 1);
    Grid1->SetTopRow(top);
}

}  // namespace qav
