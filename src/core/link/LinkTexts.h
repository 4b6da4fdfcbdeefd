#pragma once
// The texts the radio link shows, in both languages.

#include "shell/Messages.h"

#include <QString>

namespace q716::linktext {

QString busy(int languageCode);
QString writeSuccess(int languageCode);
QString readSuccess(int languageCode);
QString passwordChanged(int languageCode);

// Why a serial port could not be opened.
QString portInUse(int languageCode);
QString portPermissionDenied(int languageCode, const QString& group);
QString portCannotOpen(int languageCode, const QString& reason);

Message portNotOpen(int languageCode);
Message communicationError(int languageCode);
Message passwordIncorrect(int languageCode);
// A start while a session runs: the busy caption, as a message.
Message sessionRunning(int languageCode);

} // namespace q716::linktext
