#pragma once

#include "state/EditorState.h"

namespace q716 {

// The program-wide values and main-window settings a start sets before the
// captions are applied: band 0 without a question, PF1 = 10, then InitDefaults.
void initDefaults(EditorState& state);

// The editor of a freshly started program (language Chinese, no dialogs touched
// yet beyond their load steps).
EditorState freshEditorState();

} // namespace q716
