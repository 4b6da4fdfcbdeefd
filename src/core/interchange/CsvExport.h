#pragma once
// The channel table out to the shared CSV layout: the exact mirror of the
// import, so that exporting and importing again gives the same channels.

#include "state/EditorState.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace q716 {

// A cell the layout cannot hold as the table shows it (a file or a radio
// can hold bytes that show as "43A.50000").
struct ExportIssue {
    enum class Kind {
        ChannelLeftOut, // the receive frequency is no frequency
        ReceiveOnly,    // the transmit frequency is no frequency: Duplex off
        NoTone,         // the tone is none the image stores: no tone
        ListDefault,    // power, bandwidth or scan is no list entry: its default
    };
    Kind kind = Kind::ChannelLeftOut;
    int channel = 0;
    int column = 0; // of the channel table
    QString cell;   // the text shown
    int entry = 0;  // ListDefault: the entry written
    bool operator==(const ExportIssue&) const = default;
};

// The 21 fields of channel `row` (1..16), which must be stored (a receive
// frequency the image keeps); what they change is added to `issues`.
QStringList exportedFields(const ChannelGrid& grid, int row,
                           std::vector<ExportIssue>* issues = nullptr);

// The full header, then one row per channel in use, CRLF line ends, UTF-8;
// each channel left out or changed is added to `issues`.
QByteArray exportChannelCsv(const ChannelGrid& grid, std::vector<ExportIssue>* issues = nullptr);

} // namespace q716
