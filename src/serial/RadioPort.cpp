#include "RadioPort.h"

#include "LowLatency.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace q716 {

namespace {

// A device the user may read and write that still refuses to open is held
// by another program.
bool deviceReadWritable(const QString& device) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    // Windows refuses a COM port that another program holds with "access
    // denied"; there is no other permission on a port.
    Q_UNUSED(device);
    return true;
#endif
}

} // namespace

bool openRadioPort(QSerialPort& port, const QString& device, PortOpenFailure* failure) {
    port.setPortName(device);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        if (failure) {
            failure->problem = classifyPortProblem(port.error() == QSerialPort::PermissionError,
                                                   deviceReadWritable(device));
            failure->reason = port.errorString();
            failure->group = QFileInfo(device).group();
        }
        return false;
    }
    // The programming cable is powered from the control lines; a
    // pseudo-terminal has none, which is fine.
    port.setDataTerminalReady(true);
    port.setRequestToSend(true);
    requestLowLatency(port);
    // Whatever an earlier user of the port left unread must not be taken as a reply.
    port.clear();
    return true;
}

bool portHungUp(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        return true;
    default:
        return false;
    }
}

void closeOnHangUp(QSerialPort& port, QObject* context, std::function<void()> onHangUp) {
    // Queued: the port is not closed inside its own notification, and the
    // error is acted on once however often it was repeated meanwhile.
    QObject::connect(
        &port, &QSerialPort::errorOccurred, context,
        [&port, onHangUp = std::move(onHangUp)](QSerialPort::SerialPortError error) {
            if (!portHungUp(error) || !port.isOpen())
                return;
            port.close();
            port.clearError();
            onHangUp();
        },
        Qt::QueuedConnection);
}

} // namespace q716
