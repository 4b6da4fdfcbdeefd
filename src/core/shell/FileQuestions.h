#pragma once
// Messages of the file commands that the channel file module leaves to the
// window: the overwrite question, the report of a failed write, and the
// questions before the editor's content or the program goes.

#include "shell/Messages.h"

namespace q716 {

// "This file already exists, whether to cover?", Yes/No, question icon.
Message overwriteQuestion(int languageCode);

// A save that could not be written must not pass for a saved file.
Message saveFailedMessage(int languageCode);

// The commands that replace what the editor holds.
enum class ReplacingCommand { Quit, New, Open, Read };

// Changes no channel file holds, before a command that would lose them:
// Save (Yes), Discard (No) or Cancel, which leaves the command undone.
Message unsavedChangesQuestion(ReplacingCommand command, int languageCode);

// Closing the window while a session with the radio runs: OK ends the
// session (the radio gets its end byte) and quits, Cancel keeps both.
Message closeDuringSessionQuestion(int languageCode);

} // namespace q716
