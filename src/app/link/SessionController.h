#pragma once
// Runs the radio sessions of the main window: owns the port control MSComm1,
// the timers Timer1 (watchdog, 500 ms) and Timer2 (blinker, 200 ms) and the
// session engine, and carries the engine's actions out on the window.

#include "link/EditorSessionHost.h"
#include "link/MSComm1.h"
#include "link/Session.h"
#include "link/SessionWindow.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace q716 {

class SessionController : public QObject {
    Q_OBJECT
  public:
    SessionController(QWidget* owner, EditorState& state, SessionWindow& window);

    MSComm1& comm() { return *MSComm1_; }
    const Session& session() const { return session_; }

    // mnureadFre / mnuwriteFre / toolbar buttons "read" and "write".
    void startRead();
    void startWrite();
    // Create New Password; false when it did not start (the port is closed or
    // a session runs; the message was shown).
    bool startPasswordChange();

    // Restarts the watchdog, clears the received bytes and writes SendBuffer.
    void Send();

    // Test seams. The line the sessions talk through (MSComm1 when null), and
    // who starts and stops Timer1 and Timer2: by default the QTimers
    // themselves; a test may keep them stopped and call Timer1_Timer and
    // Timer2_Timer from a clock of its own.
    void setPort(SessionPort* port) { port_ = port ? port : MSComm1_; }
    using TimerSwitch = std::function<void(QTimer* timer, bool on)>;
    void setTimerSwitch(TimerSwitch timerSwitch) { timerSwitch_ = std::move(timerSwitch); }

    void MSComm1_OnComm();
    // The port went away: it is closed, a running session ends at once.
    void MSComm1_HungUp();
    void Timer1_Timer();
    void Timer2_Timer();

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

  signals:
    // The session ended: with its success caption, or with a message.
    void sessionFinished(bool succeeded);

  private:
    void apply(const SessionActions& actions);
    void switchTimer(QTimer* timer, bool on);

    SessionWindow& window_;
    MSComm1* MSComm1_;
    SessionPort* port_;
    TimerSwitch timerSwitch_;
    EditorSessionHost host_;
    Session session_;
};

} // namespace q716
