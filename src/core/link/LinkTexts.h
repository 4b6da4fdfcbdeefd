#pragma once
// The texts the radio link shows, in both languages.

#include "shell/Messages.h"

#include <QString>

namespace q716::linktext {

QString busy(int languageCode);
QString writeSuccess(int languageCode);
QString readSuccess(int languageCode);
QString passwordChanged(int languageCode);

Message portNotOpen(int languageCode);
Message communicationError(int languageCode);
Message passwordIncorrect(int languageCode);

} // namespace q716::linktext
