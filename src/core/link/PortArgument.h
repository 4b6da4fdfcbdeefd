#pragma once
// The --port arguments of q716-cli: a device path, a by-id link, or a USB
// adapter named by its ids as usb:VID:PID[:SERIAL] (hexadecimal ids), each
// resolved to the device it stands for before any radio is touched.

#include "link/PortList.h"

#include <QStringList>

namespace q716 {

struct PortArgument {
    QString given;  // as typed
    QString device; // the device it stands for; empty when `problem` says why not
    QString problem;
};

bool isUsbPortArgument(const QString& given);

// The one present adapter among `ports` that usb:VID:PID[:SERIAL] names.
PortArgument findUsbPort(const QString& given, const QList<PortDevice>& ports);

// "DEVICE", or "DEVICE (as A and B)" when two arguments name it differently,
// for the first device two arguments stand for; empty when none is repeated.
QString repeatedPort(const QList<PortArgument>& ports);

} // namespace q716
