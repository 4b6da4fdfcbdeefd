#pragma once
// Frequencies of the CSV layout: megahertz with up to six decimals, worked
// out in whole hertz so that offsets add up exactly.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace q716 {

// Digits with at most one point ("146.52", "0.600000", ".5"); decimals past
// the sixth are rounded half up. No value for anything else or for more than
// nine whole digits.
std::optional<qint64> megahertzToHertz(const QString& text);

// Six decimals, a minus sign in front of a negative value: "146.520000".
QString hertzToMegahertz(qint64 hertz);

// The same number written with the fewest decimals ("146.0125"), so that
// two spellings of one value compare equal.
QString plainMegahertz(const QString& text);

} // namespace q716
