#pragma once
// Runs the radio sessions of the main window: owns the port control MSComm1,
// the timers Timer1 (watchdog, 500 ms) and Timer2 (blinker, 200 ms) and the
// session engine, and carries the engine's actions out on the window. A
// second engine reads the radio into a scratch image that never reaches the
// editor (the check after a write, the comparison with the radio).

#include "link/EditorSessionHost.h"
#include "link/MSComm1.h"
#include "link/ScratchSessionHost.h"
#include "link/Session.h"
#include "link/SessionWindow.h"

#include "edit/StepRecorder.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

namespace q716 {

class SessionController : public QObject {
    Q_OBJECT
  public:
    SessionController(QWidget* owner, EditorState& state, SessionWindow& window);

    MSComm1& comm() { return *MSComm1_; }
    const Session& session() const { return session_; }
    const Session& scratchSession() const { return scratch_; }
    // A session runs on either engine; a start is then refused with a message.
    bool sessionRunning() const { return session_.running() || scratch_.running(); }

    // mnureadFre / mnuwriteFre / toolbar buttons "read" and "write".
    void startRead();
    void startWrite();
    // Create New Password; false when it did not start (the port is closed or
    // a session runs; the message was shown).
    bool startPasswordChange();
    // A read that leaves the editor alone; scratchReadArrived brings its image.
    void startScratchRead();
    // How the messages of the scratch reads are told: whoever starts one may
    // say what its failure means (a check after a write that could not run).
    using MessageFraming = std::function<Message(const Message&)>;
    void setScratchMessageFraming(MessageFraming framing) { scratchFraming_ = std::move(framing); }
    bool portOpen() const { return port_->isOpen(); }

    // A start would begin a session: the port is open and none runs.
    bool canStart() const { return port_->isOpen() && !sessionRunning(); }
    // The program quits during a session: it ends at once, its end byte
    // written to the port before the port goes.
    void endSessionForQuit();

    // Restarts the watchdog, clears the received bytes and writes SendBuffer.
    void Send();

    // A read that reaches the editor is one undoable step there.
    void setStepRecorder(StepRecorder* recorder) { steps_ = recorder; }

    // Test seams. The line the sessions talk through (MSComm1 when null), and
    // who starts and stops Timer1 and Timer2: by default the QTimers
    // themselves; a test may keep them stopped and call Timer1_Timer and
    // Timer2_Timer from a clock of its own.
    void setPort(SessionPort* port) { port_ = port ? port : MSComm1_; }
    using TimerSwitch = std::function<void(QTimer* timer, bool on)>;
    void setTimerSwitch(TimerSwitch timerSwitch) { timerSwitch_ = std::move(timerSwitch); }
    // Before a start while MSComm1 is closed: may open it again (the port
    // dialog scans and follows the cable); a message it returns is shown
    // instead of the port-not-open one.
    using PortCheck = std::function<std::optional<Message>()>;
    void setPortCheck(PortCheck check) { portCheck_ = std::move(check); }

    void MSComm1_OnComm();
    // The port went away: it is closed, a running session ends at once.
    void MSComm1_HungUp();
    void Timer1_Timer();
    void Timer2_Timer();

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    // What the last session showed in the status line, or its last message.
    const QString& lastOutcome() const { return lastOutcome_; }

  signals:
    // The session ended: with its success caption, or with a message.
    void sessionFinished(bool succeeded);
    // A session began: "read", "write", "password" or "scratch".
    void sessionStarted(const QString& kind);
    // Every message sent and every piece received, as on the line.
    void bytesSent(const QByteArray& bytes);
    void bytesReceived(const QByteArray& bytes);
    // A write is about to send its first block, built from this image text.
    void aboutToWriteImage(const QString& imageHex);
    // A read was spread over the editor, from this read image text.
    void editorLoaded(const QString& readHex);
    // A scratch read finished with this read image text.
    void scratchReadArrived(const QString& readHex);
    // The countdown after a successful end gave the controls back.
    void countdownFinished();

  private:
    // False when it did not start (the message was shown).
    bool start(Session& engine, const QString& kind, SessionActions (Session::*startFn)(bool));
    // The actions of `engine`, carried out on the window.
    void apply(Session& engine, const SessionActions& actions);
    void switchTimer(QTimer* timer, bool on);
    // The one place a read reaches the editor.
    void loadReadIntoEditor(const QString& readHex);
    StepRecorder* steps_ = nullptr;

    SessionWindow& window_;
    MSComm1* MSComm1_;
    SessionPort* port_;
    TimerSwitch timerSwitch_;
    PortCheck portCheck_;
    EditorSessionHost host_;
    Session session_;
    ScratchSessionHost scratchHost_;
    Session scratch_;
    Session* active_; // the engine the port and the timers talk to
    QString lastOutcome_;
    MessageFraming scratchFraming_;
};

} // namespace q716
