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
    // Create New Password; false when the port was closed (the message was shown).
    bool startPasswordChange();

    // Restarts the watchdog, clears the received bytes and writes SendBuffer.
    void Send();

    void MSComm1_OnComm();
    // The port went away: it is closed, a running session ends at once.
    void MSComm1_HungUp();
    void Timer1_Timer();
    void Timer2_Timer();

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

  private:
    void apply(const SessionActions& actions);

    SessionWindow& window_;
    MSComm1* MSComm1_;
    EditorSessionHost host_;
    Session session_;
};

} // namespace q716
