#pragma once
// Runs one session over an already opened device without windows: the
// command-line companion and the benchmark use it. It finishes as soon as the
// session succeeds instead of waiting for the blinker's countdown.

#include "link/Session.h"
#include "link/SessionLog.h"

#include <QIODevice>
#include <QObject>
#include <QTimer>

#include <functional>

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

    // Sees every message sent and every piece received (the session log,
    // the check after a write).
    using Trace = std::function<void(LinkDirection direction, const QByteArray& bytes)>;
    void setTrace(Trace trace) { trace_ = std::move(trace); }

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
    Trace trace_;
};

} // namespace q716
