#include "safety/LinkSafety.h"

#include "compare/CompareTexts.h"
#include "compare/EditorDiff.h"
#include "files/Backups.h"
#include "files/ChannelFile.h"
#include "image/HexHelpers.h"
#include "safety/CompareWindow.h"
#include "safety/LogWindow.h"
#include "shell/LocalMsgBox.h"

#include <QSettings>

namespace q716 {

namespace {

const QString VerifyKey = QStringLiteral("verifyAfterWrite");

} // namespace

LinkSafety::LinkSafety(SessionController& link, EditorState& state, SessionWindow& window,
                       QWidget* owner)
    : QObject(owner), link_(link), state_(state), window_(window),
      compare_(new CompareWindow(state, owner)), logWindow_(new LogWindow(book_, state, owner)) {
    pruneBackups(backupFolder(), QDateTime::currentDateTime());
    connect(&link_, &SessionController::sessionStarted, this, &LinkSafety::sessionStarted);
    connect(&link_, &SessionController::bytesSent, this, &LinkSafety::bytesSent);
    connect(&link_, &SessionController::bytesReceived, this,
            [this](const QByteArray& bytes) { recorder_.received(bytes); });
    connect(&link_, &SessionController::sessionFinished, this, &LinkSafety::sessionFinished);
    connect(&link_, &SessionController::countdownFinished, this, &LinkSafety::countdownFinished);
    connect(&link_, &SessionController::aboutToWriteImage, this,
            [this](const QString& hex) { backup(hex, false); });
    connect(&link_, &SessionController::editorLoaded, this,
            [this](const QString& hex) { backup(hex, true); });
    connect(&link_, &SessionController::scratchReadArrived, this, &LinkSafety::scratchReadArrived);
}

bool LinkSafety::verifyAfterWriteSetting() {
    return QSettings().value(VerifyKey, false).toBool();
}

void LinkSafety::setVerifyAfterWriteSetting(bool on) {
    QSettings().setValue(VerifyKey, on);
}

void LinkSafety::compareWithRadio() {
    purpose_ = ScratchPurpose::Compare;
    link_.startScratchRead();
}

void LinkSafety::compareWithFile(const QString& path) {
    const ChannelFileRead file = readChannelFile(path);
    if (!file.result.ok()) {
        LocalMsgBox(wrongTypeMessage(state_.values.languageCode));
        return;
    }
    compare_->showDifferences(stateAsImage(state_),
                              stateOfImage(hexToBytes(file.imageHex), state_.values.languageCode),
                              CompareWindow::Other::File, path);
}

void LinkSafety::showLog() {
    logWindow_->refresh();
    logWindow_->show();
    logWindow_->raise();
    logWindow_->activateWindow();
}

void LinkSafety::sessionStarted(const QString& kind) {
    // Another session cancels a check the last write still waited for.
    verifyPending_ = false;
    if (kind != QLatin1String("scratch"))
        purpose_ = ScratchPurpose::None;
    if (recorder_.running()) {
        recorder_.end({});
        book_.add(recorder_.record());
    }
    kind_ = kind == QLatin1String("scratch")
                ? (purpose_ == ScratchPurpose::Verify ? QStringLiteral("verify")
                                                      : QStringLiteral("compare"))
                : kind;
    if (kind_ == QLatin1String("write"))
        written_.clear();
    statusText_.clear();
    note_.clear();
    recorder_.begin(kind_, portName(), QDateTime::currentDateTime());
}

void LinkSafety::bytesSent(const QByteArray& bytes) {
    recorder_.sent(bytes);
    if (kind_ == QLatin1String("write"))
        if (const std::optional<WrittenBlock> block = writtenBlockOf(bytes))
            written_.append(*block);
}

void LinkSafety::sessionFinished(bool succeeded) {
    recorder_.end(statusText_.isEmpty() ? link_.lastOutcome() : statusText_);
    book_.add(recorder_.record());
    if (logWindow_->isVisible())
        logWindow_->refresh();
    if (succeeded && kind_ == QLatin1String("write") && verifyAfterWriteSetting())
        verifyPending_ = true;
    if (statusText_.isEmpty() && note_.isEmpty())
        return;
    const QString shown = statusText_.isEmpty() ? link_.lastOutcome() : statusText_;
    window_.setStatusCaption(note_.isEmpty() ? shown : shown + QLatin1Char(' ') + note_);
    // A failed session hid the status line; the note stays until the next one.
    if (!succeeded)
        window_.setStatusVisible(true);
}

void LinkSafety::countdownFinished() {
    if (!verifyPending_)
        return;
    verifyPending_ = false;
    purpose_ = ScratchPurpose::Verify;
    link_.startScratchRead();
}

void LinkSafety::scratchReadArrived(const QString& readHex) {
    backup(readHex, true);
    const int lang = state_.values.languageCode;
    const QByteArray image = hexToBytes(readHex);
    if (purpose_ == ScratchPurpose::Verify) {
        const QList<ByteMismatch> mismatches = verifyWrittenBlocks(written_, image);
        statusText_ =
            mismatches.isEmpty() ? comparetext::verifyOk(lang) : comparetext::verifyFailed(lang);
        window_.setStatusCaption(statusText_);
        if (!mismatches.isEmpty())
            LocalMsgBox(verifyMismatchMessage(mismatches, lang));
    } else if (purpose_ == ScratchPurpose::Compare) {
        compare_->showDifferences(stateAsImage(state_), stateOfImage(image, lang),
                                  CompareWindow::Other::Radio, {});
    }
    purpose_ = ScratchPurpose::None;
}

void LinkSafety::backup(const QString& hex, bool read) {
    const BackupResult r = saveBackup(hexToBytes(hex), read ? BackupKind::Read : BackupKind::Write,
                                      QDateTime::currentDateTime(), backupFolder());
    if (!r.ok && note_.isEmpty())
        note_ = backupFailedNote(state_.values.languageCode, r.reason);
}

QString LinkSafety::portName() const {
    return link_.comm().device().location;
}

} // namespace q716
