// The Edit menu and the grid's context menu: undo and redo of every change,
// the channels on the clipboard, and the row operations of the core.
#include "shell/Form1.h"

#include "channels/ChannelClipboard.h"
#include "channels/RowSelection.h"
#include "channels/ToneEditor.h"
#include "edit/EditHistory.h"
#include "safety/StoredValuesCheck.h"
#include "shell/AccessibleTexts.h"
#include "shell/CaptionTables.h"
#include "shell/LocalMsgBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTableWidget>
#include <QUndoStack>

namespace q716 {

namespace {

// Channels, or text that may hold them: a paste of text without what it
// needs says what is missing instead of doing nothing.
bool clipboardHasChannels() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime)
        return false;
    return mime->hasFormat(ChannelsMimeType) || !mime->text().trimmed().isEmpty();
}

} // namespace

void Form1::buildEditMenu() {
    mnuEdit = new QMenu(this);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    menuBar()->insertMenu(mnupro->menuAction(), mnuEdit);
    auto action = [this](const char* name, const QList<QKeySequence>& keys) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(keys);
        mnuEdit->addAction(a);
        return a;
    };
    mnuUndo = action("mnuUndo", QKeySequence::keyBindings(QKeySequence::Undo));
    mnuRedo = action("mnuRedo", QKeySequence::keyBindings(QKeySequence::Redo));
    mnuEdit->addSeparator();
    mnuCut = action("mnuCut", QKeySequence::keyBindings(QKeySequence::Cut));
    mnuCopy = action("mnuCopy", QKeySequence::keyBindings(QKeySequence::Copy));
    mnuPaste = action("mnuPaste", QKeySequence::keyBindings(QKeySequence::Paste));
    mnuEdit->addSeparator();
    mnuInsertChannel = action("mnuInsertChannel", {QKeySequence(Qt::Key_Insert)});
    mnuDeleteChannels = action("mnuDeleteChannels", {QKeySequence(Qt::CTRL | Qt::Key_Delete)});
    mnuMoveUp = action("mnuMoveUp", {QKeySequence(Qt::CTRL | Qt::Key_Up)});
    mnuMoveDown = action("mnuMoveDown", {QKeySequence(Qt::CTRL | Qt::Key_Down)});
    mnuClearChannels = action("mnuClearChannels", {QKeySequence(Qt::Key_Delete)});
    mnuSortChannels = action("mnuSortChannels", {});
    mnuSetColumn = action("mnuSetColumn", {});

    gridMenu = new QMenu(this);
    gridMenu->setObjectName(QStringLiteral("gridMenu"));
    for (QAction* a : {mnuCut, mnuCopy, mnuPaste})
        gridMenu->addAction(a);
    gridMenu->addSeparator();
    for (QAction* a : {mnuInsertChannel, mnuDeleteChannels, mnuMoveUp, mnuMoveDown,
                       mnuClearChannels, mnuSortChannels})
        gridMenu->addAction(a);
    gridMenu->addSeparator();
    gridMenu->addAction(mnuSetColumn);
}

void Form1::connectEditMenu() {
    // The clipboard and row keys belong to the grid: in a text box or a list
    // they keep their own meaning. Undo and redo work in the whole window.
    for (QAction* a : {mnuCut, mnuCopy, mnuPaste, mnuInsertChannel, mnuDeleteChannels, mnuMoveUp,
                       mnuMoveDown, mnuClearChannels, mnuSortChannels, mnuSetColumn}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        Grid1->addAction(a);
    }
    const std::array<std::pair<QAction*, void (Form1::*)()>, 12> handlers = {{
        {mnuUndo, &Form1::mnuUndo_Click},
        {mnuRedo, &Form1::mnuRedo_Click},
        {mnuCut, &Form1::mnuCut_Click},
        {mnuCopy, &Form1::mnuCopy_Click},
        {mnuPaste, &Form1::mnuPaste_Click},
        {mnuInsertChannel, &Form1::mnuInsertChannel_Click},
        {mnuDeleteChannels, &Form1::mnuDeleteChannels_Click},
        {mnuMoveUp, &Form1::mnuMoveUp_Click},
        {mnuMoveDown, &Form1::mnuMoveDown_Click},
        {mnuClearChannels, &Form1::mnuClearChannels_Click},
        {mnuSortChannels, &Form1::mnuSortChannels_Click},
        {mnuSetColumn, &Form1::mnuSetColumn_Click},
    }};
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);

    QUndoStack* stack = history->stack();
    connect(stack, &QUndoStack::indexChanged, this, [this] { updateEditActions(); });
    connect(stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(history, &EditHistory::restored, this, &Form1::afterRestore);
    connect(rowSelection, &RowSelection::changed, this, [this] {
        Grid1->viewport()->update();
        updateEditActions();
    });
    connect(Grid1, &QTableWidget::currentCellChanged, this, [this] { updateEditActions(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { updateEditActions(); });
    connect(mnuEdit, &QMenu::aboutToShow, this, &Form1::updateEditActions);
    connect(gridMenu, &QMenu::aboutToShow, this, &Form1::updateEditActions);
    connect(this, &Form1::captionsApplied, this, [this] {
        history->retranslate();
        updateUndoTexts();
    });
}

ChannelRows Form1::selectedChannels() const {
    if (!rowSelection->isEmpty())
        return rowSelection->rows();
    const int row = Grid1->currentRow() + 1;
    if (row >= 1 && row <= ChannelCount && Grid1->currentColumn() >= 1)
        return {row};
    return {};
}

// The column Set column works on: the one the context menu was opened on,
// else the current cell's.
int Form1::setColumnColumn() const {
    return contextColumn_ ? contextColumn_ : Grid1->currentColumn();
}

void Form1::updateUndoTexts() {
    const int language = state.values.languageCode;
    const auto withStep = [](const QString& command, const QString& step) {
        return step.isEmpty() ? command : command + QLatin1Char(' ') + step;
    };
    const auto command = [language](const char* name) {
        const QString form1 = QStringLiteral("Form1");
        const QString action = QLatin1String(name);
        return withMnemonic(tableCaption(form1, action, language),
                            menuMnemonic(form1, action, language));
    };
    mnuUndo->setText(withStep(command("mnuUndo"), history->stack()->undoText()));
    mnuRedo->setText(withStep(command("mnuRedo"), history->stack()->redoText()));
}

void Form1::updateEditActions() {
    if (!history)
        return;
    const bool editable = !state.form1.lockState;
    const ChannelGrid& grid = state.form1.grid;
    const ChannelRows rows = selectedChannels();
    const bool anyInUse = canClearChannels(grid, rows);
    mnuUndo->setEnabled(editable && history->stack()->canUndo());
    mnuRedo->setEnabled(editable && history->stack()->canRedo());
    mnuCut->setEnabled(editable && anyInUse);
    mnuCopy->setEnabled(anyInUse);
    mnuPaste->setEnabled(editable && !rows.empty() && clipboardHasChannels());
    // With channel 16 in use, Insert says why it cannot insert.
    mnuInsertChannel->setEnabled(editable && !rows.empty());
    mnuDeleteChannels->setEnabled(editable && !rows.empty());
    mnuMoveUp->setEnabled(editable && canMoveChannels(rows, -1));
    mnuMoveDown->setEnabled(editable && canMoveChannels(rows, 1));
    mnuClearChannels->setEnabled(editable && anyInUse);
    mnuSortChannels->setEnabled(editable && canSortChannels(grid));
    mnuSetColumn->setEnabled(editable && canSetColumn(grid, rows, setColumnColumn()));
    updateUndoTexts();
}

void Form1::afterRestore() {
    refreshFromState();
    updateEditActions();
}

void Form1::mnuUndo_Click() {
    if (!mnuUndo->isEnabled())
        return;
    hideEditors();
    history->stack()->undo();
}

void Form1::mnuRedo_Click() {
    if (!mnuRedo->isEnabled())
        return;
    hideEditors();
    history->stack()->redo();
}

void Form1::runRowOperation(const StepName& name,
                            const std::function<RowOperationResult(EditorState&)>& operation) {
    hideEditors();
    RowOperationResult result;
    {
        const StepScope step(history, name);
        result = operation(state);
    }
    refreshFromState();
    if (!result.selection.empty())
        rowSelection->setRows(result.selection);
    updateEditActions();
    if (result.message)
        LocalMsgBox(*result.message);
}

void Form1::copySelectedChannels() {
    const std::vector<CopiedChannel> copied = copyChannels(state.form1.grid, selectedChannels());
    auto* mime = new QMimeData;
    mime->setText(channelsAsText(copied));
    mime->setData(ChannelsMimeType, channelsAsOwnForm(copied));
    QApplication::clipboard()->setMimeData(mime);
}

void Form1::mnuCopy_Click() {
    if (mnuCopy->isEnabled())
        copySelectedChannels();
}

void Form1::mnuCut_Click() {
    if (!mnuCut->isEnabled())
        return;
    copySelectedChannels();
    const ChannelRows rows = selectedChannels();
    runRowOperation({EditStep::Cut}, [&](EditorState& s) { return deleteChannels(s, rows); });
}

void Form1::mnuPaste_Click() {
    if (!mnuPaste->isEnabled())
        return;
    const ChannelRows rows = selectedChannels();
    const int first = rows.front();
    const int language = state.values.languageCode;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const int band = state.form1.combo1;
    PastedText pasted;
    if (const auto own = mime->hasFormat(ChannelsMimeType)
                             ? channelsFromOwnForm(mime->data(ChannelsMimeType))
                             : std::nullopt)
        pasted = checkOwnFormChannels(*own, first, band, language);
    else
        pasted = channelsFromText(mime->text(), first, band, language);
    if (pasted.refusal) {
        LocalMsgBox(*pasted.refusal);
        return;
    }
    const QList<FieldDifference> before = valuesNotStored(state);
    runRowOperation({EditStep::Paste}, [&](EditorState& s) {
        return pasteChannels(s, first, pasted.channels, language);
    });
    tellValuesNotStored(state, before);
}

void Form1::mnuInsertChannel_Click() {
    const ChannelRows rows = selectedChannels();
    if (rows.empty() || state.form1.lockState)
        return;
    const int language = state.values.languageCode;
    runRowOperation({EditStep::Insert},
                    [&](EditorState& s) { return insertChannel(s, rows.front(), language); });
}

void Form1::mnuDeleteChannels_Click() {
    if (!mnuDeleteChannels->isEnabled())
        return;
    const ChannelRows rows = selectedChannels();
    runRowOperation({EditStep::Delete}, [&](EditorState& s) { return deleteChannels(s, rows); });
}

void Form1::mnuMoveUp_Click() {
    if (!mnuMoveUp->isEnabled())
        return;
    const ChannelRows rows = selectedChannels();
    runRowOperation({EditStep::MoveUp}, [&](EditorState& s) { return moveChannels(s, rows, -1); });
}

void Form1::mnuMoveDown_Click() {
    if (!mnuMoveDown->isEnabled())
        return;
    const ChannelRows rows = selectedChannels();
    runRowOperation({EditStep::MoveDown}, [&](EditorState& s) { return moveChannels(s, rows, 1); });
}

void Form1::mnuClearChannels_Click() {
    if (!mnuClearChannels->isEnabled())
        return;
    const ChannelRows rows = selectedChannels();
    runRowOperation({EditStep::Clear}, [&](EditorState& s) { return clearChannels(s, rows); });
}

void Form1::mnuSortChannels_Click() {
    if (!mnuSortChannels->isEnabled())
        return;
    runRowOperation({EditStep::Sort},
                    [](EditorState& s) { return sortChannelsByReceiveFrequency(s); });
}

// Opens the column's list editor over the first selected channel in use; the
// item chosen there goes to every selected channel in use (Combo5_Click,
// Combo8_Click).
void Form1::mnuSetColumn_Click() {
    const int column = setColumnColumn();
    const ChannelRows rows = selectedChannels();
    if (!canSetColumn(state.form1.grid, rows, column) || state.form1.lockState)
        return;
    const auto first =
        std::find_if(rows.begin(), rows.end(), [this](int r) { return state.form1.grid.inUse(r); });
    hideEditors();
    EditRow = *first;
    EditCol = column;
    setColumnRows_ = rows;
    Grid1->setFocus(Qt::OtherFocusReason);
    if (column == 2 || column == 4) {
        Combo8->load(state.form1.grid.cell(EditRow, column));
        Combo8->setCurrentIndex(state.form1.grid.index[EditRow][column]);
        combo8Open_ = true;
        placeEditor(Combo8, EditRow, EditCol, false);
        Combo8->showPopup();
    } else {
        QComboBox* combo = Combo5(column);
        combo->setCurrentIndex(state.form1.grid.index[EditRow][column]);
        combo5Open_ = column;
        placeEditor(combo, EditRow, EditCol, false);
        combo->showPopup();
    }
}

// A press on the heading column selects channels and opens nothing.
bool Form1::headingPress(QMouseEvent* mouse) {
    const QModelIndex index = Grid1->indexAt(mouse->position().toPoint());
    if (!index.isValid() || index.column() != 0)
        return false;
    if (mouse->button() != Qt::LeftButton)
        return false;
    const int row = index.row() + 1;
    if (mouse->modifiers() & Qt::ShiftModifier)
        rowSelection->extendTo(row);
    else if (mouse->modifiers() & Qt::ControlModifier)
        rowSelection->toggle(row);
    else
        rowSelection->select(row);
    Grid1->setFocus(Qt::MouseFocusReason);
    return true;
}

// Shift+Up and Shift+Down extend the channel selection from its anchor (or
// from the current cell's channel); plain arrows leave it.
bool Form1::gridSelectionKey(QKeyEvent* key) {
    const bool vertical = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    const bool arrow = vertical || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
    if (!arrow)
        return false;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        rowSelection->clear();
        return false;
    }
    if (mods != Qt::ShiftModifier || !vertical)
        return false;
    int focus = rowSelection->focusRow();
    if (focus == 0) {
        focus = Grid1->currentRow() + 1;
        if (focus < 1)
            return true;
        rowSelection->select(focus);
    }
    const int next = std::clamp(focus + (key->key() == Qt::Key_Up ? -1 : 1), 1, ChannelCount);
    rowSelection->extendTo(next);
    if (Grid1->currentColumn() >= 1)
        Grid1->setCurrentCell(next - 1, Grid1->currentColumn());
    return true;
}

bool Form1::gridContextMenu(QContextMenuEvent* event) {
    const QModelIndex index = Grid1->indexAt(event->pos());
    if (index.isValid()) {
        const int row = index.row() + 1;
        if (index.column() == 0) {
            if (!rowSelection->contains(row))
                rowSelection->select(row);
        } else if (!rowSelection->contains(row)) {
            rowSelection->clear();
            Grid1->setCurrentCell(index.row(), index.column());
        }
        contextColumn_ = index.column() ? index.column() : Grid1->currentColumn();
    }
    updateEditActions();
    gridMenu->exec(event->globalPos());
    contextColumn_ = 0;
    updateEditActions();
    return true;
}

} // namespace q716
