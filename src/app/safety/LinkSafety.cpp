#include "safety/LinkSafety.h"

#include "compare/CompareTexts.h"
#include "compare/EditorDiff.h"
#include "files/ChannelFile.h"
#include "image/HexHelpers.h"
#include "safety/CompareWindow.h"
#include "safety/LogWindow.h"
#include "safety/VerifyWindow.h"
#include "shell/LocalMsgBox.h"

#include <QSettings>

namespace q716 {

namespace {

const QString VerifyKey = QStringLiteral("verifyAfterWrite");
const QString ReadFirstKey = QStringLiteral("readBeforeWrite");

} // namespace

LinkSafety::LinkSafety(SessionController& link, EditorState& state, SessionWindow& window,
                       QWidget* owner)
    : QObject(owner), link_(link), state_(state), window_(window),
      compare_(new CompareWindow(state, owner)), logWindow_(new LogWindow(book_, state, owner)),
      verifyWindow_(new VerifyWindow(state, owner)) {
    pruneBackups(backupFolder(), QDateTime::currentDateTime());
    connect(&link_, &SessionController::sessionStarted, this, &LinkSafety::sessionStarted);
    connect(&link_, &SessionController::bytesSent, this, &LinkSafety::bytesSent);
    connect(&link_, &SessionController::bytesReceived, this,
            [this](const QByteArray& bytes) { recorder_.received(bytes); });
    connect(&link_, &SessionController::sessionFinished, this, &LinkSafety::sessionFinished);
    connect(&link_, &SessionController::countdownFinished, this, &LinkSafety::countdownFinished);
    connect(&link_, &SessionController::aboutToWriteImage, this,
            [this](const QString& hex) { backup(hex, BackupKind::Write); });
    connect(&link_, &SessionController::editorLoaded, this,
            [this](const QString& hex) { backup(hex, BackupKind::Read); });
    connect(&link_, &SessionController::scratchReadArrived, this, &LinkSafety::scratchReadArrived);
    link_.setScratchMessageFraming([this](const Message& m) { return framed(m); });
}

bool LinkSafety::verifyAfterWriteSetting() {
    return QSettings().value(VerifyKey, false).toBool();
}

void LinkSafety::setVerifyAfterWriteSetting(bool on) {
    QSettings().setValue(VerifyKey, on);
}

bool LinkSafety::readBeforeWriteSetting() {
    return QSettings().value(ReadFirstKey, false).toBool();
}

void LinkSafety::setReadBeforeWriteSetting(bool on) {
    QSettings().setValue(ReadFirstKey, on);
}

void LinkSafety::startWrite() {
    if (readBeforeWriteSetting())
        startScratchRead(ScratchPurpose::BeforeWrite);
    else
        link_.startWrite();
}

void LinkSafety::compareWithRadio() {
    startScratchRead(ScratchPurpose::Compare);
}

void LinkSafety::startScratchRead(ScratchPurpose purpose) {
    purpose_ = purpose;
    link_.startScratchRead();
}

// A read of our own that fails is no failed write: the message says what it
// means for the write.
Message LinkSafety::framed(const Message& message) const {
    const int lang = state_.values.languageCode;
    switch (purpose_) {
    case ScratchPurpose::Verify:
        return comparetext::verifyNotRun(lang, message.text);
    case ScratchPurpose::BeforeWrite:
        return comparetext::readBeforeWriteFailed(lang, message.text);
    case ScratchPurpose::None:
    case ScratchPurpose::Compare:
        break;
    }
    return message;
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
    // Another session cancels what the last one still waited for.
    verifyPending_ = false;
    writePending_ = false;
    if (kind != QLatin1String("scratch"))
        purpose_ = ScratchPurpose::None;
    if (recorder_.running()) {
        recorder_.end({});
        book_.add(recorder_.record());
    }
    kind_ = kind;
    if (kind == QLatin1String("scratch"))
        kind_ = purpose_ == ScratchPurpose::Verify        ? QStringLiteral("verify")
                : purpose_ == ScratchPurpose::BeforeWrite ? QStringLiteral("read before write")
                                                          : QStringLiteral("compare");
    // Each write checks only its own blocks.
    if (kind_ == QLatin1String("write"))
        written_.clear();
    statusText_.clear();
    details_.clear();
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
    recorder_.end(statusText_.isEmpty() ? link_.lastOutcome() : statusText_, details_);
    book_.add(recorder_.record());
    if (logWindow_->isVisible())
        logWindow_->refresh();
    if (succeeded && kind_ == QLatin1String("write") && verifyAfterWriteSetting())
        verifyPending_ = true;
    if (!succeeded && kind_ == QLatin1String("verify"))
        statusText_ = comparetext::verifyNotRunStatus(state_.values.languageCode);
    if (statusText_.isEmpty() && note_.isEmpty())
        return;
    const QString shown = statusText_.isEmpty() ? link_.lastOutcome() : statusText_;
    window_.setStatusCaption(note_.isEmpty() ? shown : shown + QLatin1Char(' ') + note_);
    // A failed session hid the status line; what it says stays until the next one.
    if (!succeeded)
        window_.setStatusVisible(true);
}

void LinkSafety::countdownFinished() {
    // A session without its safety copy stays told until the next one.
    if (!note_.isEmpty())
        window_.setStatusVisible(true);
    if (writePending_) {
        writePending_ = false;
        link_.startWrite();
        return;
    }
    if (!verifyPending_)
        return;
    verifyPending_ = false;
    if (!link_.portOpen()) {
        verifyCouldNotRun(comparetext::portClosedBeforeCheck(state_.values.languageCode));
        return;
    }
    startScratchRead(ScratchPurpose::Verify);
}

void LinkSafety::verifyCouldNotRun(const QString& reason) {
    const int lang = state_.values.languageCode;
    statusText_ = comparetext::verifyNotRunStatus(lang);
    window_.setStatusCaption(statusText_);
    window_.setStatusVisible(true);
    LocalMsgBox(comparetext::verifyNotRun(lang, reason));
}

void LinkSafety::scratchReadArrived(const QString& readHex) {
    const int lang = state_.values.languageCode;
    const QByteArray image = hexToBytes(readHex);
    switch (purpose_) {
    case ScratchPurpose::BeforeWrite:
        backup(readHex, BackupKind::BeforeWrite);
        // Without what the radio held kept, the write does not start.
        if (lastBackup_.ok)
            writePending_ = true;
        else
            LocalMsgBox(comparetext::readBeforeWriteFailed(lang, note_));
        break;
    case ScratchPurpose::Verify: {
        backup(readHex, BackupKind::Read);
        const QList<ByteMismatch> mismatches = verifyWrittenBlocks(written_, image);
        statusText_ =
            mismatches.isEmpty() ? comparetext::verifyOk(lang) : comparetext::verifyFailed(lang);
        window_.setStatusCaption(statusText_);
        details_ = verifyLines(mismatches, lang);
        if (!mismatches.isEmpty())
            verifyWindow_->showMismatches(mismatches);
        break;
    }
    case ScratchPurpose::Compare:
        backup(readHex, BackupKind::Read);
        compare_->showDifferences(stateAsImage(state_), stateOfImage(image, lang),
                                  CompareWindow::Other::Radio, {});
        break;
    case ScratchPurpose::None:
        break;
    }
    purpose_ = ScratchPurpose::None;
}

void LinkSafety::backup(const QString& hex, BackupKind kind) {
    lastBackup_ = saveBackup(hexToBytes(hex), kind, QDateTime::currentDateTime(), backupFolder());
    if (!lastBackup_.ok && note_.isEmpty())
        note_ = backupFailedNote(state_.values.languageCode, lastBackup_.reason);
}

QString LinkSafety::portName() const {
    return link_.comm().device().location;
}

} // namespace q716
