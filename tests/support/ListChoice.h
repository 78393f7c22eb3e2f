#pragma once
// Choosing in a drop-down list as a user does: the list opens, an item is
// pointed at and taken with Enter.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>

#include "winsupport/VbComboBox.h"

namespace qav::test {

// Takes item `index` of a list whose drop-down is open.
inline void TakeFromOpenList(VbComboBox* list, int index) {
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible()) << "the list did not open";
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// Opens the list as a click on it does and takes item `index`.
inline void ChooseInList(VbComboBox* list, int index) {
    list->OpenList();
    TakeFromOpenList(list, index);
}

}  // namespace qav::test
