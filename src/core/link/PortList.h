#pragma once
// Which device stands behind each of the 20 port slots COM1..COM20 of the port
// dialog, and how the slots are captioned. Pure: the window asks the system
// for its serial ports and hands them in.

#include <QList>
#include <QString>
#include <QStringList>

namespace q716 {

constexpr int PortSlots = 20;

struct PortDevice {
    QString name;     // as shown beside the slot caption, e.g. "ttyUSB0"
    QString location; // what is opened, e.g. "/dev/ttyUSB0"
};

// Windows: slot n is COMn itself.
QList<PortDevice> windowsPorts();

// The paths of a colon-separated list (the Q716_PORTS variable), in order.
QList<PortDevice> portsFromList(const QString& list);

// The system's ports: USB adapters (ttyUSB*, ttyACM*) first, then the others,
// each group sorted by name.
QList<PortDevice> orderSystemPorts(QList<PortDevice> ports);

// "COMn" for slot index 0..19, followed by " (name)" when a device with
// another name stands behind it.
QString portCaption(int index, const QList<PortDevice>& devices);

} // namespace q716
