#pragma once
// Which device stands behind each of the 20 port slots COM1..COM20 of the port
// dialog, and how the slots are captioned. Pure: the window asks the system
// for its serial ports and hands them in.

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace q716 {

constexpr int PortSlots = 20;

struct PortDevice {
    PortDevice(QString name = {}, QString location = {})
        : name(std::move(name)), location(std::move(location)) {}

    QString name;     // as shown beside the slot caption, e.g. "ttyUSB0"
    QString location; // what is opened, e.g. "/dev/ttyUSB0"
    // What tells one cable from another when it comes back under another
    // name; each may be unknown.
    QString byIdLink;     // a link naming the adapter, e.g. /dev/serial/by-id/usb-FTDI_…
    int vendorId = -1;    // USB vendor id, -1 unknown
    int productId = -1;   // USB product id, -1 unknown
    QString serialNumber; // the USB adapter's serial number
    // The device node itself: a node made again under the same name (a new
    // pseudo-terminal that took a freed number) gets another one. Empty: unknown.
    QString node;
    bool present = true; // false: listed (Q716_PORTS), or kept in its slot, but not there
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

// "COMn (name)" for a device in slot `index`, or its location when it stands in no slot.
QString portLabel(int index, const PortDevice& device);

} // namespace q716
