#include "RadioLine.h"

#include "RadioPort.h"

namespace q716 {

RadioLine::RadioLine(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &RadioLine::received);
    closeOnHangUp(port_, this, [this] { emit hungUp(); });
}

bool RadioLine::open(const QString& device, PortOpenFailure* failure) {
    return openRadioPort(port_, device, failure);
}

void RadioLine::output(const QByteArray& bytes) {
    if (port_.isOpen() && port_.write(bytes) != bytes.size())
        hangUp();
}

void RadioLine::flush() {
    // The port writes when the event loop lets it; the program may end first.
    if (port_.isOpen())
        port_.flush();
}

void RadioLine::drain() {
    if (port_.isOpen() && port_.bytesToWrite() > 0)
        port_.waitForBytesWritten(1000);
}

void RadioLine::hangUp() {
    port_.close();
    port_.clearError();
    // Reported from the event loop, as a hang-up the port notices is: the
    // session that wrote finishes carrying out its actions first.
    QMetaObject::invokeMethod(this, &RadioLine::hungUp, Qt::QueuedConnection);
}

} // namespace q716
