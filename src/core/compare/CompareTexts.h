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
// The option slots no dialog edits (the text fields at 0x0120, 0x0140 and
// 0x0150), numbered 1..3 behind the optional-functions caption.
QString optionText(int languageCode, int number);
// Bytes no setting owns: identification texts, unused space.
QString fixedData(int languageCode);

// The status line after a write was read back and every byte matched.
QString verifyOk(int languageCode);
// ... and when some did not.
QString verifyFailed(int languageCode);
// The first line of the report of a write read back with other bytes.
QString verifyMismatchHeadline(int languageCode);
// The warning after a write was read back with other bytes: the headline and
// one line per differing address (`lines`).
Message verifyMismatch(int languageCode, const QStringList& lines);
// A write that went through, but whose read-back could not run: the radio
// holds the write, unchecked. `reason`: why the read-back did not run.
Message verifyNotRun(int languageCode, const QString& reason);
// ... its status line, and the reason when the port closed before it.
QString verifyNotRunStatus(int languageCode);
QString portClosedBeforeCheck(int languageCode);

// Reading the radio before a write failed or its image could not be kept:
// nothing was written. `reason`: what went wrong.
Message readBeforeWriteFailed(int languageCode, const QString& reason);
// One line of it: address, meaning, the byte written and the byte read.
QString verifyLine(int languageCode, int address, const QString& meaning, int written, int read);

// A value a save or a write cannot keep: its name, the text shown and the
// text it would be stored as; an empty text reads "(empty)".
QString notStoredLine(int languageCode, const QString& name, const QString& shown,
                      const QString& stored);
// The question before a write (or a save) that would store such values:
// OK reads "Write anyway" ("Save anyway"), Cancel is the default.
Message notStoredQuestion(int languageCode, bool save, const QString& list);
// The warning after a load brought such values.
Message notStoredNotice(int languageCode, const QString& list);

// A byte the radio holds that no value of the editor stands for, and the
// byte a write sends there instead.
QString unshownByteLine(int languageCode, int address, const QString& meaning, int held, int sent);

} // namespace q716::comparetext
