#pragma once
// A clean world for one window test or screenshot program: no serial ports
// (Q716_PORTS empty) unless a test names its own, the parameter file, the
// per-user settings and data (backups) in a temporary folder, message boxes
// and file dialogs answered from scripted queues, web pages recorded instead
// of opened, and the main window built as main() builds it.

#include "shell/Form1.h"
#include "shell/Messages.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace q716test {

struct ShownMessage {
    QString text;
    QString title;
    QStringList buttons;   // texts in the box's order
    QString defaultButton; // text of the default button
    bool hasIcon = false;
    int answer = 0;
    QString details; // the list shown beside the text, if any
};

class AppFixture {
  public:
    AppFixture();
    ~AppFixture();

    QString configDir() const;
    // XDG_DATA_HOME while the fixture lives, and the backups folder in it.
    QString dataDir() const;
    QString backupDir() const;
    QString tempPath(const QString& name) const;

    void writeParameter(const QByteArray& bytes);
    QByteArray parameterBytes() const; // empty when there is no file
    bool parameterExists() const;

    void setLanguageOverride(const QVariant& value);
    bool languageOverridePresent() const;

    // Builds and starts the main window like main(); shows it, makes it the
    // active window so focus changes happen as on a desktop, and waits until
    // it has built what it builds once drawn.
    std::unique_ptr<q716::Form1> start(const QStringList& arguments = {});
    q716::Form1* window() const { return window_; }

    // Answers for the next message boxes (result codes 1 OK, 2 Cancel, 6 Yes,
    // 7 No). A box without a scripted answer gets its escape or only button.
    void answerMessages(const QList<int>& codes) { answers_ += codes; }
    QList<ShownMessage> messages;
    int unscriptedMessages = 0;

    // Answers for the next file dialogs: a path, or an empty text for Cancel.
    void answerFileDialogs(const QStringList& paths) { files_ += paths; }
    int fileDialogsShown = 0;

    QList<QUrl> openedUrls;

  private:
    QTemporaryDir dir_;
    QList<int> answers_;
    QStringList files_;
    q716::Form1* window_ = nullptr;
};

// The caption the window system shows: "[*]" is Qt's placeholder for the
// unsaved-changes mark, so windowTitle() alone is not what a person reads.
inline QString shownTitle(const QWidget& w) {
    return w.windowHandle() ? w.windowHandle()->title() : QString();
}

} // namespace q716test
