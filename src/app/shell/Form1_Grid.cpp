// The channel table, its in-place editors, the band list and the password box.
#include "shell/Form1.h"

#include "channels/BandChange.h"
#include "channels/CellRules.h"
#include "channels/ChannelTable.h"
#include "channels/DropDownCombo.h"
#include "channels/RowSelection.h"
#include "channels/ToneEditor.h"
#include "edit/EditHistory.h"
#include "shell/AccessibleNames.h"
#include "shell/LocalMsgBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <algorithm>
#include <utility>

namespace q716 {

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The character a key press types, backspace included; none for keys that
// type nothing (arrows, Delete, function keys).
std::optional<QChar> typedChar(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace)
        return QChar(8);
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint())
        return std::nullopt;
    return text[0];
}

// Runs a key filter on a line edit: the key is discarded or typed (possibly
// changed) by hand. Returns true when the event was consumed.
bool filterInto(QLineEdit* edit, QKeyEvent* key, std::optional<QChar> (*filter)(QChar)) {
    const std::optional<QChar> typed = typedChar(key);
    if (!typed)
        return false;
    const std::optional<QChar> accepted = filter(*typed);
    if (!accepted)
        return true;
    if (*accepted == QChar(8) || *accepted == *typed)
        return false;
    edit->insert(QString(*accepted));
    return true;
}

bool listOpen(const QFocusEvent* focus) {
    return focus->reason() == Qt::PopupFocusReason || QApplication::activePopupWidget();
}

// Another program's window became active: the editor keeps its text and is
// left, or not, when the user comes back.
bool leavingTheProgram(const QFocusEvent* focus) {
    return focus->reason() == Qt::ActiveWindowFocusReason && !QApplication::activeWindow();
}

} // namespace

void Form1::SetGrid1Text() {
    q716::SetGrid1Text(state.form1.grid, state.values.languageCode);
    refreshGrid();
}

void Form1::ClearGrid1() {
    q716::ClearGrid1(state.form1.grid);
    refreshGrid();
}

void Form1::ClearGrid() {
    q716::ClearGrid(state.form1.grid);
    refreshGrid();
}

void Form1::ClearNO(int row) {
    q716::ClearNO(state.form1.grid, row);
    refreshGrid();
}

void Form1::placeEditor(QWidget* editor, int row, int col, bool fullHeight) {
    QRect cell = Grid1->visualItemRect(Grid1->item(row - 1, col));
    cell.moveTopLeft(Grid1->viewport()->mapTo(page(), cell.topLeft()));
    if (fullHeight)
        editor->setGeometry(cell);
    else
        editor->setGeometry(cell.x(), cell.y(), cell.width(), editor->sizeHint().height());
    nameCellEditor(editor, row, col, state.values.languageCode);
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void Form1::openList(QComboBox* editor) {
    // The button may have come up already, while a message was shown.
    if (gridButtonDown_ && (QGuiApplication::mouseButtons() & Qt::LeftButton))
        listOnRelease_ = editor;
    else
        editor->showPopup();
}

void Form1::openPendingList() {
    QComboBox* editor = std::exchange(listAfterRelease_, nullptr);
    if (editor && editor->isVisible())
        editor->showPopup();
}

void Form1::hideEditors() {
    setColumnRows_.clear();
    text1Open_ = combo8Open_ = false;
    combo5Open_ = 0;
    listOnRelease_ = listAfterRelease_ = nullptr;
    Text1->hide();
    Combo8->hide();
    for (QComboBox* combo : Combo5s)
        combo->hide();
}

// Escape leaves the open editor without writing anything; the grid keeps the
// focus, so the next key moves in the table instead of editing the cell.
void Form1::cancelEditor() {
    // The editor is marked closed before it loses the focus, which would commit.
    text1Open_ = combo8Open_ = false;
    combo5Open_ = 0;
    std::vector<QComboBox*> lists(Combo5s.begin(), Combo5s.end());
    lists.push_back(Combo8);
    for (QComboBox* combo : lists)
        if (combo->view()->isVisible())
            combo->hidePopup();
    Grid1->setFocus(Qt::OtherFocusReason);
    hideEditors();
}

bool Form1::isCellEditorPart(const QObject* watched) const {
    if (watched == Text1 || watched == Combo8 || watched == Combo8->lineEdit() ||
        watched == Combo8->view())
        return true;
    return std::any_of(Combo5s.begin(), Combo5s.end(), [watched](const QComboBox* combo) {
        return watched == combo || watched == combo->view();
    });
}

void Form1::Grid1_Click() {
    if (!GridClickArmed)
        return;
    GridClickArmed = false;
    const int row = Grid1->currentRow() + 1;
    const int col = Grid1->currentColumn();
    if (row < 1 || row > ChannelCount || col < 0)
        return;
    const GridClickTarget target = gridClickTarget(state.form1.grid, row, col);
    if (target.editor == CellEditor::None)
        return;
    EditRow = target.row;
    EditCol = target.col;
    Grid1->setCurrentCell(EditRow - 1, EditCol);
    switch (target.editor) {
    case CellEditor::Text1:
        Text1->setText(target.text);
        text1Open_ = true;
        placeEditor(Text1, EditRow, EditCol, true);
        Text1->selectAll();
        break;
    case CellEditor::Combo8:
        Combo8->load(target.text);
        combo8Open_ = true;
        placeEditor(Combo8, EditRow, EditCol, false);
        openList(Combo8);
        break;
    case CellEditor::Combo5: {
        QComboBox* combo = Combo5(EditCol);
        combo->setCurrentIndex(target.listIndex);
        combo5Open_ = EditCol;
        placeEditor(combo, EditRow, EditCol, false);
        openList(combo);
        break;
    }
    case CellEditor::None:
        break;
    }
}

void Form1::Text1_LostFocus() {
    if (!text1Open_)
        return;
    text1Open_ = false;
    FrequencyCommit commit;
    {
        const StepScope step(history, {EditStep::Cell, EditRow, EditCol});
        commit = commitFrequencyAt(state.form1, EditRow, EditCol, Text1->text(),
                                   state.values.languageCode);
    }
    Text1->hide();
    refreshGrid();
    if (commit.message) {
        LocalMsgBox(*commit.message);
        Grid1->setFocus();
    }
}

void Form1::Combo8_Click(int index) {
    if (!combo8Open_)
        return;
    combo8Open_ = false;
    if (!setColumnRows_.empty()) {
        const ChannelRows rows = std::exchange(setColumnRows_, {});
        Combo8->hide();
        const int column = EditCol;
        const int language = state.values.languageCode;
        runRowOperation({EditStep::SetColumn, 0, column}, [&](EditorState& s) {
            return setColumnOnChannels(s, rows, column, index, language);
        });
        Grid1->setFocus();
        return;
    }
    {
        const StepScope step(history, {EditStep::Cell, EditRow, EditCol});
        chooseToneItem(state.form1.grid, EditRow, EditCol, index, state.values.languageCode);
    }
    Combo8->hide();
    refreshGrid();
    Grid1->setFocus();
}

void Form1::Combo8_LostFocus() {
    if (!combo8Open_)
        return;
    combo8Open_ = false;
    // Set column takes a choice from the list only.
    if (std::exchange(setColumnRows_, {}).empty()) {
        const StepScope step(history, {EditStep::Cell, EditRow, EditCol});
        commitToneAt(state.form1.grid, EditRow, EditCol, Combo8->currentText());
    }
    Combo8->hide();
    refreshGrid();
}

void Form1::Combo5_Click(int column, int index) {
    if (combo5Open_ != column)
        return;
    combo5Open_ = 0;
    if (!setColumnRows_.empty()) {
        const ChannelRows rows = std::exchange(setColumnRows_, {});
        Combo5(column)->hide();
        const int language = state.values.languageCode;
        runRowOperation({EditStep::SetColumn, 0, column}, [&](EditorState& s) {
            return setColumnOnChannels(s, rows, column, index, language);
        });
        Grid1->setFocus();
        return;
    }
    {
        const StepScope step(history, {EditStep::Cell, EditRow, column});
        chooseFlagItem(state.form1.grid, EditRow, column, index, state.values.languageCode);
    }
    Combo5(column)->hide();
    refreshGrid();
    Grid1->setFocus();
}

void Form1::Combo5_LostFocus(int column) {
    if (combo5Open_ != column)
        return;
    combo5Open_ = 0;
    setColumnRows_.clear();
    Combo5(column)->hide();
}

void Form1::Combo1_DropDown() {
    bandListOpened(state.form1);
}

void Form1::Combo1_Click(int index) {
    {
        const StepScope step(history, {EditStep::BandChange});
        bandSelected(state.form1, index, state.values.languageCode, localMessageFn());
    }
    refreshGrid();
    refreshControls();
}

void Form1::Text2_Change() {
    const StepScope step(history, {EditStep::Password});
    state.form1.text2 = Text2->text();
    state.values.commPassword = Text2->text().trimmed();
}

bool Form1::gridEvent(QEvent* event) {
    if (event->type() == QEvent::ContextMenu)
        return gridContextMenu(static_cast<QContextMenuEvent*>(event));
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (headingPress(mouse))
            return true;
        if (mouse->button() == Qt::RightButton) {
            Grid1->setFocus(Qt::MouseFocusReason);
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            // A cell of its own: the channel selection gives way to it.
            rowSelection->clear();
            GridClickArmed = true;
            gridButtonDown_ = true;
            listAfterRelease_ = nullptr; // that was an earlier click's
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && gridButtonDown_) {
            gridButtonDown_ = false;
            // After the grid has had its release: the list must not see it.
            listAfterRelease_ = std::exchange(listOnRelease_, nullptr);
            if (listAfterRelease_)
                QMetaObject::invokeMethod(this, &Form1::openPendingList, Qt::QueuedConnection);
        }
    } else if (event->type() == QEvent::MouseMove) {
        // A press completes a click; dragging starts no range selection.
        return static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
    }
    return false;
}

bool Form1::text1KeyPress(QKeyEvent* key) {
    if (isEnter(key)) {
        Grid1->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return filterInto(Text1, key, &filterText1Key);
}

bool Form1::combo8KeyPress(QKeyEvent* key) {
    if (isEnter(key)) {
        Grid1->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const std::optional<QChar> typed = typedChar(key);
    if (!typed)
        return false;
    if (const std::optional<QChar> accepted = filterCombo8Key(*typed))
        Combo8->type(*accepted);
    return true;
}

// A key that reaches the tone list. Typing goes to the edit field, as in the
// original editor, and so does Enter on a list nobody moved in; navigation
// keys stay with the list. Keys typed faster than the list closed still
// arrive here and belong to the edit field too.
bool Form1::combo8ListKey(QKeyEvent* key) {
    const bool listShown = Combo8->view()->isVisible();
    const bool forEditField = !listShown || (isEnter(key) && Combo8->listUntouched()) ||
                              (typedChar(key) && key->key() != Qt::Key_Space);
    if (!forEditField)
        return false;
    // Qt's list takes Enter before the key press itself.
    if (key->type() == QEvent::ShortcutOverride) {
        key->accept();
        return true;
    }
    if (listShown)
        Combo8->hidePopup();
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   key->count());
    QCoreApplication::sendEvent(Combo8, &copy);
    return true;
}

bool Form1::text2KeyPress(QKeyEvent* key) {
    return filterInto(Text2, key, &filterPasswordKey);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Grid1->viewport())
        return gridEvent(event);
    if (watched == Grid1 && type == QEvent::KeyPress &&
        gridSelectionKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        isCellEditorPart(watched)) {
        cancelEditor();
        return true;
    }
    // Enter, and F2 as in other tables, open the current cell's editor.
    if (watched == Grid1 && type == QEvent::KeyPress &&
        (isEnter(static_cast<QKeyEvent*>(event)) ||
         static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2)) {
        GridClickArmed = true;
        gridButtonDown_ = false;
        Grid1_Click();
        return true;
    }
    if (watched == Text1) {
        if (type == QEvent::KeyPress)
            return text1KeyPress(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && !leavingTheProgram(static_cast<QFocusEvent*>(event)))
            Text1_LostFocus();
        return false;
    }
    if ((watched == Combo8 || watched == Combo8->lineEdit()) && type == QEvent::KeyPress)
        return combo8KeyPress(static_cast<QKeyEvent*>(event));
    if (watched == Combo8->view() && (type == QEvent::KeyPress || type == QEvent::ShortcutOverride))
        return combo8ListKey(static_cast<QKeyEvent*>(event));
    // Opening a list moves the focus into its popup; that is no leaving.
    if (watched == Combo8 && type == QEvent::FocusOut) {
        auto* focus = static_cast<QFocusEvent*>(event);
        if (!listOpen(focus) && !leavingTheProgram(focus))
            Combo8_LostFocus();
        return false;
    }
    if (type == QEvent::FocusOut && watched->objectName() == QLatin1String("Combo5")) {
        auto* focus = static_cast<QFocusEvent*>(event);
        if (!listOpen(focus) && !leavingTheProgram(focus))
            Combo5_LostFocus(watched->property("index").toInt());
        return false;
    }
    if (watched == Text2) {
        if (type == QEvent::KeyPress)
            return text2KeyPress(static_cast<QKeyEvent*>(event));
        if (type == QEvent::KeyRelease || type == QEvent::FocusOut)
            Text2_Change();
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace q716
