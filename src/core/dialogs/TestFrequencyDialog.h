#pragma once
// Form4, the 16 test frequency pairs kept in the radio for service use.
// Grid cells live in EditorState::form4: row 0 and column 0 are fixed, rows
// 1..16 hold a receive (column 1) and a transmit (column 2) frequency.

#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QString>
#include <optional>

namespace q716 {

constexpr int TestFrequencyRows = 16;

// Load step: row numbers "00".."16" in column 0, then the pairs.
void loadTestFrequencyDialog(EditorState& state);

// OK: every pair back into TestFrequencies, texts unchanged.
void acceptTestFrequencyDialog(EditorState& state);

// Whether cell (row, column) may enter editing: only the frequency cells,
// and a transmit cell only once its row has a receive frequency.
bool canEditTestCell(const EditorState& state, int row, int column);

// `typed` written with five decimals when the radio can hold it as a
// frequency: digits with at most one point, three digits of MHz once rounded
// to five decimals ("435.0125", "100"). No value for anything else ("12.5",
// "1000", "abc", "").
std::optional<QString> testFrequencyText(const QString& typed);

enum class TestCellEdit {
    Unchanged, // the text is what the cell held: no rule runs
    Stored,    // the cell took the text and the rules ran
    Refused    // not a frequency the radio can hold: the cell keeps its text
};

// The end of an edit of cell (row, column) that leaves `typed` in the
// editor. A receive frequency is lowered to the nearer-below channel step
// (6.25 kHz on a tie) and copied to the transmit cell, an empty one empties
// the transmit cell; a transmit frequency is lowered to the receive
// frequency's step, an empty one takes the receive text.
TestCellEdit commitTestCell(EditorState& state, int row, int column, const QString& typed);

// Shown when commitTestCell refuses `typed`.
Message testFrequencyRefusedMessage(const QString& typed, int languageCode);

// `text` in MHz lowered to the 5 kHz or 6.25 kHz raster, whichever is closer
// below (6.25 kHz on a tie), as "0.00000"; a text that is no number counts 0
// (callers pass what testFrequencyText accepted).
QString snapReceiveFrequency(const QString& text);

// `text` lowered to 6.25 kHz when `receive` lies on that raster, else 5 kHz.
QString snapTransmitFrequency(const QString& text, const QString& receive);

} // namespace q716
