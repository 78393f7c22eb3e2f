#pragma once
// The user's means on the channel editor's grid: clicking a cell, pressing
// keys, typing into the editor a click opens, choosing in its list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "forms/Form1.h"
#include "forms/MSFlexGrid.h"
#include "tests/support/ListChoice.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {

class ChannelGridUser {
  public:
    void AttachTo(Form1* editor) {
        form = editor;
        grid = editor->Grid1;
    }

    // The cell in the grid's viewport, brought into view.
    QRect CellRect(int row, int col) {
        const QModelIndex index = grid->model()->index(row - 1, col);
        grid->scrollTo(index);
        return grid->visualRect(index);
    }
    // The cell in picClient's coordinates, where the editors live.
    QRect CellInPicClient(int row, int col) {
        const QRect cell = CellRect(row, col);
        return QRect(grid->viewport()->mapTo(form->picClient, cell.topLeft()), cell.size());
    }

    void ClickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(grid->viewport(), button, Qt::NoModifier, CellRect(row, col).center());
    }

    // Opens the cell's editor with a click and types text into it.
    void TypeIntoCell(int row, int col, const QString& text) {
        ClickCell(row, col);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_TRUE(editor != nullptr && (editor == form->Text1 || editor == form->Text2))
            << "no text editor opened";
        static_cast<VbTextBox*>(editor)->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
    }
    // Types a text into a cell and commits it with Enter.
    void EnterIntoCell(int row, int col, const QString& text) {
        TypeIntoCell(row, col, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    // Opens the list editor of a cell with a click and takes an item with Enter in its open list.
    void ChooseInCell(int row, int col, int item) {
        ClickCell(row, col);
        VbComboBox* list = col <= 4 ? form->Combo1 : form->Combo5(col);
        ASSERT_TRUE(list->isVisible()) << "no list editor opened";
        TakeFromOpenList(list, item);
    }

    QString Cell(int row, int col) const { return grid->TextMatrix(row, col); }

    Form1* form = nullptr;
    MSFlexGrid* grid = nullptr;
};

}  // namespace qav::test
