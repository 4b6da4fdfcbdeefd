#pragma once
// Text helpers of the memory-image codec. The radio's image travels as
// upper-case hexadecimal text; these turn numbers, bit texts and bytes into
// that text and back. None of them fails on odd input.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace q716 {

// Hex digits of `value`, upper case, at least two ("A" -> "0A"). Values of 256
// and more keep all their digits; negative values count as 0.
QString ByteHex(int value);

// Hex digits of a 16-bit number, upper case, at least four ("12C" -> "012C").
QString WordHex(quint16 value);

// Four binary digits per character, most significant first; lower case is
// accepted and a character that is not a hex digit gives "0000".
QString HexToBits(const QString& hex);

// Pads `bits` in place with leading "0" to a multiple of four, then turns each
// group into one upper-case hex digit; only "1" counts as a set bit.
QString BitsToHex(QString& bits);

// What is left of `value` after taking away whole steps: `value` itself when
// it is below `step`, 0 for exact multiples. Both numbers are taken to nine
// decimals and divided as integers, so decimal inputs give exact remainders
// (435.0123 with step 0.005 gives 0.0023, 145.00625 with 0.00625 gives 0).
double StepRemainder(double step, double value);

// The same on decimal numbers scaled to whole units (for example 10 Hz).
qint64 StepRemainderUnits(qint64 step, qint64 value);

// The value of a hex digit, or -1.
int hexDigitValue(QChar c);

// Image text to bytes, one byte per two characters; a character that is not a
// hex digit counts as 0 and a lone last character is dropped.
QByteArray hexToBytes(const QString& hex);

// Bytes to image text: two upper-case hex digits per byte.
QString bytesToHex(const QByteArray& bytes);

} // namespace q716
