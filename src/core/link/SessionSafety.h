#pragma once
// What every radio session gets around it so that a write never loses data
// unnoticed, the same for the main window and for each port of q716-cli:
// backups of every image read and of every image about to be written, on
// request a read of the radio before a write (its image kept before the
// write starts), the read-back check after a write, and the log of the
// sessions. It watches a session runner and starts sessions on it; the
// protocol stays as it is.

#include "compare/WriteVerify.h"
#include "files/Backups.h"
#include "link/SessionLog.h"
#include "link/SessionRunner.h"

#include <QObject>

#include <functional>

namespace q716 {

struct SafetyOptions {
    bool backups = true; // images kept in the backups folder
    // When the image of a write is kept: the window keeps the image its
    // engine built, as the first block goes; q716-cli keeps its plan as the
    // write session starts, so that backup exists even when the write fails.
    bool backupWriteAtStart = false;
    // What the log says a session ended with: the window logs what it
    // showed (a check's verdict, a failed read of its own told by what it
    // means for the write); q716-cli logs each session's own result and says
    // the rest on its result line.
    bool logSessionResults = false;
};

// How a write the sequence started ended, for whoever reports it on its own
// (q716-cli; the window has seen it all on its display).
struct WriteEnd {
    enum class Step { ReadFirst, Write, Check };
    Step step = Step::Write; // the step it ended at
    bool ok = false;         // that step went through
    bool portClosed = false; // it could not start: the port closed in the countdown before it
    QString reason;          // why it failed: the session's message or the backup's note
};

class SessionSafety : public QObject {
    Q_OBJECT
  public:
    // `language` chooses the texts of the checks and the notes.
    SessionSafety(SessionRunner& runner, std::function<int()> language,
                  const SafetyOptions& options, QObject* parent = nullptr);

    // The port the log names.
    void setPortName(std::function<QString()> name) { portName_ = std::move(name); }
    // Whether a write that went through is read back; asked as it ends.
    void setVerifyAfterWrite(std::function<bool()> asked) { verifyAsked_ = std::move(asked); }

    // A write; with `readFirst` the radio is read first and what it held
    // kept, and the write follows after the countdown.
    void startWrite(bool readFirst);
    // Reads the radio into a scratch image, which compared() brings; false
    // when the read did not start.
    bool startCompare();

    const SessionLogBook& log() const { return book_; }
    // The success caption of the last write that went through.
    const QString& writeResult() const { return writeResult_; }
    // What the last check found.
    const QList<ByteMismatch>& mismatches() const { return mismatches_; }
    // A backup of the session running or last run that could not be saved.
    const QString& note() const { return note_; }

  signals:
    // The read-back after a write arrived and was checked.
    void checked(const QList<ByteMismatch>& mismatches);
    // The radio's image (0x0010..) a comparison read.
    void compared(const QByteArray& radioImage);
    // A session ended and was added to the log.
    void logged();
    void writeEnded(const WriteEnd& end);

  private:
    enum class Purpose { None, Verify, Compare, BeforeWrite };

    void startWriteSession();
    bool startScratchRead(Purpose purpose);
    Message framed(const Message& message) const;
    void sessionStarted(const QString& kind);
    void bytesSent(const QByteArray& bytes);
    void sessionFinished(bool succeeded);
    void countdownFinished();
    void scratchReadArrived(const QString& readHex);
    void verifyCouldNotRun(const QString& reason);
    // False (with the note set) when the backup could not be saved.
    bool backup(const QByteArray& image, BackupKind kind);
    void endWrite(WriteEnd::Step step, bool ok, bool portClosed = false,
                  const QString& reason = {});
    int lang() const { return language_(); }

    SessionRunner& runner_;
    std::function<int()> language_;
    SafetyOptions options_;
    std::function<QString()> portName_;
    std::function<bool()> verifyAsked_;
    SessionRecorder recorder_;
    SessionLogBook book_;
    QString kind_; // of the session running or last run
    Purpose purpose_ = Purpose::None;
    QList<WrittenBlock> written_; // by the write running or last run
    QList<ByteMismatch> mismatches_;
    QString writeResult_;
    bool verifyPending_ = false;
    bool writePending_ = false; // the read before a write went well
    QString statusText_;        // replaces the session's last caption when it ends
    QStringList details_;       // what the check found, for the log
    QString note_;              // a backup that failed, shown until the next session
};

} // namespace q716
