#pragma once
// The channel table out to the shared CSV layout: the exact mirror of the
// import, so that exporting and importing again gives the same channels.

#include "state/EditorState.h"

#include <QByteArray>
#include <QStringList>

namespace q716 {

// The 21 fields of channel `row` (1..16), which must be stored (a receive
// frequency the image keeps).
QStringList exportedFields(const ChannelGrid& grid, int row);

// The full header, then one row per channel in use, CRLF line ends, UTF-8.
QByteArray exportChannelCsv(const ChannelGrid& grid);

} // namespace q716
