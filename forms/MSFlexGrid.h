#pragma once
// A grid of text cells with one fixed header row and one fixed column, with
// the properties and events the editing forms use: the current cell (Row,
// Col), per-cell texts and background colours, column widths in twips and
// alignments, the top row, and the geometry of the current cell so that an
// editor can be placed exactly over it.
//
// The selection is always the current cell alone (RowSel = Row, ColSel = Col):
// the in-place editors work on one cell. A left press on a cell makes it
// current and raises MouseDown; the release raises Click, unless the press was
// ended earlier by a WM_LBUTTONUP sent to the grid's window, which raises
// Click at once and leaves the real release without effect (so the grid never
// drags a selection). Presses on the header row raise nothing.
//
// The grid has its own window procedure (hWnd) for that message; everything
// else goes on to Qt, so the grid can be subclassed like any window.
//
// The wheel over the grid's cells or over its own scroll bars is the grid's
// wheel: a hook on the grid's window (its owner's way of scrolling it) sees
// both. Without a hook the grid scrolls as Qt does, once a turn. Scroll is
// raised whenever the top row or the horizontal position changes, by the
// wheel, a bar, the keyboard or code.

#include <QTableView>
#include <vector>

#include "winsupport/WinTypes.h"

namespace qav {

class FlexGridModel;

class MSFlexGrid : public QTableView {
    Q_OBJECT
  public:
    static constexpr int FixedRows = 1;
    static constexpr int FixedCols = 1;
    // ColAlignment values.
    enum Alignment {
        flexAlignLeftTop = 0,
        flexAlignLeftCenter = 1,
        flexAlignLeftBottom = 2,
        flexAlignCenterTop = 3,
        flexAlignCenterCenter = 4,
        flexAlignCenterBottom = 5,
        flexAlignRightTop = 6,
        flexAlignRightCenter = 7,
        flexAlignRightBottom = 8,
        flexAlignGeneral = 9,
    };

    explicit MSFlexGrid(QWidget* parent = nullptr);
    ~MSFlexGrid() override;

    int Rows() const;
    void SetRows(int rows);
    int Cols() const;
    void SetCols(int cols);

    // The first scrollable row shown under the header; a value beyond what can
    // be scrolled to is brought into range.
    int TopRow() const;
    void SetTopRow(int row);

    // The current cell. A row from 1 and any column can be made current;
    // false (and nothing changes) outside the grid.
    int Row() const;
    bool SetRow(int row);
    int Col() const;
    bool SetCol(int col);
    // The selection end, which is always the current cell: setting it moves
    // the current cell.
    int RowSel() const { return Row(); }
    bool SetRowSel(int row) { return SetRow(row); }
    int ColSel() const { return Col(); }
    bool SetColSel(int col) { return SetCol(col); }

    // The current cell's text.
    QString Text() const;
    void SetText(const QString& text);
    // Any cell, row 0 (the header) included; outside the grid reads empty and
    // stores nothing.
    Q_INVOKABLE QString TextMatrix(int row, int col) const;
    Q_INVOKABLE void SetTextMatrix(int row, int col, const QString& text);

    // Width in twips.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    // Height of a scrollable row (from 1) in twips.
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);
    // The current cell's background as a Windows colour value (0x00BBGGRR);
    // a cell never given one reads as the grid's background.
    win::LONG CellBackColor() const;
    void SetCellBackColor(win::LONG color);

    // The current cell in pixels, relative to the grid's own top-left corner.
    // Reading them scrolls the cell into view first, so an editor placed there
    // is over the cell.
    int CellLeft();
    int CellTop();
    int CellWidth();
    int CellHeight();

    bool Redraw() const { return updatesEnabled(); }
    void SetRedraw(bool redraw) { setUpdatesEnabled(redraw); }

    win::HWND hWnd();
    // Gives the grid the focus; the control that had it raises LostFocus first.
    void SetFocus();

    // Pixels a cell or header text needs to show unclipped in this grid.
    int PixelsForText(const QString& text) const;
    // Pixels the grid needs across to show every column without scrolling.
    int WidthForAllColumns() const;

  signals:
    void Click();
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
    // x, y: pixels in the grid.
    void MouseDown(int button, int shift, int x, int y);
    void KeyPress(int& keyAscii);
    // A header text was set (its column may need another width).
    void HeaderChanged(int col);
    // The cells moved under the grid's window: another top row or horizontal position.
    void Scroll();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString&) override {}
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    win::LRESULT GridWindowProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    void EndPress();
    QModelIndex CurrentModelIndex() const;
    void MakeCurrent(int row, int col);
    QRect CurrentCellRect();
    void ApplyColumnWidth(int col);

    FlexGridModel* model_;
    std::vector<int> colWidthTwips_;
    std::vector<int> colAlignment_;
    int row_ = 1;
    int col_ = 1;
    bool pressing_ = false;  // a left press on a cell whose Click is still due
    bool wheeling_ = false;  // a wheel turn is on its way to a bar: the bar takes it itself
    win::WNDPROC proc_ = 0;
    win::WNDPROC oldProc_ = 0;
};

}  // namespace qav
