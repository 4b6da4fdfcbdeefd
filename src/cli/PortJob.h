#pragma once
// One radio on one serial port, for q716-cli: a read or a write session, the
// backups around it, the read-back check after a write, and the log of every
// session. Jobs run on the caller's event loop, so several radios are served
// at once by one thread.

#include "compare/WriteVerify.h"
#include "files/Backups.h"
#include "link/DeviceSessionRunner.h"
#include "link/EditorSessionHost.h"
#include "link/ScratchSessionHost.h"
#include "link/SessionLog.h"
#include "state/EditorState.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>

#include <functional>
#include <memory>

namespace q716::cli {

enum class JobKind {
    Read,        // the radio into the job's editor state
    Write,       // the job's editor state into the radio
    ScratchRead, // the radio's image only (diff --port)
};

struct JobOptions {
    JobKind kind = JobKind::Read;
    bool verify = false;      // a write is read back and checked
    bool backups = true;      // reads and writes are kept in the backups folder
    bool backupFirst = false; // a write first reads the radio and keeps what it held
};

class PortJob : public QObject {
    Q_OBJECT
  public:
    // `state`: the plan a write sends, or the editor a read fills (English texts).
    PortJob(const QString& device, const EditorState& state, const JobOptions& options,
            QObject* parent = nullptr);
    ~PortJob() override;

    // Opens the port and starts; finished() always follows, never before
    // start() returns.
    void start();

    const QString& device() const { return device_; }
    // The read or the write went through (a write whose check could not run too).
    bool succeeded() const { return succeeded_; }
    // The success caption, or why the job failed.
    const QString& result() const { return result_; }
    bool hungUp() const { return hungUp_; }
    bool verified() const { return options_.verify && succeeded_ && verifyDone_; }
    // Why the check after a write that went through could not run; empty
    // when it ran or was not asked for.
    const QString& uncheckedReason() const { return uncheckedReason_; }
    const QList<ByteMismatch>& mismatches() const { return mismatches_; }
    // A note for the user beside the result (a backup that could not be saved).
    const QString& note() const { return note_; }
    qint64 elapsedMs() const { return elapsedMs_; }
    const EditorState& state() const { return state_; }
    // The image a read brought (0x0010..), for ScratchRead and Read jobs.
    const QByteArray& imageRead() const { return imageRead_; }
    const QList<SessionRecord>& sessions() const { return sessions_; }

  signals:
    void progress(int value, int maximum);
    void finished();

  private:
    enum class Phase {
        ReadFirst, // the radio's image before a write, into the scratch host
        Main,      // the job's read or write
        Verify,    // the read-back after a write, into the scratch host
    };

    void runSession(Phase phase);
    void sessionFinished(bool ok, const QString& text);
    void readFirstFinished(bool ok, const QString& text);
    void mainFinished(bool ok, const QString& text);
    void startWrite();
    // `next` after the countdown the window keeps between two sessions;
    // `closed` instead when the port closed meanwhile.
    void afterCountdown(const std::function<void()>& next, const std::function<void()>& closed);
    // False (with the note set) when the backup could not be saved.
    bool backup(const QByteArray& image, BackupKind kind);
    void finish(bool ok, const QString& result);

    QString device_;
    EditorState state_;
    JobOptions options_;
    QSerialPort port_;
    EditorSessionHost editorHost_;
    ScratchSessionHost scratchHost_;
    std::unique_ptr<DeviceSessionRunner> runner_;
    Phase phase_ = Phase::Main;
    SessionRecorder recorder_;
    QList<SessionRecord> sessions_;
    QList<WrittenBlock> written_;
    QList<ByteMismatch> mismatches_;
    QByteArray imageRead_;
    QString lastReadHex_; // what the editor host last loaded
    QString writeResult_; // the write's success caption, kept over the read-back
    QElapsedTimer clock_;
    QString result_;
    QString note_;
    QString uncheckedReason_;
    qint64 elapsedMs_ = 0;
    bool succeeded_ = false;
    bool hungUp_ = false;
    bool verifyDone_ = false;
    bool done_ = false;
};

} // namespace q716::cli
