#pragma once
// The one-time language override: a value "Languages" that something outside
// the program left in the per-user settings store under "RM-52". It is read
// once at start-up and deleted, so from then on the parameter file decides.

#include <QString>

class QSettings;

namespace q716 {

// The text of the value "Languages": a string up to its first NUL, a number
// as signed 16-bit decimal, empty for anything else or a missing value.
QString languageOverrideText(const QSettings& store);

// The language to start with: exact "english" gives 1, any other non-empty
// value 0 (and the value is deleted); an empty or missing value leaves
// `fileLanguage`.
int loadLanguageSetting(QSettings& store, int fileLanguage);

// The same on the platform's per-user store under `keyName` (HKCU\RM-52 on
// Windows, RM-52.conf in the user's configuration folder elsewhere).
int loadLanguageSetting(const QString& keyName, int fileLanguage);

} // namespace q716
