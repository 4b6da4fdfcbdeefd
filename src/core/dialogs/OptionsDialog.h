#pragma once
// Form5, the optional functions: its load step, OK, and the lists it builds
// at run time. The controls live in EditorState::form5; OK copies them into
// OptionValues, DtmfMemories and DtmfValues. Cancel stores nothing; the next
// opening shows the stored values again.

#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QStringList>
#include <optional>

namespace q716 {

// Lengths of Form5's lists; a stored index outside its list shows no entry.
namespace OptionsListSize {
constexpr int Combo4 = 3, Combo6 = 2, Combo7 = 11, Combo8 = 6, Combo9 = 2, Combo10 = 2;
constexpr int Combo11 = 3, Combo12 = 16, Combo13 = 92, Combo14 = 92, Combo15 = 4;
constexpr int Combo0 = 4, Combo16 = 4, Combo18 = 19, Combo17 = 4, Combo19 = 17;
constexpr int Combo20 = 2, Combo22 = 7, Combo21 = 16;
} // namespace OptionsListSize

// The scan delays are whole seconds; the radio takes up to 300.
constexpr int ScanDelayMinimum = 0;
constexpr int ScanDelayMaximum = 300;

// Whether OK may store a scan delay box's text: empty (no delay set) or a
// whole number of 0..300 seconds, surrounding blanks allowed.
bool isScanDelayText(const QString& text);

// Combo13 and Combo14: "空", then 0.50 S .. 5.00 S in steps of 0.05 s
// (92 items). Item 0 follows the language through the caption tables.
QStringList retraceTimeItems();

// The load step: the scan, PTT ID, duplicate and VOX controls from
// OptionValues (the priority rules run for Combo11 and Combo12 as for a
// user's choice, which may show their messages), then the DTMF group.
void loadOptionsDialog(EditorState& state, const MessageFn& show);

// The controls show the stored values as they are, the priority rules left
// out: what the dialog shows each time it opens and after undo or redo.
void showStoredOptions(EditorState& state);

// The DTMF memory grid and the DTMF group from DtmfMemories and DtmfValues.
void loadDtmfGroup(EditorState& state);

// OK: every control into the program-wide values. A scan delay box holding
// anything isScanDelayText refuses stops it: nothing is stored, the box shows
// its stored value again and the message to show is returned.
std::optional<Message> acceptOptionsDialog(EditorState& state);

} // namespace q716
