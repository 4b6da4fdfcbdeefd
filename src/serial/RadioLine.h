#pragma once
// The radio's serial port as the line of a session, for the program and
// q716-cli alike: opened as openRadioPort() opens it, and closed when it
// hangs up or refuses a write, which is then reported as a hang-up.

#include "link/PortOpenFailure.h"
#include "link/SessionPort.h"

#include <QObject>
#include <QSerialPort>

namespace q716 {

class RadioLine : public QObject, public SessionPort {
    Q_OBJECT
  public:
    explicit RadioLine(QObject* parent = nullptr);

    // On failure `failure` (may be null) says why.
    bool open(const QString& device, PortOpenFailure* failure = nullptr);
    void close() { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    // A write the port refuses closes it: the device is gone, and waiting for
    // the watchdog would only tell it three seconds later.
    void output(const QByteArray& bytes) override;
    QByteArray input() override { return port_.readAll(); }
    void flush() override;
    // Waits up to a second until what was written has left.
    void drain();

  signals:
    // Bytes are waiting: take them with input().
    void received();
    // The device went away (unplugged, the other end hung up, a write
    // refused); the port is closed already.
    void hungUp();

  private:
    void hangUp();

    QSerialPort port_;
};

} // namespace q716
