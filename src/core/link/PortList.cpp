#include "link/PortList.h"

#include <algorithm>

namespace q716 {

QList<PortDevice> windowsPorts() {
    QList<PortDevice> ports;
    for (int n = 1; n <= PortSlots; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        ports.append(PortDevice(name, name));
    }
    return ports;
}

QList<PortDevice> portsFromList(const QString& list) {
    QList<PortDevice> ports;
    for (const QString& path : list.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        ports.append(PortDevice(path, path));
    return ports;
}

QList<PortDevice> orderSystemPorts(QList<PortDevice> ports) {
    const auto isUsb = [](const PortDevice& p) {
        return p.name.startsWith(QLatin1String("ttyUSB")) ||
               p.name.startsWith(QLatin1String("ttyACM"));
    };
    std::sort(ports.begin(), ports.end(), [&](const PortDevice& a, const PortDevice& b) {
        if (isUsb(a) != isUsb(b))
            return isUsb(a);
        return a.name < b.name;
    });
    return ports;
}

QString portCaption(int index, const QList<PortDevice>& devices) {
    const QString com = QStringLiteral("COM%1").arg(index + 1);
    if (index < devices.size() && devices.at(index).name != com)
        return com + QStringLiteral(" (") + devices.at(index).name + QLatin1Char(')');
    return com;
}

QString portLabel(int index, const PortDevice& device) {
    if (index < 0 || index >= PortSlots)
        return device.location;
    return portCaption(index, QList<PortDevice>(index + 1, device));
}

} // namespace q716
