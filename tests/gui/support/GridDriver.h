#pragma once
// Drives the main window like a user: clicks on cells of Grid1, typing into
// the in-place editors, choosing list items. Window tests only (uses QtTest).

#include "shell/Form1.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace q716test {

inline QString cell(q716::Form1& w, int row, int col) {
    return w.Grid1->item(row - 1, col)->text();
}

inline void clickCell(q716::Form1& w, int row, int col) {
    const QRect r = w.Grid1->visualItemRect(w.Grid1->item(row - 1, col));
    QTest::mouseClick(w.Grid1->viewport(), Qt::LeftButton, {}, r.center());
}

// Clicks the cell and types into the editor it opens, then Enter.
inline void typeIntoCell(q716::Form1& w, int row, int col, const QString& keys) {
    clickCell(w, row, col);
    QWidget* editor =
        w.Text1->isVisible() ? static_cast<QWidget*>(w.Text1) : static_cast<QWidget*>(w.Combo8);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->hidePopup();
        combo->lineEdit()->clear();
    } else {
        static_cast<QLineEdit*>(editor)->clear();
    }
    QTest::keyClicks(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
}

// Picks item `index` of an open drop-down list with the keyboard (a mouse
// release right after the list opens is ignored by Qt on purpose).
inline void chooseListItem(QComboBox* combo, int index) {
    QAbstractItemView* view = combo->view();
    if (index == combo->count() - 1) {
        QTest::keyClick(view, Qt::Key_End);
    } else {
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(view, Qt::Key_Down);
    }
    QTest::keyClick(view, Qt::Key_Return);
}

} // namespace q716test
