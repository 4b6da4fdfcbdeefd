#pragma once
// The texts about the programming cable and the ports beyond COM1..COM20: a
// cable that went away or came back, and a device typed under "Other device…".

#include "shell/Messages.h"

#include <QString>

namespace q716::porttext {

// A session found the chosen port's device gone: `port` as the port dialog
// names it. Also the tool tip of its slot.
Message cableGone(int languageCode, const QString& port);
// A session found no serial port at all.
Message noCable(int languageCode);

// A port's caption in the port dialog once its device is gone.
QString goneCaption(int languageCode, const QString& caption);

// The status line after the chosen cable came back under another name.
QString cableFound(int languageCode, const QString& port);

// "Other device…", the caption of the typed device's option button; with the
// device in brackets once one is chosen.
QString otherDeviceCaption(int languageCode, const QString& device);
// The question that asks for its path.
QString otherDeviceTitle(int languageCode);
QString otherDevicePrompt(int languageCode);
// The typed device could not be opened; `reason` says why.
Message otherDeviceRefused(int languageCode, const QString& device, const QString& reason);

} // namespace q716::porttext
