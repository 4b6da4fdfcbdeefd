#pragma once
// Form2, the transmitter power calibration: two levels 0..255, editable only
// while the service unlock holds.

#include "state/EditorState.h"

#include <QString>

namespace q716 {

constexpr int PowerLevelMinimum = 0;
constexpr int PowerLevelMaximum = 255;
constexpr int PowerLevelPageStep = 5;

// Load: sliders enabled only while DebugUnlocked, set to the two levels.
void loadDebugDialog(EditorState& state);

// OK: the sliders become the levels. The close box stores nothing.
void acceptDebugDialog(EditorState& state);

// The text of a slider's value label.
QString powerLevelText(int value);

} // namespace q716
