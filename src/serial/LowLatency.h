#pragma once
// USB serial adapters hold received bytes back for up to 16 ms by default,
// hoping to fill a USB packet. A stop-and-wait session pays that on every
// turnaround, so the driver is asked to pass them on at once.

#include <QSerialPort>

namespace q716 {

enum class LowLatency {
    Set,        // the driver now passes bytes on at once
    AlreadySet, // it did already
    Unsupported // a pseudo-terminal, another system, or a driver that refuses
};

LowLatency requestLowLatency(QSerialPort& port);

} // namespace q716
