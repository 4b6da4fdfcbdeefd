#pragma once
// What the window adds around its radio sessions so that a write can never
// lose the user's data unnoticed: backups of every image read and of every
// image about to be written, on request a read of the radio before a write,
// the read-back check after a write, the comparison with the radio or a
// channel file, and the log of the last sessions. It only watches the
// session controller and starts reads of its own; the protocol stays as it is.

#include "compare/WriteVerify.h"
#include "files/Backups.h"
#include "link/SessionController.h"
#include "link/SessionLog.h"

#include <QObject>

class QWidget;

namespace q716 {

class CompareWindow;
class LogWindow;
class VerifyWindow;

class LinkSafety : public QObject {
    Q_OBJECT
  public:
    LinkSafety(SessionController& link, EditorState& state, SessionWindow& window, QWidget* owner);

    // Programming -> Verify after writing, kept in the per-user settings.
    static bool verifyAfterWriteSetting();
    static void setVerifyAfterWriteSetting(bool on);
    // Programming -> Read the radio before writing, kept likewise.
    static bool readBeforeWriteSetting();
    static void setReadBeforeWriteSetting(bool on);

    // Write Frequency: with "Read the radio before writing" the radio is
    // read first and what it held kept as a backup; the write follows.
    void startWrite();
    // Reads the radio into a scratch image and lists what differs.
    void compareWithRadio();
    // Lists what differs from the channel file at `path`.
    void compareWithFile(const QString& path);
    void showLog();

    const SessionLogBook& log() const { return book_; }
    CompareWindow* compareWindow() const { return compare_; }
    LogWindow* logWindow() const { return logWindow_; }
    VerifyWindow* verifyWindow() const { return verifyWindow_; }

  private:
    enum class ScratchPurpose { None, Verify, Compare, BeforeWrite };

    void startScratchRead(ScratchPurpose purpose);
    Message framed(const Message& message) const;
    void sessionStarted(const QString& kind);
    void bytesSent(const QByteArray& bytes);
    void sessionFinished(bool succeeded);
    void countdownFinished();
    void scratchReadArrived(const QString& readHex);
    void verifyCouldNotRun(const QString& reason);
    void backup(const QString& hex, BackupKind kind);
    QString portName() const;

    SessionController& link_;
    EditorState& state_;
    SessionWindow& window_;
    CompareWindow* compare_;
    LogWindow* logWindow_;
    VerifyWindow* verifyWindow_;
    SessionRecorder recorder_;
    SessionLogBook book_;
    QString kind_; // of the session running or last run
    ScratchPurpose purpose_ = ScratchPurpose::None;
    QList<WrittenBlock> written_; // by the write running or last run
    bool verifyPending_ = false;
    bool writePending_ = false; // the read before a write went well
    QString statusText_;        // replaces the session's last caption when it ends
    QStringList details_;       // what the check found, for the log
    QString note_;              // a backup that failed, shown until the next session
    BackupResult lastBackup_;
};

} // namespace q716
