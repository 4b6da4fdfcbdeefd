#pragma once
// The window's part of the safe writes: its settings (Verify after writing,
// Read the radio before writing), the windows that show what a check or a
// comparison found and the log, and the comparison with a channel file. The
// sequence itself (backups, the read before, the check after, the log) is
// the core's SessionSafety over the window's sessions.

#include "link/SessionController.h"
#include "link/SessionSafety.h"

#include <QObject>

class QWidget;

namespace q716 {

class CompareWindow;
class LogWindow;
class VerifyWindow;

class LinkSafety : public QObject {
    Q_OBJECT
  public:
    LinkSafety(SessionController& link, EditorState& state, QWidget* owner);

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

    const SessionLogBook& log() const { return sequence_.log(); }
    CompareWindow* compareWindow() const { return compare_; }
    LogWindow* logWindow() const { return logWindow_; }
    VerifyWindow* verifyWindow() const { return verifyWindow_; }

  private:
    void compared(const QByteArray& radioImage);

    EditorState& state_;
    SessionSafety sequence_;
    CompareWindow* compare_;
    LogWindow* logWindow_;
    VerifyWindow* verifyWindow_;
};

} // namespace q716
