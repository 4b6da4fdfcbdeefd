#pragma once
// The band list Combo1: its limits decide which frequencies the editor takes,
// and changing it empties the channel table once the user agrees.

#include "shell/Messages.h"
#include "state/EditorState.h"

namespace q716 {

// The list was opened: the table belongs to the band shown now.
void bandListOpened(MainWindowState& form);

// The question asked before a band change empties the table.
Message bandChangeQuestion(int languageCode);

// The user selected band `index`: limits follow at once; a different band
// than LastBand asks, and OK empties the table and records the band.
void bandSelected(MainWindowState& form, int index, int languageCode, const MessageFn& ask);

// Start-up and image loading select a band themselves: LastBand first, so no
// question is asked and the table stays.
void selectBandWithoutQuestion(MainWindowState& form, int index);

} // namespace q716
