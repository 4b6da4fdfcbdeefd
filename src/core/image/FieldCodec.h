#pragma once
// Encodings of the single fields of the memory image: frequencies, tone words,
// character fields, DTMF character fields and the numbers held as texts.
// Encoders append to a byte buffer and always append exactly the field's
// length, whatever the text holds, so later fields never move.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace q716 {

constexpr quint16 NoToneWord = 0xFFFF;

// Three digits, a point and five digits: the only frequency form stored.
bool isFrequencyText(const QString& text);

// Packed BCD in 10 Hz units, least significant pair first. Empty or any other
// form than isFrequencyText gives FF FF FF FF.
void appendFrequency(QByteArray& out, const QString& text);

// The text of 4 bytes: hex characters c1..c8 give c7 c8 c5 "." c6 c3 c4 c1 c2,
// copied as they are.
QString decodeFrequency(const char* bytes);

// True when all `count` bytes are FF.
bool isErased(const char* bytes, int count);

// The tone word of a cell text. Empty text, the no-tone item of either
// language and every text that is neither a CTCSS value (two or three digits,
// a point, one digit) nor a DCS code ("D", three octal digits, "N" or "I")
// give NoToneWord.
quint16 encodeTone(const QString& text);

// The cell text of a tone word other than NoToneWord: top hex digit 2 is DCS
// normal, A is DCS inverted, anything else CTCSS in tenths of hertz.
QString decodeTone(quint16 word);

// Least significant byte first.
void appendWord(QByteArray& out, quint16 word);
quint16 readWord(const char* bytes);

// One byte per character (Latin-1); a character without a one-byte code is
// stored as "?", text past `length` is cut and missing characters are FF.
void appendCharField(QByteArray& out, const QString& text, int length);

// As appendCharField, but "0" is stored as 3A.
void appendDtmfField(QByteArray& out, const QString& text, int length);

// The characters of `length` bytes, one per byte; FF bytes are skipped when
// `skipErased` and kept as the character of code 255 otherwise.
QString readCharField(const char* bytes, int length, bool skipErased);

// A DTMF field: FF skipped, 3A gives "0", other bytes their character.
QString readDtmfField(const char* bytes, int length);

// The usual decimal reading of a text: leading blanks, an optional sign, the
// digits and decimals at its start; 0 when it starts with no number.
double leadingDecimal(const QString& text);

// leadingDecimal rounded to a whole number (halves to even) and clamped.
int wholeNumber(const QString& text, int low, int high);

// A number clamped to one byte.
char clampedByte(int value);

} // namespace q716
