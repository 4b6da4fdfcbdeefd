#pragma once
// One radio on one serial port, for q716-cli: a read or a write session with
// the core's safe-write sequence around it (backups, the read before, the
// read-back check after, the log of every session). Jobs run on the
// caller's event loop, so several radios are served at once by one thread.

#include "RadioLine.h"

#include "link/EditorSessionHost.h"
#include "link/SessionSafety.h"
#include "state/EditorState.h"

#include <QElapsedTimer>
#include <QObject>

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

class PortJob : public QObject, private SessionDisplay {
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
    bool verified() const { return verified_; }
    // Why the check after a write that went through could not run; empty
    // when it ran or was not asked for.
    const QString& uncheckedReason() const { return uncheckedReason_; }
    const QList<ByteMismatch>& mismatches() const { return safety_.mismatches(); }
    // A note for the user beside the result (a backup that could not be saved).
    const QString& note() const { return note_; }
    qint64 elapsedMs() const { return elapsedMs_; }
    const EditorState& state() const { return state_; }
    // The image a read brought (0x0010..), for ScratchRead and Read jobs.
    const QByteArray& imageRead() const { return imageRead_; }
    const std::deque<SessionRecord>& sessions() const { return safety_.log().sessions(); }

  signals:
    void progress(int value, int maximum);
    void finished();

  private:
    // The progress bar is all a terminal shows of a session.
    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;

    void sessionFinished(bool ok);
    void writeEnded(const WriteEnd& end);
    void finish(bool ok, const QString& result);

    QString device_;
    EditorState state_;
    JobOptions options_;
    RadioLine line_;
    EditorSessionHost editorHost_;
    SessionRunner runner_;
    SessionSafety safety_;
    QElapsedTimer clock_;
    QByteArray imageRead_;
    QString result_;
    QString note_;
    QString uncheckedReason_;
    int progressValue_ = 0;
    int progressMaximum_ = 0;
    qint64 elapsedMs_ = 0;
    bool succeeded_ = false;
    bool hungUp_ = false;
    bool verified_ = false;
    bool done_ = false;
};

} // namespace q716::cli
