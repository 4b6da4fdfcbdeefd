#pragma once
// The undoable steps of the editor: their names in the language shown, and
// how a kept editor state is put back. A step keeps the whole state before
// and after it, so undo and redo are exact by construction.

#include "state/EditorState.h"

#include <QString>

namespace q716 {

enum class EditStep {
    Cell,            // a committed cell or a list choice in the grid: channel, column
    BandChange,      // the band list, with the channels it cleared
    FunctionSetting, // a list or check box of the main window: control = its label
    Password,        // the communication password box
    OptionsDialog,   // the OK buttons of Form5, Form6, Form7, Form4 and Form2
    KeysDialog,
    EmbeddedDialog,
    TestFrequencyDialog,
    DebugDialog,
    NewTable,
    OpenFile,
    ImportCsv,
    ReadRadio,
    Cut,
    Paste,
    Insert,
    Delete,
    MoveUp,
    MoveDown,
    Clear,
    Sort,
    SetColumn, // column
};

struct StepName {
    StepName(EditStep step, int channel = 0, int column = 0, QString control = {})
        : step(step), channel(channel), column(column), control(std::move(control)) {}

    EditStep step = EditStep::Cell;
    int channel = 0; // 1..16 for Cell
    int column = 0;  // 1..8 for Cell and SetColumn
    QString control; // objectName of the function setting's label or check box

    bool operator==(const StepName&) const = default;
};

// "Channel 3 receive frequency", "Read from radio"... for language code 0
// (Chinese) or any other (English), from the caption tables.
QString stepText(const StepName& name, int languageCode);

// The name of grid column 1..8 as steps and menus use it.
QString columnName(int column, int languageCode);

// Undo and redo put `kept` back into `current`: everything but what no edit
// of the editor changes (the language, the port, the lock, the service and
// administrator modes, the hidden gesture). List texts kept in the other
// language are shown in the current one, and every dialog shows the values
// put back.
void restoreEditorState(EditorState& current, const EditorState& kept);

} // namespace q716
