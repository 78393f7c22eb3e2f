#include "forms/MSFlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "forms/FlexGridModel.h"
#include "winsupport/FocusTracker.h"
#include "winsupport/Twips.h"
#include "winsupport/WindowTable.h"

namespace qav {
namespace {

Qt::Alignment QtAlignment(int alignment) {
    switch (alignment) {
        case MSFlexGrid::flexAlignLeftTop:
            return Qt::AlignLeft | Qt::AlignTop;
        case MSFlexGrid::flexAlignLeftBottom:
            return Qt::AlignLeft | Qt::AlignBottom;
        case MSFlexGrid::flexAlignCenterTop:
            return Qt::AlignHCenter | Qt::AlignTop;
        case MSFlexGrid::flexAlignCenterCenter:
            return Qt::AlignCenter;
        case MSFlexGrid::flexAlignCenterBottom:
            return Qt::AlignHCenter | Qt::AlignBottom;
        case MSFlexGrid::flexAlignRightTop:
            return Qt::AlignRight | Qt::AlignTop;
        case MSFlexGrid::flexAlignRightCenter:
            return Qt::AlignRight | Qt::AlignVCenter;
        case MSFlexGrid::flexAlignRightBottom:
            return Qt::AlignRight | Qt::AlignBottom;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QColor FromWindowsColor(win::LONG color) {
    const auto value = static_cast<std::uint32_t>(color);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

win::LONG ToWindowsColor(const QColor& color) {
    return static_cast<win::LONG>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

constexpr int kCellPadding = 10;  // both sides together, and the grid line

}  // namespace

MSFlexGrid::MSFlexGrid(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this)) {
    setModel(model_);
    model_->SetFixedColor(palette().color(QPalette::Button));
    verticalHeader()->hide();
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setDragEnabled(false);
    // The wheel over the grid's own bars is the grid's wheel.
    verticalScrollBar()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &MSFlexGrid::Scroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &MSFlexGrid::Scroll);

    const win::HWND handle = win::HandleOf(this);
    proc_ = win::RegisterWindowProc([this](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
        return GridWindowProc(h, m, w, l);
    });
    oldProc_ = win::SetWindowLongA(handle, win::GWL_WNDPROC, proc_);

    SetCols(2);
    SetRows(2);
}

MSFlexGrid::~MSFlexGrid() {
    const win::HWND handle = win::HandleOf(this);
    if (win::GetWindowLongA(handle, win::GWL_WNDPROC) == proc_)
        win::SetWindowLongA(handle, win::GWL_WNDPROC, oldProc_);
    win::UnregisterWindowProc(proc_);
}

win::LRESULT MSFlexGrid::GridWindowProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam) {
    if (message == win::WM_LBUTTONUP) {
        EndPress();
        return 0;
    }
    return win::CallWindowProcA(oldProc_, window, message, wParam, lParam);
}

void MSFlexGrid::EndPress() {
    if (!pressing_) return;
    pressing_ = false;
    emit Click();
}

int MSFlexGrid::Rows() const {
    return model_->GridRows();
}

void MSFlexGrid::SetRows(int rows) {
    model_->Resize(rows, Cols() == 0 ? 2 : Cols());
    MakeCurrent(std::clamp(row_, 1, std::max(1, Rows() - 1)), std::clamp(col_, 0, Cols() - 1));
}

int MSFlexGrid::Cols() const {
    return model_->GridCols();
}

void MSFlexGrid::SetCols(int cols) {
    model_->Resize(Rows() == 0 ? 2 : Rows(), cols);
    colWidthTwips_.resize(Cols(), -1);
    colAlignment_.resize(Cols(), flexAlignGeneral);
    for (int c = 0; c < Cols(); ++c) {
        model_->SetColumnAlignment(c, QtAlignment(colAlignment_[c]));
        ApplyColumnWidth(c);
    }
    MakeCurrent(std::clamp(row_, 1, std::max(1, Rows() - 1)), std::clamp(col_, 0, Cols() - 1));
}

int MSFlexGrid::TopRow() const {
    const int modelRow = rowAt(0);
    return modelRow < 0 ? FixedRows : modelRow + 1;
}

void MSFlexGrid::SetTopRow(int row) {
    row = std::clamp(row, FixedRows, std::max(FixedRows, Rows() - 1));
    verticalScrollBar()->setValue(row - 1);
}

int MSFlexGrid::Row() const {
    return row_;
}
int MSFlexGrid::Col() const {
    return col_;
}

bool MSFlexGrid::SetRow(int row) {
    if (row < FixedRows || row >= Rows()) return false;
    MakeCurrent(row, col_);
    return true;
}

bool MSFlexGrid::SetCol(int col) {
    if (col < 0 || col >= Cols()) return false;
    MakeCurrent(row_, col);
    return true;
}

QModelIndex MSFlexGrid::CurrentModelIndex() const {
    return model_->index(row_ - 1, col_);
}

void MSFlexGrid::MakeCurrent(int row, int col) {
    row_ = row;
    col_ = col;
    const QModelIndex index = CurrentModelIndex();
    if (!index.isValid() || selectionModel() == nullptr) return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void MSFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid()) return;
    row_ = current.row() + 1;
    col_ = current.column();
}

QString MSFlexGrid::Text() const {
    return model_->Text(row_, col_);
}
void MSFlexGrid::SetText(const QString& text) {
    model_->SetText(row_, col_, text);
}

QString MSFlexGrid::TextMatrix(int row, int col) const {
    return model_->Text(row, col);
}

void MSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (!model_->HasCell(row, col)) return;
    model_->SetText(row, col, text);
    if (row == 0) emit HeaderChanged(col);
}

int MSFlexGrid::ColWidth(int col) const {
    if (col < 0 || col >= Cols()) return 0;
    if (colWidthTwips_[col] >= 0) return colWidthTwips_[col];
    return PixelsToTwips(columnWidth(col));
}

void MSFlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= Cols()) return;
    colWidthTwips_[col] = std::max(0, twips);
    ApplyColumnWidth(col);
}

void MSFlexGrid::ApplyColumnWidth(int col) {
    const int twips = colWidthTwips_[col];
    setColumnWidth(col, twips >= 0 ? TwipsToPixels(twips) : TwipsToPixels(975));  // the control's default
}

int MSFlexGrid::RowHeight(int row) const {
    if (row < FixedRows || row >= Rows()) return 0;
    return PixelsToTwips(rowHeight(row - 1));
}

void MSFlexGrid::SetRowHeight(int row, int twips) {
    if (row < FixedRows || row >= Rows()) return;
    setRowHeight(row - 1, TwipsToPixels(std::max(0, twips)));
}

int MSFlexGrid::ColAlignment(int col) const {
    return col >= 0 && col < Cols() ? colAlignment_[col] : 0;
}

void MSFlexGrid::SetColAlignment(int col, int alignment) {
    if (col < 0 || col >= Cols()) return;
    colAlignment_[col] = alignment;
    model_->SetColumnAlignment(col, QtAlignment(alignment));
}

win::LONG MSFlexGrid::CellBackColor() const {
    if (const auto back = model_->BackColor(row_, col_)) return ToWindowsColor(*back);
    return ToWindowsColor(palette().color(QPalette::Base));
}

void MSFlexGrid::SetCellBackColor(win::LONG color) {
    model_->SetBackColor(row_, col_, FromWindowsColor(color));
}

QRect MSFlexGrid::CurrentCellRect() {
    const QModelIndex index = CurrentModelIndex();
    if (!index.isValid()) return {};
    scrollTo(index);
    return visualRect(index).translated(viewport()->geometry().topLeft());
}

int MSFlexGrid::CellLeft() {
    return CurrentCellRect().left();
}
int MSFlexGrid::CellTop() {
    return CurrentCellRect().top();
}
int MSFlexGrid::CellWidth() {
    return CurrentCellRect().width();
}
int MSFlexGrid::CellHeight() {
    return CurrentCellRect().height();
}

win::HWND MSFlexGrid::hWnd() {
    return win::HandleOf(this);
}

void MSFlexGrid::SetFocus() {
    FocusTracker::SetFocus(this);
}

int MSFlexGrid::PixelsForText(const QString& text) const {
    const int inCell = fontMetrics().horizontalAdvance(text);
    const int inHeader = horizontalHeader()->fontMetrics().horizontalAdvance(text);
    return std::max(inCell, inHeader) + kCellPadding;
}

int MSFlexGrid::WidthForAllColumns() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < Cols(); ++c) width += columnWidth(c);
    return width;
}

void MSFlexGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        QTableView::mousePressEvent(event);  // the pressed cell becomes current
        MakeCurrent(index.row() + 1, index.column());
        pressing_ = true;
    } else {
        event->accept();  // other buttons leave the current cell
    }
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), at.x(), at.y());
}

void MSFlexGrid::mouseMoveEvent(QMouseEvent* event) {
    // A held button never drags the current cell or a selection along.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void MSFlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool clickDue = pressing_;
    pressing_ = false;
    QTableView::mouseReleaseEvent(event);
    if (clickDue) emit Click();
}

void MSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void MSFlexGrid::keyPressEvent(QKeyEvent* event) {
    int keyAscii = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        keyAscii = 13;
    else if (event->key() == Qt::Key_Escape)
        keyAscii = 27;
    else if (!(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) && !event->text().isEmpty() &&
             event->text().at(0).isPrint())
        keyAscii = event->text().at(0).unicode();
    if (keyAscii != 0) {
        emit KeyPress(keyAscii);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void MSFlexGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    // At the end of its rows the view lines the last row up with its bottom
    // edge, which leaves the top row cut in two under the header. The grid
    // keeps its top row whole there too: the last rows fit whole below it,
    // with room to spare at the bottom.
    const QScrollBar* bar = verticalScrollBar();
    if (bar->maximum() == 0 || bar->value() != bar->maximum()) return;
    QHeaderView* rows = verticalHeader();
    const int whole = rows->sectionPosition(rows->logicalIndex(bar->value()));
    if (rows->offset() == whole) return;
    rows->setOffset(whole);
    viewport()->update();
}

void MSFlexGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    FocusTracker::FocusIn(this);
}

void MSFlexGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    FocusTracker::FocusOut(this, event->reason());
}

void MSFlexGrid::wheelEvent(QWheelEvent* event) {
    // No hook took the turn over the cells: the scroll area hands it to a bar,
    // and that bar must scroll by it instead of sending it back here.
    QScopedValueRollback<bool> wheeling(wheeling_, true);
    QTableView::wheelEvent(event);
}

bool MSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && !wheeling_ &&
        (watched == verticalScrollBar() || watched == horizontalScrollBar())) {
        // A turn over a bar goes the way of one over the cells, through a hook
        // on the grid's window if there is one.
        QCoreApplication::sendEvent(viewport(), event);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace qav
