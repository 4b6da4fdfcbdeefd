#pragma once
// Form6, the two programmable side keys PF1 and PF2.

#include "state/EditorState.h"

namespace q716 {

constexpr int KeyFunctionCount = 12;
constexpr int KeyFunctionOff = 1; // "OFF"

// Load step: each list shows its key's function, "OFF" when the stored value
// is not a function of the list.
void loadKeysDialog(EditorState& state);

// OK: the lists' positions become the keys' functions.
void acceptKeysDialog(EditorState& state);

} // namespace q716
