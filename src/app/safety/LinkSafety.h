#pragma once
// What the window adds around its radio sessions so that a write can never
// lose the user's data unnoticed: backups of every image read and of every
// image about to be written, the read-back check after a write, the
// comparison with the radio or a channel file, and the log of the last
// sessions. It only watches the session controller and starts reads of its
// own; the protocol stays as it is.

#include "compare/WriteVerify.h"
#include "link/SessionController.h"
#include "link/SessionLog.h"

#include <QObject>

class QWidget;

namespace q716 {

class CompareWindow;
class LogWindow;

class LinkSafety : public QObject {
    Q_OBJECT
  public:
    LinkSafety(SessionController& link, EditorState& state, SessionWindow& window, QWidget* owner);

    // Programming -> Verify after writing, kept in the per-user settings.
    static bool verifyAfterWriteSetting();
    static void setVerifyAfterWriteSetting(bool on);

    // Reads the radio into a scratch image and lists what differs.
    void compareWithRadio();
    // Lists what differs from the channel file at `path`.
    void compareWithFile(const QString& path);
    void showLog();

    const SessionLogBook& log() const { return book_; }
    CompareWindow* compareWindow() const { return compare_; }
    LogWindow* logWindow() const { return logWindow_; }

  private:
    enum class ScratchPurpose { None, Verify, Compare };

    void sessionStarted(const QString& kind);
    void bytesSent(const QByteArray& bytes);
    void sessionFinished(bool succeeded);
    void countdownFinished();
    void scratchReadArrived(const QString& readHex);
    void backup(const QString& hex, bool read);
    QString portName() const;

    SessionController& link_;
    EditorState& state_;
    SessionWindow& window_;
    CompareWindow* compare_;
    LogWindow* logWindow_;
    SessionRecorder recorder_;
    SessionLogBook book_;
    QString kind_; // of the session running or last run
    ScratchPurpose purpose_ = ScratchPurpose::None;
    QList<WrittenBlock> written_; // by the write running or last run
    bool verifyPending_ = false;
    QString statusText_; // replaces the session's last caption when it ends
    QString note_;       // a backup that failed, told once when the session ends
};

} // namespace q716
