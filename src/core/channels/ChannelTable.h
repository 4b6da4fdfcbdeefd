#pragma once
// Table-wide operations on the 16 channel rows of Grid1 and the defaults a
// row gets when it receives its first receive frequency.

#include "shell/Messages.h"
#include "state/EditorState.h"

namespace q716 {

// Empties columns 1..8 of `row` (1..16) and resets its GridIndex entries.
void ClearNO(ChannelGrid& grid, int row);

// ClearNO for every row; used when the band changes.
void ClearGrid(ChannelGrid& grid);

// Empties columns 1..8 of every row in use; GridIndex is kept. Used by "New".
void ClearGrid1(ChannelGrid& grid);

// Re-renders the list-derived cell texts of the rows in use after a language
// switch: no-tone cells and the flag columns 5..8. Frequencies, CTCSS values
// and DCS codes stay as they are.
void SetGrid1Text(ChannelGrid& grid, int languageCode);

// Fills a row that just got its receive frequency: transmit = receive, no
// tones, high power, forbid off, wide band, in the scan list.
void applyNewChannelDefaults(ChannelGrid& grid, int row, int languageCode);

// The "New" command's question (OK/Cancel, exclamation, Cancel default).
Message newTableQuestion(int languageCode);

// Every answer but Cancel empties the table.
void answerNewTable(ChannelGrid& grid, int result);

// Asks the question and applies the answer.
void runNewCommand(ChannelGrid& grid, int languageCode, const MessageFn& ask);

} // namespace q716
