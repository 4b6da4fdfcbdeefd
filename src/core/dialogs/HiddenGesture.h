#pragma once
// The service unlock hidden in Form5: three of its labels, touched within
// five seconds of each other, put the program into factory mode; from then on
// every touch within the window unlocks the calibration values again.

#include "state/EditorState.h"

#include <functional>

namespace q716 {

// The three touch points (labels of Form5), in the order of their flags.
constexpr int GestureLabelCount = 3;

// Seconds of the window that starts with the first touch.
constexpr int GestureWindowSeconds = 5;

// Whole seconds since midnight, rounded, from the system clock.
int secondsSinceMidnightNow();

// Where the gesture reads the time; tests give their own.
using SecondsClock = std::function<int()>;

// A click on touch point `label` (0..2) at `nowSeconds` since midnight.
// Returns true when it repeated the unlock: DebugUnlocked is then set and
// Form2's sliders enabled; the caller shows toolbar button 7.
bool touchGestureLabel(EditorState& state, int label, int nowSeconds);

// The double press of toolbar button 7 leaves the service mode: factory mode
// and the three flags cleared, DebugUnlocked cleared, Form2's sliders
// disabled. The caller hides the button again.
void leaveServiceMode(EditorState& state);

} // namespace q716
