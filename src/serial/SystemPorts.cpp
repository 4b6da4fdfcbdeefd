#include "SystemPorts.h"

#include "RadioPort.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPort>
#include <QSerialPortInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace q716 {

namespace {

void takeUsbIds(PortDevice& d, const QSerialPortInfo& info) {
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
        d.vendorId = info.vendorIdentifier();
        d.productId = info.productIdentifier();
        d.serialNumber = info.serialNumber();
    }
}

#ifndef Q_OS_WIN
// The stable names udev gives each USB serial adapter, by the device they point to.
QHash<QString, QString> byIdLinks() {
    QHash<QString, QString> links;
#ifdef Q_OS_LINUX
    const QDir dir(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link :
         dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (const QString target = link.canonicalFilePath(); !target.isEmpty())
            links.insert(target, link.absoluteFilePath());
#endif
    return links;
}

// The device node's identity: a node made again under the same name differs.
QString nodeOf(const QString& location) {
    struct stat st {};
    if (::stat(QFile::encodeName(location).constData(), &st) != 0)
        return {};
#ifdef Q_OS_LINUX
    const auto changed = QStringLiteral("%1.%2").arg(st.st_ctim.tv_sec).arg(st.st_ctim.tv_nsec);
#else
    const auto changed = QString::number(st.st_ctime);
#endif
    return QStringLiteral("%1:%2:%3").arg(st.st_rdev).arg(st.st_ino).arg(changed);
}

QList<PortDevice> listedPorts(const QString& list) {
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    const QHash<QString, QString> links = byIdLinks();
    QList<PortDevice> ports = portsFromList(list);
    for (PortDevice& d : ports) {
        const QFileInfo file(d.location);
        const QString target = file.canonicalFilePath();
        if (file.isSymLink()) {
            d.byIdLink = d.location;
            if (!target.isEmpty())
                d.name = d.location = target;
        } else {
            d.byIdLink = links.value(target);
        }
        d.present = !target.isEmpty();
        d.node = nodeOf(d.location);
        for (const QSerialPortInfo& info : infos)
            if (info.systemLocation() == d.location)
                takeUsbIds(d, info);
    }
    return ports;
}
#endif

} // namespace

QList<PortDevice> systemPortSlots() {
#ifdef Q_OS_WIN
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    QList<PortDevice> ports = windowsPorts();
    for (PortDevice& d : ports) {
        d.present = false;
        for (const QSerialPortInfo& info : infos) {
            if (info.portName() == d.name) {
                d.present = true;
                takeUsbIds(d, info);
            }
        }
    }
    return ports;
#else
    if (qEnvironmentVariableIsSet("Q716_PORTS"))
        return listedPorts(qEnvironmentVariable("Q716_PORTS"));
    const QHash<QString, QString> links = byIdLinks();
    QList<PortDevice> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortDevice d{info.portName(), info.systemLocation()};
        takeUsbIds(d, info);
        d.byIdLink = links.value(QFileInfo(d.location).canonicalFilePath());
        d.node = nodeOf(d.location);
        ports.append(d);
    }
    return orderSystemPorts(ports);
#endif
}

bool devicePresent(const QString& location) {
#ifdef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (info.portName() == location || info.systemLocation() == location)
            return true;
    return false;
#else
    return QFileInfo::exists(location);
#endif
}

bool sameDevice(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return a == b || (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath());
}

bool canOpenPort(const QString& location, PortOpenFailure* failure) {
    QSerialPort port;
    return openRadioPort(port, location, failure);
}

PortArgument resolvePortArgument(const QString& given) {
    if (isUsbPortArgument(given))
        return findUsbPort(given, systemPortSlots());
    const QString canonical = QFileInfo(given).canonicalFilePath();
    return {given, canonical.isEmpty() ? given : canonical, {}};
}

} // namespace q716
