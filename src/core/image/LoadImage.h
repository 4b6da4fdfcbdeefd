#pragma once
// Memory image text -> editor state: the channel table, the main window's
// settings, the program-wide values and the dialogs' controls that show them.

#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QByteArray>
#include <QString>

namespace q716 {

// Spreads an image over the editor in the radio's load order. Only the first
// 848 bytes are used (a read brings 1024). Bytes outside a setting's range
// leave it as it was. List texts written into cells follow the language code.
// `show` receives the messages of the scan-priority rules (may be empty).
// Robust against bad input: a character that is not a hex digit reads as 0
// and bytes missing from a short text read as FF (erased memory).
void LoadImage(EditorState& state, const QString& imageHex, const MessageFn& show);

// The same on bytes.
void loadImageBytes(EditorState& state, const QByteArray& image, const MessageFn& show);

} // namespace q716
