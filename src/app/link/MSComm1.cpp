#include "link/MSComm1.h"

#include "RadioPort.h"

#include <QSerialPortInfo>
#include <QtGlobal>

namespace q716 {

MSComm1::MSComm1(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("MSComm1"));
    connect(&port_, &QSerialPort::readyRead, this, &MSComm1::received);
    closeOnHangUp(port_, this, [this] { emit hungUp(); });
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

bool MSComm1::open(PortOpenFailure* failure) {
    port_.close();
    if (commPort_ < 1 || commPort_ > slots_.size()) {
        if (failure)
            *failure = {PortProblem::Other, QStringLiteral("no device"), {}};
        return false;
    }
    return openRadioPort(port_, slots_.at(commPort_ - 1).location, failure);
}

void MSComm1::close() {
    port_.close();
}

void MSComm1::output(const QByteArray& bytes) {
    if (port_.isOpen())
        port_.write(bytes);
}

void MSComm1::flush() {
    // The port writes when the event loop lets it; the program may end first.
    if (port_.isOpen())
        port_.flush();
}

QByteArray MSComm1::input() {
    return port_.readAll();
}

} // namespace q716
