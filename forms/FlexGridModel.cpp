#include "forms/FlexGridModel.h"

namespace qav {

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void FlexGridModel::Resize(int rows, int cols) {
    rows = std::max(rows, 1);
    cols = std::max(cols, 1);
    beginResetModel();
    std::vector<Cell> cells(static_cast<std::size_t>(rows) * cols);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<std::size_t>(r) * cols + c] = cells_[At(r, c)];
    cells_ = std::move(cells);
    alignments_.resize(cols, Qt::AlignLeft | Qt::AlignVCenter);
    rows_ = rows;
    cols_ = cols;
    endResetModel();
}

QString FlexGridModel::Text(int row, int col) const {
    return HasCell(row, col) ? cells_[At(row, col)].text : QString();
}

void FlexGridModel::SetText(int row, int col, const QString& text) {
    if (!HasCell(row, col)) return;
    cells_[At(row, col)].text = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col), {Qt::DisplayRole});
}

std::optional<QColor> FlexGridModel::BackColor(int row, int col) const {
    return HasCell(row, col) ? cells_[At(row, col)].back : std::nullopt;
}

void FlexGridModel::SetBackColor(int row, int col, const QColor& color) {
    if (!HasCell(row, col)) return;
    cells_[At(row, col)].back = color;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col), {Qt::BackgroundRole});
}

Qt::Alignment FlexGridModel::ColumnAlignment(int col) const {
    return col >= 0 && col < cols_ ? alignments_[col] : Qt::AlignLeft | Qt::AlignVCenter;
}

void FlexGridModel::SetColumnAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= cols_) return;
    alignments_[col] = alignment;
    if (rows_ > 1) emit dataChanged(index(0, col), index(rows_ - 2, col), {Qt::TextAlignmentRole});
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + 1;
    const int col = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return Text(row, col);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ColumnAlignment(col));
        case Qt::BackgroundRole:
            if (const auto back = BackColor(row, col)) return *back;
            if (col == 0 && fixedColor_.isValid()) return fixedColor_;
            return {};
        default:
            return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    switch (role) {
        case Qt::DisplayRole:
            return Text(0, section);
        case Qt::BackgroundRole:
            if (const auto back = BackColor(0, section)) return *back;
            return {};
        default:
            return {};
    }
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.column() == 0) return Qt::ItemIsEnabled;  // fixed: current, never highlighted
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace qav
