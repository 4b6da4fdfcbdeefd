#pragma once
// The serial port control of the main window: a thin adapter over the
// radio's line at 9600 baud 8N1, DTR and RTS asserted, no flow control. Port
// number n (1..20) opens the device standing behind slot n, unless a device
// typed under "Other device…" stands in for the slots.

#include "RadioLine.h"

#include "link/PortList.h"

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
    // A device path used instead of the slots; empty: the slots again.
    void setOtherDevice(const QString& location) { otherDevice_ = location; }
    const QString& otherDevice() const { return otherDevice_; }
    // What open() opens: the other device, or the one behind the port number
    // (empty location when that slot has none).
    PortDevice device() const;
    // Opens the current port; on failure `failure` (may be null) says why.
    bool open(PortOpenFailure* failure = nullptr);
    void close() { line_.close(); }
    bool isOpen() const override { return line_.isOpen(); }
    // The device the port is open on; empty while closed.
    QString openLocation() const { return line_.isOpen() ? openLocation_ : QString(); }
    void output(const QByteArray& bytes) override { line_.output(bytes); }
    void flush() override { line_.flush(); }
    QByteArray input() override { return line_.input(); }

  signals:
    // Bytes are waiting: read them with input().
    void received();
    // The device went away (unplugged, the other end hung up, a write
    // refused); the port is closed already.
    void hungUp();

  private:
    RadioLine line_;
    QList<PortDevice> slots_;
    int commPort_ = 1;
    QString otherDevice_;
    QString openLocation_;
};

} // namespace q716
