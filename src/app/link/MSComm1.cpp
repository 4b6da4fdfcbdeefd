#include "link/MSComm1.h"

#include <QSerialPortInfo>
#include <QtGlobal>

namespace q716 {

MSComm1::MSComm1(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("MSComm1"));
    connect(&port_, &QSerialPort::readyRead, this, &MSComm1::received);
}

QList<PortDevice> MSComm1::systemSlots() {
#ifdef Q_OS_WIN
    return windowsPorts();
#else
    if (qEnvironmentVariableIsSet("Q716_PORTS"))
        return portsFromList(qEnvironmentVariable("Q716_PORTS"));
    QList<PortDevice> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.systemLocation()});
    return orderSystemPorts(ports);
#endif
}

bool MSComm1::open(QString* why, bool* permission) {
    port_.close();
    if (commPort_ < 1 || commPort_ > slots_.size()) {
        if (why)
            *why = QStringLiteral("no device");
        return false;
    }
    port_.setPortName(slots_.at(commPort_ - 1).location);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        if (why)
            *why = port_.errorString();
        if (permission)
            *permission = port_.error() == QSerialPort::PermissionError;
        return false;
    }
    // The programming cable is powered from the control lines.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clear();
    return true;
}

void MSComm1::close() {
    port_.close();
}

void MSComm1::output(const QByteArray& bytes) {
    if (port_.isOpen())
        port_.write(bytes);
}

QByteArray MSComm1::input() {
    return port_.readAll();
}

} // namespace q716
