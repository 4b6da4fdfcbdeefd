#pragma once
// The differences of two states as `dump` prints them: one line per key whose
// value differs, with dump's key names ("channels[2].txFrequency",
// "settings.timeOut").

#include <QJsonObject>
#include <QStringList>

namespace q716::cli {

// "KEY: LEFT -> RIGHT", texts in JSON quotes, a list as its index and text
// (`11 "180 S"`), keys in the order JSON objects keep them (sorted).
QStringList jsonDifferences(const QJsonObject& left, const QJsonObject& right);

} // namespace q716::cli
