#pragma once
// What the fuzz targets share: the editors an input is tried on, a message
// answerer that never waits for anybody, and the checks of a loaded editor.

#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QString>
#include <vector>

namespace q716::fuzz {

// A fresh Chinese start, and an English editor whose values all differ from
// the defaults (channels, settings, dialogs, lock, unlocked calibration,
// service mode), so a change to any of them shows.
const std::vector<EditorState>& startingEditors();

// Records every message and answers as the default button would (OK, Yes).
struct MessageLog {
    std::vector<Message> shown;
    MessageFn answerer();
};

// Exactly 1696 upper-case hex digits.
bool isImageText(const QString& text);

// Every list position is inside its list (or "no selection" where a load may
// leave one), every number inside its range and every text fits its field.
void checkEditorInRange(const EditorState& state);

// After a load the dialogs show the loaded values and the calibration is
// locked again.
void checkDialogsShowLoadedValues(const EditorState& state);

// A load writes only what the image holds: the language, the port, the lock,
// the model, the channel numbers, the service and administrator modes and the
// option slots without a byte in the image stay as they were.
void checkOnlyImageTargetsChanged(const EditorState& before, const EditorState& after);

} // namespace q716::fuzz
