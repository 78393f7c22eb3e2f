#pragma once
// The cells of an MSFlexGrid: every text (the fixed header row included), the
// background colour a cell was given, and each column's alignment. The view
// shows row 0 as its horizontal header and rows 1 .. Rows-1 as model rows
// 0 .. Rows-2; column 0, the fixed column, is an ordinary model column that
// can be made current but not selected.

#include <QAbstractTableModel>
#include <QColor>
#include <optional>
#include <vector>

namespace qav {

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit FlexGridModel(QObject* parent = nullptr);

    int GridRows() const { return rows_; }
    int GridCols() const { return cols_; }
    // Keeps what fits of the old cells.
    void Resize(int rows, int cols);

    bool HasCell(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    QString Text(int row, int col) const;
    void SetText(int row, int col, const QString& text);
    std::optional<QColor> BackColor(int row, int col) const;
    void SetBackColor(int row, int col, const QColor& color);
    Qt::Alignment ColumnAlignment(int col) const;
    void SetColumnAlignment(int col, Qt::Alignment alignment);
    // The background of the fixed column's cells that were given no colour.
    void SetFixedColor(const QColor& color) { fixedColor_ = color; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    struct Cell {
        QString text;
        std::optional<QColor> back;
    };
    std::size_t At(int row, int col) const { return static_cast<std::size_t>(row) * cols_ + col; }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<Cell> cells_;
    std::vector<Qt::Alignment> alignments_;
    QColor fixedColor_;
};

}  // namespace qav
