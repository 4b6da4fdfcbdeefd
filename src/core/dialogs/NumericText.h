#pragma once
// Reading the numbers the dialogs keep as texts.

#include <QString>
#include <QtGlobal>

namespace q716 {

// The whole number at the start of `text` (leading spaces and a sign allowed,
// a fraction rounded half away from zero), or 0 when the text does not start
// with a number: "2" -> 2, " 7x" -> 7, "abc" -> 0, "" -> 0.
int leadingNumber(const QString& text);

// `text` as an exact decimal in units of 10^-9 (nano-MHz for frequencies), or
// 0 when the whole trimmed text is not a plain decimal number or does not
// fit; digits beyond the ninth decimal are dropped.
qint64 decimalNanoUnits(const QString& text);

} // namespace q716
