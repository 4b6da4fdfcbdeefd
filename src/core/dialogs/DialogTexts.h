#pragma once
// The texts the auxiliary dialogs carry before the caption tables are first
// applied (Chinese), including the ones the tables never touch: the DTMF
// group, the hidden code fields, the numeric list items and fixed captions.

#include <QString>
#include <QStringList>

namespace q716 {

// The design text of `control` on `window` ("Form2".."Form7"); an empty
// control names the window's own caption. Empty when nothing is known.
QString dialogDesignText(const QString& window, const QString& control);

// The design items of list `combo` on `window`, in list order.
QStringList dialogDesignItems(const QString& window, const QString& combo);

// The design heading of column `column` of `grid` on `window`.
QString dialogDesignHeading(const QString& window, const QString& grid, int column);

} // namespace q716
