#pragma once
// The radio sessions of the main window: the session runner over the port
// control MSComm1, with the editor as the host of its reads and writes.

#include "link/EditorSessionHost.h"
#include "link/MSComm1.h"
#include "link/SessionRunner.h"

class QWidget;

namespace q716 {

class SessionController : public SessionRunner {
    Q_OBJECT
  public:
    // `window` shows the sessions: their status, progress and messages, and
    // the reads that reach the editor.
    SessionController(QWidget* owner, EditorState& state, SessionDisplay& window);

    MSComm1& comm() { return *MSComm1_; }
    // A start would begin a session: the port is open and none runs.
    bool canStart() const { return portOpen() && !running(); }

    // mnureadFre / mnuwriteFre / toolbar buttons "read" and "write".
    void startRead() { start(Kind::Read); }
    void startWrite() { start(Kind::Write); }
    // Create New Password; false when it did not start (the port is closed or
    // a session runs; the message was shown).
    bool startPasswordChange() { return start(Kind::Password); }

    // Test seam: the line the sessions talk through (MSComm1 when null).
    void setPort(SessionPort* port) { SessionRunner::setPort(port ? port : MSComm1_); }

  private:
    MSComm1* MSComm1_;
    EditorSessionHost host_;
};

} // namespace q716
