#pragma once
// The bytes of a session log, direction by direction, to compare the program's
// log with the simulator's own: the program's "TX"/"RX" lines against the
// simulator's '>' (received by the radio) and '<' (sent by it) lines.

#include <QList>
#include <QString>

namespace q716::e2e {

struct LogStreams {
    QList<int> sent;     // program -> radio
    QList<int> received; // radio -> program; -1 for a masked byte
    int sessions = 0;
    bool operator==(const LogStreams&) const = default;
};

// The program's log text (every "Session" in it, in order).
LogStreams programLog(const QString& text);

// The simulator's log file, with the password hidden where the program
// must hide it: the data bytes for 0x01C0..0x01CF of a read reply or a write
// block.
LogStreams simulatorLog(const QString& path);

// The bytes as hex text, "**" for masked ones (for failure messages).
QString hexOf(const QList<int>& bytes);

} // namespace q716::e2e
