#include "print/PrintLayout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace qav {
namespace {

// Horizontal placement by the cell and title argument: 0 left, 1 right, 2 centred.
Qt::Alignment Horizontal(int alignment) {
    switch (alignment) {
        case 1:
            return Qt::AlignRight;
        case 2:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

// Horizontal placement of a grid column by its ColAlignment (left, centre or
// right in groups of three; 9, general, is left).
Qt::Alignment GridHorizontal(int alignment) {
    if (alignment < 0 || alignment > 8) return Qt::AlignLeft;
    static constexpr Qt::AlignmentFlag kByGroup[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    return kByGroup[alignment / 3];
}

const QColor kFixedCellColor(230, 230, 230);  // the grid's header row and number column

}  // namespace

int PrintLayout::Render(const PrintDocument& document, const PrintSettings& settings,
                        QPagedPaintDevice& device) {
    const double margin = settings.pageMargin / 10.0;
    device.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Inch);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    PrintLayout layout(settings, device, painter);
    for (const PrintOp& op : document) layout.Draw(op);
    layout.FinishLine();
    if (layout.pages_ == 0) layout.NewPage();  // an empty document is one blank page
    return painter.end() ? layout.pages_ : 0;
}

PrintLayout::PrintLayout(const PrintSettings& settings, QPagedPaintDevice& device, QPainter& painter)
    : settings_(settings),
      device_(device),
      painter_(painter),
      dpi_(device.logicalDpiY()),
      pageWidth_(device.width()),
      pageHeight_(device.height()) {}

void PrintLayout::Draw(const PrintOp& op) {
    using Kind = PrintOp::Kind;
    switch (op.kind) {
        case Kind::BeginDocument:
        case Kind::EndDocument:
            break;
        case Kind::NewPage:
            FinishLine();
            NewPage();
            break;
        case Kind::FontBold:
            bold_ = op.value != 0;
            break;
        case Kind::TitleSize:
            titleSize_ = op.value;
            break;
        case Kind::TitleLine:
            TitleLine(op);
            break;
        case Kind::SectionHeading:
            SectionHeading(op.text);
            break;
        case Kind::LineBreak:
            LineBreak();
            break;
        case Kind::TableCell:
            if (pendingLine_ > 0) FinishLine();
            // The width is given in twips; an empty border text draws no border.
            row_.push_back({op.text, Twips(op.width), op.alignment.value_or(0), op.borders, bold_});
            break;
        case Kind::EndOfRow:
            DrawRow();
            break;
        case Kind::GridTable:
            if (op.grid) GridTable(*op.grid, op.text);
            break;
    }
}

QFont PrintLayout::FontOf(double points, bool bold) const {
    QFont font;
    font.setPointSizeF(std::max(points, 1.0));
    font.setBold(bold);
    return font;
}

double PrintLayout::TextHeight(const QFont& font, double width, const QString& text) const {
    const QFontMetricsF metrics(font, &device_);
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e6), Qt::TextWordWrap, text);
    return std::max(bounds.height(), metrics.height());
}

double PrintLayout::BodyLineHeight() const {
    return QFontMetricsF(FontOf(settings_.fontSize, false), &device_).height();
}

void PrintLayout::NewPage() {
    if (pages_ > 0 && !pageUsed_) return;  // the page just started is still empty
    if (pages_ > 0) device_.newPage();
    ++pages_;
    pageUsed_ = false;
    y_ = 0;
}

void PrintLayout::MakeRoom(double height) {
    if (pages_ == 0 || (pageUsed_ && y_ + height > pageHeight_)) NewPage();
    pageUsed_ = true;
}

void PrintLayout::FinishLine() {
    if (!row_.empty()) DrawRow();
    y_ += pendingLine_;
    pendingLine_ = 0;
}

void PrintLayout::TitleLine(const PrintOp& op) {
    FinishLine();
    const QFont font = FontOf(op.size.value_or(titleSize_), bold_);
    const double height = TextHeight(font, pageWidth_, op.text);
    MakeRoom(height);
    painter_.setFont(font);
    painter_.drawText(QRectF(0, y_, pageWidth_, height),
                      Horizontal(op.alignment.value_or(2)) | Qt::AlignVCenter | Qt::TextWordWrap, op.text);
    y_ += height;
}

void PrintLayout::SectionHeading(const QString& text) {
    FinishLine();
    const QFont font = FontOf(settings_.fontSize + 2, true);
    const double height = TextHeight(font, pageWidth_, text);
    MakeRoom(height);
    painter_.setFont(font);
    painter_.drawText(QRectF(0, y_, pageWidth_, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                      text);
    pendingLine_ = height;
}

void PrintLayout::LineBreak() {
    if (!row_.empty() || pendingLine_ > 0) {
        FinishLine();
        return;
    }
    MakeRoom(BodyLineHeight());
    y_ += BodyLineHeight();
}

void PrintLayout::DrawRow() {
    std::vector<Cell> cells;
    cells.swap(row_);
    if (cells.empty()) return;
    // A row wider than the page is narrowed as a whole, so no cell is cut off.
    double total = 0;
    for (const Cell& cell : cells) total += cell.width;
    const double scale = total > pageWidth_ ? pageWidth_ / total : 1.0;
    const double padX = Points(settings_.cellPaddingX);
    const double padY = Points(settings_.cellPaddingY);

    double height = 0;
    for (const Cell& cell : cells) {
        const QFont font = FontOf(settings_.fontSize, cell.bold);
        height = std::max(height, TextHeight(font, cell.width * scale - 2 * padX, cell.text) + 2 * padY);
    }
    MakeRoom(height);
    painter_.setPen(QPen(Qt::black, Points(0.5)));
    double x = 0;
    for (const Cell& cell : cells) {
        const double width = cell.width * scale;
        const QRectF box(x, y_, width, height);
        painter_.setFont(FontOf(settings_.fontSize, cell.bold));
        painter_.drawText(box.adjusted(padX, padY, -padX, -padY),
                          Horizontal(cell.alignment) | Qt::AlignVCenter | Qt::TextWordWrap, cell.text);
        // The border text names left, top, right and bottom in that order.
        const auto drawn = [&cell](int side) {
            return cell.borders.size() > side && cell.borders[side] == u'1';
        };
        if (drawn(0)) painter_.drawLine(box.topLeft(), box.bottomLeft());
        if (drawn(1)) painter_.drawLine(box.topLeft(), box.topRight());
        if (drawn(2)) painter_.drawLine(box.topRight(), box.bottomRight());
        if (drawn(3)) painter_.drawLine(box.bottomLeft(), box.bottomRight());
        x += width;
    }
    y_ += height;
}

void PrintLayout::GridTable(const GridTableData& grid, const QString& title) {
    FinishLine();
    if (grid.cells.empty()) return;
    const std::size_t columns = grid.cells.front().size();
    const double padX = Points(settings_.cellPaddingX);
    const double padY = Points(settings_.cellPaddingY);

    // Each column as wide as its widest text; a smaller font until the whole
    // table fits across the page.
    double points = settings_.fontSize;
    std::vector<double> widths(columns, 0.0);
    QFont font;
    for (;;) {
        font = FontOf(points, false);
        const QFontMetricsF plain(font, &device_);
        const QFontMetricsF bold(FontOf(points, true), &device_);
        std::fill(widths.begin(), widths.end(), 0.0);
        for (std::size_t r = 0; r < grid.cells.size(); ++r)
            for (std::size_t c = 0; c < columns && c < grid.cells[r].size(); ++c) {
                const QFontMetricsF& metrics = r == 0 ? bold : plain;
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(grid.cells[r][c]) + 2 * padX);
            }
        double total = 0;
        for (double w : widths) total += w;
        if (total <= pageWidth_ || points <= 4) {
            if (total > pageWidth_)
                for (double& w : widths) w *= pageWidth_ / total;
            break;
        }
        // The padding keeps its size; only the texts shrink with the font.
        const double padding = 2 * padX * double(columns);
        const double factor = pageWidth_ > padding && total > padding
                                  ? (pageWidth_ - padding) / (total - padding)
                                  : pageWidth_ / total;
        points = std::max(4.0, points * factor * 0.99);
    }
    const double rowHeight = QFontMetricsF(font, &device_).height() + 2 * padY;

    MakeRoom(2 * rowHeight);  // never a header row alone at the foot of a page
    DrawGridRow(grid, 0, widths, rowHeight, font);
    for (int row = 1; row < int(grid.cells.size()); ++row) {
        if (y_ + rowHeight > pageHeight_) {
            // The table goes on under its title and header row.
            NewPage();
            SectionHeading(title);
            FinishLine();
            DrawGridRow(grid, 0, widths, rowHeight, font);
        }
        DrawGridRow(grid, row, widths, rowHeight, font);
    }
}

void PrintLayout::DrawGridRow(const GridTableData& grid, int row, const std::vector<double>& widths,
                              double height, const QFont& font) {
    MakeRoom(height);
    const double padX = Points(settings_.cellPaddingX);
    QFont cellFont = font;
    cellFont.setBold(row == 0);
    painter_.setFont(cellFont);
    painter_.setPen(QPen(Qt::black, Points(0.5)));
    const std::vector<QString>& cells = grid.cells[std::size_t(row)];
    double x = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const QRectF box(x, y_, widths[c], height);
        if (row == 0 || c == 0) painter_.fillRect(box, kFixedCellColor);
        painter_.drawRect(box);
        const int alignment = c < grid.alignments.size() ? grid.alignments[c] : 0;
        if (c < cells.size())
            painter_.drawText(box.adjusted(padX, 0, -padX, 0), GridHorizontal(alignment) | Qt::AlignVCenter,
                              cells[c]);
        x += widths[c];
    }
    y_ += height;
}

}  // namespace qav
