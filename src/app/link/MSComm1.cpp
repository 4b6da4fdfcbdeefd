#include "link/MSComm1.h"

#include "RadioPort.h"
#include "SystemPorts.h"

namespace q716 {

MSComm1::MSComm1(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("MSComm1"));
    connect(&port_, &QSerialPort::readyRead, this, &MSComm1::received);
    closeOnHangUp(port_, this, [this] { emit hungUp(); });
}

QList<PortDevice> MSComm1::systemSlots() {
    return systemPortSlots();
}

PortDevice MSComm1::device() const {
    if (!otherDevice_.isEmpty())
        return {otherDevice_, otherDevice_};
    if (commPort_ < 1 || commPort_ > slots_.size())
        return {};
    return slots_.at(commPort_ - 1);
}

bool MSComm1::open(PortOpenFailure* failure) {
    port_.close();
    const PortDevice d = device();
    if (d.location.isEmpty()) {
        if (failure)
            *failure = {PortProblem::Other, QStringLiteral("no device"), {}};
        return false;
    }
    openLocation_ = d.location;
    return openRadioPort(port_, d.location, failure);
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
