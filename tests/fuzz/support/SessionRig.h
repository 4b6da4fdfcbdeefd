#pragma once
// The program's side of a session as the session fuzz target drives it: the
// session runner with the real editor as its host, a window that only
// mirrors what the runner shows, and a line to the in-process radio whose
// replies wait in a queue until the input delivers, cuts, drops or spoils
// them. Every action is checked as it is carried out; a broken invariant
// aborts (FuzzCheck.h).

#include "Radio.h"

#include "link/EditorSessionHost.h"
#include "link/Session.h"
#include "link/SessionRunner.h"
#include "state/EditorState.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace q716::fuzz {

enum class SessionKind { Read, Write, Password };

// How a run begins: which editor, which radio, which flags.
struct RigSetup {
    int editor = 0;      // index into startingEditors()
    int radioMemory = 0; // see radioMemoryFor()
    bool portOpen = true;
    bool flipDebugUnlocked = false;
    bool flipAdminMode = false;
    bool flipLanguage = false;
    // The load's questions are answered with the first button (OK, Yes) or
    // the second (Cancel, No).
    bool answerFirst = true;
};

// What the window knows of a session: only the actions it was given.
using WindowMirror = SessionView;

class SessionRig : private SessionPort, private SessionDisplay {
  public:
    explicit SessionRig(const RigSetup& setup);
    SessionRig(const SessionRig&) = delete;
    SessionRig& operator=(const SessionRig&) = delete;

    // Called while a message box is open (a session message or a question of
    // the load): events may reach the engine from the box's event loop.
    std::function<void()> whileBoxOpen;
    // How many message boxes are open now.
    int boxesOpen() const { return boxesOpen_; }

    // The window's commands. Read and write come from the toolbar and the
    // menu, which are disabled while a session runs and during its
    // countdown: they are only given when the window has them enabled.
    bool readWriteEnabled() const { return window_.controlsEnabled; }
    void startRead();
    void startWrite();
    // Create New Password: the dialog puts the old password into the main
    // window's password box and the new one into the program's, then starts.
    void startPasswordChange(const QString& oldPassword, const QString& newPassword);

    // The line.
    void deliverNext();          // the radio's next reply piece as it is
    void deliverPart(int bytes); // only the first bytes of it
    void deliverAll();           // every reply, as long as the radio answers
    void dropNext();             // lost on the line
    void spoilNext(int index, uchar xorMask);
    void bytesFromLine(const QByteArray& bytes); // anything at all
    void lineBreak();
    void portLost();   // a cable pulled, the other end hung up
    void portOpened(); // the port chosen again in the port dialog

    // The timers.
    void tick1();
    void tick2();

    // The radio's stored password (the characters of 0x01C0..0x01CF that are not FF).
    QString radioPassword() const;

  private:
    struct Pending {
        q716sim::RadioOutput output;
        int session = 0; // the session whose message it answers
    };
    struct SessionRecord {
        int id = 0;
        SessionKind kind = SessionKind::Read;
        bool clean = true; // only the radio's own replies, whole and in order
        bool verdict = false;
        bool succeeded = false;
        int messages = 0;
        QString lastMessage;
        int ends = 0;
        int loads = 0;
        QList<QByteArray> sent;
        QByteArray received;        // every byte given to the engine
        QList<qsizetype> requestAt; // read: where in `received` each request was sent
        bool dataPhase = false;
        QByteArray image;   // write: the image when the data phase began
        QList<int> plan;    // write: the blocks it must send, in order
        int blocksSent = 0; // write: blocks of the plan sent so far
        bool passwordBlockSent = false;
        QString oldPassword; // password change: typed as the old one
        QByteArray newPasswordBlock;
        QString storedPassword; // password change: the radio's when it started
        bool admin = false;
    };
    enum class Call { Start, Bytes, Break, Tick1, Tick2, PortLost };
    // What one start sent and showed itself (not the calls made while its
    // box was open).
    struct StartWatch {
        int callId = 0;
        SessionView before;
        SessionView atMessage;
        QList<QByteArray> sent;
        QList<Message> shown;
    };

    void call(Call kind, const std::function<void()>& runnerCall);
    void start(SessionKind kind);
    void deliver(Pending pending);

    // The line.
    bool isOpen() const override { return portOpen_; }
    void output(const QByteArray& bytes) override { onSend(bytes, callId_); }
    QByteArray input() override { return std::exchange(arrived_, {}); }
    // The window.
    void setStatusCaption(const QString& text) override { window_.caption = text; }
    void setStatusVisible(bool on) override { window_.labelVisible = on; }
    void setProgressVisible(bool on) override { window_.progressVisible = on; }
    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;
    void setSessionControlsEnabled(bool on) override { window_.controlsEnabled = on; }
    void showMessage(const Message& m) override { onShowMessage(m); }
    void loadIntoEditor(SessionHost& host, const QString& readHex) override {
        onLoad(host, readHex);
    }

    void onSend(const QByteArray& bytes, int callId);
    void checkMessageForm(const QByteArray& bytes) const;
    void checkSendInSession(SessionRecord& s, const QByteArray& bytes);
    void onShowMessage(const Message& m);
    void onLoad(SessionHost& host, const QString& text);
    void onSucceeded();
    void onFailed(Call kind);
    void checkAtRest();
    void openBox();

    QByteArray memory() const;
    int lang() const { return state_.values.languageCode; }

    RigSetup setup_;
    EditorState state_;
    EditorState editorBefore_; // the editor as the last load or dialog left it
    EditorSessionHost host_;
    SessionRunner runner_;
    const Session& session_ = runner_.session();
    WindowMirror window_;

    bool portOpen_ = false;
    int lostAtCall_ = 0; // the engine was told of a lost port by this call
    std::unique_ptr<q716sim::Radio> radio_;
    QByteArray memory_; // the radio's memory while it is off the line
    std::deque<Pending> line_;
    bool breakPending_ = false;

    int calls_ = 0;
    int callId_ = 0; // the call being carried out
    Call callKind_ = Call::Start;
    StartWatch* watch_ = nullptr;
    QByteArray arrived_;  // bytes delivered, for the runner to take
    int ticksAtCall_ = 0; // Timer1 ticks without a send, at the tick being handled
    int boxesOpen_ = 0;
    bool loading_ = false;
    int ticksSinceSend_ = 0;
    std::optional<SessionRecord> current_;
    int sessions_ = 0;
};

} // namespace q716::fuzz
