#pragma once
// Carries out what the session engine decides, the same way for the main
// window, q716-cli, the soak and the fuzz rig: its messages go to the line,
// the watchdog Timer1 (500 ms) and the blinker Timer2 (200 ms) are started
// and stopped, and what it shows goes to a display. Two engines share the
// line and the timers: one over the editor, and one that reads the radio
// into a scratch image that never reaches the editor (the check after a
// write, a comparison, the read before a write).

#include "link/ScratchSessionHost.h"
#include "link/Session.h"
#include "link/SessionPort.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace q716 {

// What a session shows. The main window shows all of it; q716-cli and the
// test rigs take what they watch.
class SessionDisplay {
  public:
    virtual ~SessionDisplay() = default;
    virtual void setStatusCaption(const QString&) {} // Label
    virtual void setStatusVisible(bool) {}           // Label
    virtual void setProgressVisible(bool) {}         // ProgressBar1
    virtual void setProgressRange(int, int) {}       // ProgressBar1
    virtual void setProgressValue(int) {}            // ProgressBar1
    virtual void setSessionControlsEnabled(bool) {}  // Toolbar1, mnupro, buttons 5, 6
    virtual void enableFrame1AndFocusCombo1() {}     // Frame1, Combo1
    virtual void showMessage(const Message&) {}      // a message box in the window
    // A read finished: its image is spread over the editor through `host`.
    virtual void loadIntoEditor(SessionHost& host, const QString& readHex) {
        host.loadImage(readHex);
    }
};

class SessionRunner : public QObject {
    Q_OBJECT
  public:
    enum class Kind { Read, Write, Password, ScratchRead };

    // `editor`: the host of the reads and writes that reach the editor; it
    // is only kept here, so it may be built after the runner.
    explicit SessionRunner(SessionHost& editor, QObject* parent = nullptr);

    // The line; without one every start is refused as on a closed port.
    void setPort(SessionPort* port) { port_ = port; }
    SessionPort* port() const { return port_; }
    bool portOpen() const { return port_ && port_->isOpen(); }
    void setDisplay(SessionDisplay* display) { display_ = display; }
    // Shows nothing when no display was set.
    SessionDisplay& display() const { return display_ ? *display_ : noDisplay_; }

    // False when it did not start: a session runs, or the port is closed
    // (the display was told why).
    bool start(Kind kind);
    // A session runs on either engine.
    bool running() const { return session_.running() || scratch_.running(); }

    const Session& session() const { return session_; }
    const Session& scratchSession() const { return scratch_; }
    SessionHost& editorHost() const { return session_.host(); }
    // What the last session showed in the status line, or its last message.
    const QString& lastOutcome() const { return lastOutcome_; }

    // What the line and the timers report.
    void received(); // bytes wait in the port
    void lineBreak();
    // The port went away: it is closed, a running session ends at once.
    void portLost();
    void timer1Tick();
    void timer2Tick();
    // Restarts the watchdog, clears the received bytes and writes the
    // running session's send buffer again.
    void resend();
    // The program quits during a session: it ends at once, its end byte
    // written to the port before the port goes.
    void endForQuit();

    QTimer* Timer1;
    QTimer* Timer2;
    // Who starts and stops Timer1 and Timer2: by default the QTimers
    // themselves; a test keeps them stopped and ticks from a clock of its own.
    using TimerSwitch = std::function<void(QTimer* timer, bool on)>;
    void setTimerSwitch(TimerSwitch timerSwitch) { timerSwitch_ = std::move(timerSwitch); }
    // Before a start on a closed port: may open it again (the port dialog
    // scans and follows the cable); a message it returns is shown instead of
    // the port-not-open one.
    using PortCheck = std::function<std::optional<Message>()>;
    void setPortCheck(PortCheck check) { portCheck_ = std::move(check); }
    // How the messages of the scratch reads are told: whoever starts one may
    // say what its failure means (a check after a write that could not run).
    using MessageFraming = std::function<Message(const Message&)>;
    void setScratchMessageFraming(MessageFraming framing) { scratchFraming_ = std::move(framing); }

  signals:
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
    // The session ended: with its success caption, or with a message.
    void sessionFinished(bool succeeded);
    // The countdown after a successful end gave the controls back.
    void countdownFinished();

  private:
    // The actions of `engine`, carried out.
    void apply(Session& engine, const SessionActions& actions);
    void switchTimer(QTimer* timer, bool on);

    SessionPort* port_ = nullptr;
    SessionDisplay* display_ = nullptr;
    static SessionDisplay noDisplay_;
    Session session_;
    ScratchSessionHost scratchHost_;
    Session scratch_;
    Session* active_; // the engine the port and the timers talk to
    TimerSwitch timerSwitch_;
    PortCheck portCheck_;
    MessageFraming scratchFraming_;
    QString lastOutcome_;
};

} // namespace q716
