#pragma once
// The serial ports of this computer as the port dialog and `q716-cli ports`
// list them, with what identifies each cable, and the devices that --port
// and "Other device…" name.

#include "link/PortArgument.h"
#include "link/PortList.h"
#include "link/PortOpenFailure.h"

namespace q716 {

// The devices behind the slots COM1..COM20: on Windows the ports COM1..COM20
// themselves (present or not); elsewhere the paths of Q716_PORTS when it is
// set, else the system's ports, USB adapters first. A link among the
// Q716_PORTS paths stands for the device it points to, as a by-id link does.
QList<PortDevice> systemPortSlots();

// Whether the device of `location` is there now (a path that exists; on
// Windows a port the system lists).
bool devicePresent(const QString& location);

// Whether two paths lead to one device (a by-id link and its ttyUSB).
bool sameDevice(const QString& a, const QString& b);

// Whether `location` opens for reading and writing; it is closed again.
bool canOpenPort(const QString& location, PortOpenFailure* failure = nullptr);

// A --port argument: usb:VID:PID[:SERIAL] among the system's adapters, a
// path as the device it leads to (a link as its target), anything else as it is.
PortArgument resolvePortArgument(const QString& given);

} // namespace q716
