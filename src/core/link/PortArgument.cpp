#include "link/PortArgument.h"

namespace q716 {

namespace {

const QString UsbPrefix = QStringLiteral("usb:");

QString usbIds(int vendorId, int productId) {
    return QStringLiteral("%1:%2")
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'));
}

PortArgument refused(const QString& given, const QString& problem) {
    return {given, {}, problem};
}

} // namespace

bool isUsbPortArgument(const QString& given) {
    return given.startsWith(UsbPrefix, Qt::CaseInsensitive);
}

PortArgument findUsbPort(const QString& given, const QList<PortDevice>& ports) {
    const QStringList parts = given.mid(UsbPrefix.size()).split(QLatin1Char(':'));
    bool vendorOk = false, productOk = false;
    const int vendorId = parts.value(0).toInt(&vendorOk, 16);
    const int productId = parts.value(1).toInt(&productOk, 16);
    if (parts.size() < 2 || parts.size() > 3 || !vendorOk || !productOk || vendorId < 0 ||
        vendorId > 0xFFFF || productId < 0 || productId > 0xFFFF)
        return refused(given, QStringLiteral("expected usb:VID:PID or usb:VID:PID:SERIAL with "
                                             "hexadecimal ids, e.g. usb:0403:6001"));
    const QString serial = parts.value(2);
    QStringList matches;
    QString device;
    for (const PortDevice& p : ports) {
        if (p.present && p.vendorId == vendorId && p.productId == productId &&
            (serial.isEmpty() || p.serialNumber == serial)) {
            matches << p.location;
            device = p.location;
        }
    }
    if (matches.size() == 1)
        return {given, device, {}};
    if (matches.isEmpty())
        return refused(
            given, QStringLiteral("no USB serial adapter %1%2 is connected; `q716-cli ports` "
                                  "lists the connected ones")
                       .arg(usbIds(vendorId, productId),
                            serial.isEmpty() ? QString()
                                             : QStringLiteral(" with serial number ") + serial));
    return refused(given,
                   QStringLiteral("%1 adapters match (%2); add the serial number, "
                                  "usb:%3:SERIAL, or give the device")
                       .arg(matches.size())
                       .arg(matches.join(QStringLiteral(", ")), usbIds(vendorId, productId)));
}

QString repeatedPort(const QList<PortArgument>& ports) {
    for (qsizetype i = 0; i < ports.size(); ++i) {
        for (qsizetype j = i + 1; j < ports.size(); ++j) {
            if (ports[i].device.isEmpty() || ports[i].device != ports[j].device)
                continue;
            if (ports[i].given == ports[j].given)
                return ports[i].given == ports[i].device
                           ? ports[i].device
                           : QStringLiteral("%1 (as %2)").arg(ports[i].device, ports[i].given);
            return QStringLiteral("%1 (as %2 and %3)")
                .arg(ports[i].device, ports[i].given, ports[j].given);
        }
    }
    return {};
}

} // namespace q716
