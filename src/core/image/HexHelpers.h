#pragma once
// Text helpers of the memory-image codec. The radio's image travels as
// upper-case hexadecimal text; these turn bytes into that text and back.
// None of them fails on odd input.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace q716 {

// What is left of `value` after taking away whole steps, on decimal numbers
// scaled to whole units (for example 10 Hz): `value` itself when it is below
// `step`, 0 for exact multiples.
qint64 StepRemainderUnits(qint64 step, qint64 value);

// The value of a hex digit, or -1.
int hexDigitValue(QChar c);

// Image text to bytes, one byte per two characters; a character that is not a
// hex digit counts as 0 and a lone last character is dropped.
QByteArray hexToBytes(const QString& hex);

// Bytes to image text: two upper-case hex digits per byte.
QString bytesToHex(const QByteArray& bytes);

} // namespace q716
