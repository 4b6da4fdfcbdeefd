#pragma once
// Messages of the Save command that the channel file module leaves to the
// window: the overwrite question and the report of a failed write.

#include "shell/Messages.h"

namespace q716 {

// "This file already exists, whether to cover?", Yes/No, question icon.
Message overwriteQuestion(int languageCode);

// A save that could not be written must not pass for a saved file.
Message saveFailedMessage(int languageCode);

// Quitting with changes no channel file holds: Save (Yes), Discard (No) or
// Cancel, which keeps the program open.
Message quitQuestion(int languageCode);

} // namespace q716
