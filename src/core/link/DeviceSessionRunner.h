#pragma once
// Runs one session over an already opened device without windows: the
// command-line companion and the benchmark use it. It finishes as soon as the
// session succeeds instead of waiting for the blinker's countdown.

#include "link/Session.h"

#include <QIODevice>
#include <QObject>
#include <QTimer>

namespace q716 {

class DeviceSessionRunner : public QObject {
    Q_OBJECT
  public:
    DeviceSessionRunner(QIODevice& device, SessionHost& host, QObject* parent = nullptr);

    void startRead();
    void startWrite();
    // The device hung up or failed: a running session ends with the
    // communication error, without waiting for the watchdog.
    void deviceLost();
    const Session& session() const { return session_; }

  signals:
    void progress(int value, int maximum);
    // ok: the success caption; otherwise the message the session showed.
    void finished(bool ok, const QString& text);

  private:
    void begin(const SessionActions& actions);
    void apply(const SessionActions& actions);

    QIODevice& device_;
    Session session_;
    QTimer timer1_;
    QTimer timer2_;
    QString lastMessage_;
    bool running_ = false;
};

} // namespace q716
