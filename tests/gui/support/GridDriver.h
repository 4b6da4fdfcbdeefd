#pragma once
// Drives the main window like a user: clicks on cells of Grid1, typing into
// the in-place editors, choosing list items. Window tests only (uses QtTest).

#include "shell/Form1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace q716test {

inline QString cell(q716::Form1& w, int row, int col) {
    return w.Grid1->item(row - 1, col)->text();
}

inline QPoint cellCentre(q716::Form1& w, int row, int col) {
    return w.Grid1->visualItemRect(w.Grid1->item(row - 1, col)).center();
}

inline void clickCell(q716::Form1& w, int row, int col) {
    QTest::mouseClick(w.Grid1->viewport(), Qt::LeftButton, {}, cellCentre(w, row, col));
}

// Keys go where the program has put the focus: the editor, or the open list
// of a drop-down editor.
inline void typeKey(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key);
}

inline void typeKeys(const QString& keys) {
    for (QChar c : keys) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, c.toLatin1());
    }
}

// Clicks the cell and types into the editor it opens as a person does:
// straight away, into a list that opened, with Backspace for an empty
// entry; then Enter.
inline void typeIntoCell(q716::Form1& w, int row, int col, const QString& keys) {
    clickCell(w, row, col);
    if (w.Combo8->isVisible())
        QTRY_VERIFY_WITH_TIMEOUT(w.Combo8->view()->isVisible(), 5000);
    else
        QVERIFY(w.Text1->hasFocus());
    if (keys.isEmpty())
        typeKey(Qt::Key_Backspace);
    else
        typeKeys(keys);
    typeKey(Qt::Key_Return);
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
