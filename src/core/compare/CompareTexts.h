#pragma once
// The texts of the checks around a write (verify, compare), in both languages.

#include "shell/Messages.h"

#include <QString>
#include <QStringList>

namespace q716::comparetext {

// A warning box: OK with the exclamation icon.
constexpr int MsgWarning = 48;

// "信道 3" / "channel 3", in front of a channel-table field's name.
QString channel(int languageCode, int channel);
QString rxTone(int languageCode);
QString txTone(int languageCode);
// Bytes no setting owns: identification texts, unused space.
QString fixedData(int languageCode);

// The status line after a write was read back and every byte matched.
QString verifyOk(int languageCode);
// ... and when some did not.
QString verifyFailed(int languageCode);
// The warning after a write was read back with other bytes: one line per
// differing address (`lines`), `more` lines left out.
Message verifyMismatch(int languageCode, const QStringList& lines, int more);
// One line of it: address, meaning, the byte written and the byte read.
QString verifyLine(int languageCode, int address, const QString& meaning, int written, int read);

} // namespace q716::comparetext
