#pragma once
// The scan-priority rules of the optional-functions dialog: "Fixed" priority
// needs a channel in use, and picks the first one. They run for a user's
// choice and for a load alike.

#include "shell/Messages.h"
#include "state/EditorState.h"

namespace q716 {

// Combo11 (priority mode) set to `index`.
void choosePriorityMode(EditorState& state, int index, const MessageFn& show);

// Combo12 (preferred channel) set to `index` (channel index + 1).
void choosePreferredChannel(EditorState& state, int index, const MessageFn& show);

} // namespace q716
