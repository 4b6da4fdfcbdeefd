#pragma once
// The serial port the radio's programming cable hangs on, opened the same way
// by the program and by q716-cli, and noticed when it goes away.

#include "link/PortOpenFailure.h"

#include <QSerialPort>

#include <functional>

namespace q716 {

// Opens `device` at 9600 baud 8N1 without flow control, raises DTR and RTS,
// asks the driver for its low-latency mode and drops whatever was waiting.
// On failure `failure` (may be null) says why.
bool openRadioPort(QSerialPort& port, const QString& device, PortOpenFailure* failure = nullptr);

// Whether an error of an open port means its device is gone: an unplugged
// USB adapter, or a pseudo-terminal whose other end closed.
bool portHungUp(QSerialPort::SerialPortError error);

// When `port` reports a hang-up: closes it, then calls onHangUp. A hung-up
// tty reads zero bytes on every wake-up, which Qt reports as a read error
// each time, so the port must not stay open.
void closeOnHangUp(QSerialPort& port, QObject* context, std::function<void()> onHangUp);

} // namespace q716
