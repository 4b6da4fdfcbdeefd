#pragma once
// The small channel plan the screenshot programs show: five channels with
// CTCSS and DCS tones, a split pair and both powers, in the 400-480 MHz band.

namespace q716 {
class Form1;
}

namespace q716test {

// Puts the plan into channels 1..5 of the window's editor, as cell edits do,
// and shows it. Not an undoable step: it stands for a plan already there.
void fillShotPlan(q716::Form1& w);

} // namespace q716test
