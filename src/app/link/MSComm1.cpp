#include "link/MSComm1.h"

#include "SystemPorts.h"

namespace q716 {

MSComm1::MSComm1(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("MSComm1"));
    connect(&line_, &RadioLine::received, this, &MSComm1::received);
    connect(&line_, &RadioLine::hungUp, this, &MSComm1::hungUp);
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
    line_.close();
    const PortDevice d = device();
    if (d.location.isEmpty()) {
        if (failure)
            *failure = {PortProblem::Other, QStringLiteral("no device"), {}};
        return false;
    }
    openLocation_ = d.location;
    return line_.open(d.location, failure);
}

} // namespace q716
