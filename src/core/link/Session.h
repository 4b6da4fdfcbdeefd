#pragma once
// The read/write/password session with the radio as a pure state machine: it is
// fed with starts, received bytes, breaks, timer ticks and the loss of the
// port, and answers with the actions its caller carries out. It does no I/O,
// keeps no timers and never calls into anything that could show a window:
// the load of a read image is an action, carried out after the end byte.
// Each call returns its own actions, so a call made while the caller carries
// out the actions of an earlier one (from a message box's event loop) loses
// nothing of either.

#include "link/SessionAction.h"
#include "link/SessionHost.h"

#include <QByteArray>
#include <QString>

namespace q716 {

struct LinkRecord {
    int CurrentAddress = 0;
    QString ImageHex;
    QString ReadHex;
    bool BreakSeen = false;
    int BlinkCount = 0;
};

// What the window shows of a session; the engine keeps it so the blinker can
// toggle the label and the progress steps can be capped.
struct SessionView {
    QString caption;
    bool labelVisible = false;
    bool progressVisible = false;
    int progressMaximum = 0;
    int progressValue = 0;
    bool controlsEnabled = true;
    bool timer1 = false;
    bool timer2 = false;

    bool operator==(const SessionView&) const = default;
};

class Session {
  public:
    static constexpr int ProgressMaximum = 460;
    static constexpr int WatchdogTicks = 5; // the session ends on the tick after this many
    static constexpr int BlinkTicks = 10;
    static constexpr int FirstAddress = 0x0010;
    static constexpr int ReadEndAddress = 0x0410;
    static constexpr int WriteEndAddress = 0x0350;
    static constexpr int ReadBlockSize = 0x40;
    static constexpr int WriteBlockSize = 0x10;
    static constexpr int PasswordAddress = 0x01C0;
    static constexpr int PasswordSize = 16;

    explicit Session(SessionHost& host) : host_(host) {}

    // A start while a session runs (its watchdog on) only shows that one runs
    // and leaves that session alone; in the countdown after a success a new
    // one may start.
    SessionActions startRead(bool portOpen) { return start(portOpen, QStringLiteral("R")); }
    SessionActions startWrite(bool portOpen) { return start(portOpen, QStringLiteral("W")); }
    // Started by "Create New Password"; leaves SessionMode and the controls alone.
    SessionActions startPasswordChange(bool portOpen);
    SessionActions bytesReceived(const QByteArray& bytes);
    SessionActions breakReceived();
    SessionActions timer1Tick();
    SessionActions timer2Tick();
    // The port went away (a cable unplugged, the other end hung up): a running
    // session ends at once with the communication error.
    SessionActions portLost();
    // The program quits while a session runs: the session ends at once with
    // the end byte and shows nothing more, the window being about to go.
    SessionActions endForQuit();

    const SessionView& view() const { return view_; }
    // A session runs from its start until its verdict (its watchdog is on).
    bool running() const { return view_.timer1; }
    // Whom LoadImage actions are meant for.
    SessionHost& host() const { return host_; }

    // The session state, public for the window and for tests to inspect.
    QByteArray SendBuffer;
    QString RxHex;
    QString SessionMode;
    int HandshakePhase = 0;
    int HandshakeState = 0;
    bool SessionDone = false;
    bool SessionEnded = false;
    int WatchdogCount = 0;
    LinkRecord Link;
    bool PasswordWritten = false;
    bool PasswordChangeMode = false;

  private:
    // Points the helpers below at the action list of one public call, and
    // back at the list of the call it interrupted, if any, when it ends.
    class OutputScope {
      public:
        OutputScope(Session& s, SessionActions& list) : s_(s), previous_(s.out_) { s.out_ = &list; }
        ~OutputScope() { s_.out_ = previous_; }
        OutputScope(const OutputScope&) = delete;
        OutputScope& operator=(const OutputScope&) = delete;

      private:
        Session& s_;
        SessionActions* previous_;
    };

    SessionActions start(bool portOpen, const QString& mode);
    bool refusedWhileRunning();
    void endWithCommunicationError(bool sayEnd);
    void send(const QByteArray& bytes);
    void handshakeStep();
    void passwordStep();
    void enterDataPhase();
    void writeStep();
    void readStep();
    // readHex: the image of a finished read, loaded after the end byte.
    void finish(const QString& caption, const QString& readHex = {});
    void passwordMismatch();
    void addProgress(int step);
    QByteArray passwordBytes() const;
    QByteArray imageBytes(int address, int count) const;

    void caption(const QString& text);
    void labelVisible(bool on);
    void progressVisible(bool on);
    void controlsEnabled(bool on);
    void timer1(bool on);
    void timer2(bool on);
    void message(const Message& m);
    void emitAction(SessionAction::Kind kind, bool on = false);

    int lang() const { return host_.languageCode(); }

    SessionHost& host_;
    SessionView view_;
    SessionActions* out_ = nullptr;
};

} // namespace q716
