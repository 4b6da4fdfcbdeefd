#pragma once
// Input-method commits into the line edits whose size the radio's memory
// fixes: cut to what still fits, and filtered as typed keys are.

#include "dialogs/InputCommit.h"

class QEvent;
class QLineEdit;

namespace q716 {

// Call from an event filter of `edit`: when `event` is an input-method event
// whose commit does not fit, `edit` gets the event again with the commit
// fitCommit leaves, and the result is true: the filter then drops `event`.
bool limitInputMethodCommit(QLineEdit* edit, QEvent* event, int limit,
                            const CharFilter& filter = {});

} // namespace q716
