#pragma once
// Form7, the two lines of embedded information.

#include "state/EditorState.h"

#include <QString>

namespace q716 {

// Typing stops at 32 characters a line (pasting is not limited).
constexpr int EmbeddedLineLength = 32;

void loadEmbeddedDialog(EditorState& state);

// OK: both lines stored as typed, untrimmed.
void acceptEmbeddedDialog(EditorState& state);

// Whether a typed character may enter a line holding `length` characters:
// always when it replaces a selection, otherwise only below the limit.
// Backspace is always taken and is not asked about.
bool embeddedKeyAccepted(qsizetype length, bool hasSelection);

// The note under the lines when one holds a character without a one-byte
// code, which the radio's memory keeps as "?"; empty otherwise.
QString embeddedInfoHint(const QString& line1, const QString& line2, int languageCode);

} // namespace q716
