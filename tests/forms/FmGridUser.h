#pragma once
// The user's means on the FM channel grid: clicking a cell and typing into the
// editor the click opens.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "winsupport/VbTextBox.h"

namespace qav::test {

class FmGridUser {
  public:
    explicit FmGridUser(Form5* form = nullptr) : form_(form) {}
    void AttachTo(Form5* form) { form_ = form; }

    void ClickCell(int channel, int col = Form5::kColFrequency) {
        MSFlexGrid* grid = form_->MSFGrid;
        const QModelIndex index = grid->model()->index(channel - 1, col);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
    }
    // Opens the cell editor with a click and types over its text.
    void TypeIntoCell(int channel, const QString& typed, int col = Form5::kColFrequency) {
        ClickCell(channel, col);
        ASSERT_TRUE(form_->Text1->isVisible()) << "the cell editor did not open";
        ASSERT_EQ(QApplication::focusWidget(), form_->Text1);
        form_->Text1->selectAll();
        QTest::keyClick(form_->Text1, Qt::Key_Backspace);
        QTest::keyClicks(form_->Text1, typed);
    }
    // The same, committed with Enter.
    void EnterIntoCell(int channel, const QString& typed, int col = Form5::kColFrequency) {
        TypeIntoCell(channel, typed, col);
        QTest::keyClick(form_->Text1, Qt::Key_Return);
    }
    QString Cell(int channel) const { return form_->MSFGrid->TextMatrix(channel, Form5::kColFrequency); }

  private:
    Form5* form_;
};

}  // namespace qav::test
