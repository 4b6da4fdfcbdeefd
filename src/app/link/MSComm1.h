#pragma once
// The serial port control of the main window: a thin adapter over
// QSerialPort at 9600 baud 8N1, DTR and RTS asserted, no flow control. Port
// number n (1..20) opens the device standing behind slot n.

#include "link/PortList.h"
#include "link/PortOpenFailure.h"
#include "link/SessionPort.h"

#include <QObject>
#include <QSerialPort>

namespace q716 {

class MSComm1 : public QObject, public SessionPort {
    Q_OBJECT
  public:
    explicit MSComm1(QObject* parent = nullptr);

    // The devices behind the slots: Windows COM names, Q716_PORTS or the system's ports.
    static QList<PortDevice> systemSlots();
    void setSlots(const QList<PortDevice>& devices) { slots_ = devices; }
    const QList<PortDevice>& portSlots() const { return slots_; }

    void setCommPort(int n) { commPort_ = n; }
    int commPort() const { return commPort_; }
    // Opens the current port; on failure `failure` (may be null) says why.
    bool open(PortOpenFailure* failure = nullptr);
    void close();
    bool isOpen() const override { return port_.isOpen(); }
    void output(const QByteArray& bytes) override;
    void flush() override;
    QByteArray input() override;

  signals:
    // Bytes are waiting: read them with input().
    void received();
    // The device went away (unplugged, or the other end hung up); the port
    // is closed already.
    void hungUp();

  private:
    QSerialPort port_;
    QList<PortDevice> slots_;
    int commPort_ = 1;
};

} // namespace q716
