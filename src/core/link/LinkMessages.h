#pragma once
// The messages of the radio's programming protocol, as the program sends them.
// Multi-byte values travel high byte first.

#include <QByteArray>

namespace q716::linkmsg {

constexpr char Ack = 0x06;
constexpr char Identify = 0x02;
constexpr char End = 0x45;
constexpr char ReadCommand = 0x52;
constexpr char WriteCommand = 0x57;

// The radio's identification reply carries this text (hex of "VRQ71").
inline constexpr char IdentificationHex[] = "5652513731";

inline QByteArray open() {
    return QByteArrayLiteral("TQ-PROG");
}
inline QByteArray single(char byte) {
    return QByteArray(1, byte);
}

inline QByteArray readRequest(int address, int length) {
    QByteArray m;
    m.append(ReadCommand);
    m.append(char((address >> 8) & 0xFF));
    m.append(char(address & 0xFF));
    m.append(char(length));
    return m;
}

inline QByteArray writeBlock(int address, const QByteArray& data) {
    QByteArray m;
    m.append(WriteCommand);
    m.append(char((address >> 8) & 0xFF));
    m.append(char(address & 0xFF));
    m.append(char(data.size()));
    m.append(data);
    return m;
}

} // namespace q716::linkmsg
