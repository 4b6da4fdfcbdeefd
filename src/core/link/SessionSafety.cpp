#include "link/SessionSafety.h"

#include "compare/CompareTexts.h"
#include "image/HexHelpers.h"

namespace q716 {

SessionSafety::SessionSafety(SessionRunner& runner, std::function<int()> language,
                             const SafetyOptions& options, QObject* parent)
    : QObject(parent), runner_(runner), language_(std::move(language)), options_(options) {
    connect(&runner_, &SessionRunner::sessionStarted, this, &SessionSafety::sessionStarted);
    connect(&runner_, &SessionRunner::bytesSent, this, &SessionSafety::bytesSent);
    connect(&runner_, &SessionRunner::bytesReceived, this,
            [this](const QByteArray& bytes) { recorder_.received(bytes); });
    connect(&runner_, &SessionRunner::sessionFinished, this, &SessionSafety::sessionFinished);
    connect(&runner_, &SessionRunner::countdownFinished, this, &SessionSafety::countdownFinished);
    if (!options_.backupWriteAtStart)
        connect(&runner_, &SessionRunner::aboutToWriteImage, this,
                [this](const QString& hex) { backup(hexToBytes(hex), BackupKind::Write); });
    connect(&runner_, &SessionRunner::editorLoaded, this,
            [this](const QString& hex) { backup(hexToBytes(hex), BackupKind::Read); });
    connect(&runner_, &SessionRunner::scratchReadArrived, this, &SessionSafety::scratchReadArrived);
    if (!options_.logSessionResults)
        runner_.setScratchMessageFraming([this](const Message& m) { return framed(m); });
}

void SessionSafety::startWrite(bool readFirst) {
    if (readFirst)
        startScratchRead(Purpose::BeforeWrite);
    else
        startWriteSession();
}

bool SessionSafety::startCompare() {
    return startScratchRead(Purpose::Compare);
}

void SessionSafety::startWriteSession() {
    if (!runner_.start(SessionRunner::Kind::Write))
        endWrite(WriteEnd::Step::Write, false, !runner_.portOpen(), runner_.lastOutcome());
}

bool SessionSafety::startScratchRead(Purpose purpose) {
    purpose_ = purpose;
    if (runner_.start(SessionRunner::Kind::ScratchRead))
        return true;
    if (purpose == Purpose::BeforeWrite)
        endWrite(WriteEnd::Step::ReadFirst, false, false, runner_.lastOutcome());
    else if (purpose == Purpose::Verify)
        endWrite(WriteEnd::Step::Check, false, false, runner_.lastOutcome());
    return false;
}

// A read of our own that fails is no failed write: the message says what it
// means for the write.
Message SessionSafety::framed(const Message& message) const {
    switch (purpose_) {
    case Purpose::Verify:
        return comparetext::verifyNotRun(lang(), message.text);
    case Purpose::BeforeWrite:
        return comparetext::readBeforeWriteFailed(lang(), message.text);
    case Purpose::None:
    case Purpose::Compare:
        break;
    }
    return message;
}

void SessionSafety::sessionStarted(const QString& kind) {
    // Another session cancels what the last one still waited for.
    verifyPending_ = false;
    writePending_ = false;
    if (kind != QLatin1String("scratch"))
        purpose_ = Purpose::None;
    if (recorder_.running()) {
        recorder_.end({});
        book_.add(recorder_.record());
    }
    kind_ = kind;
    if (kind == QLatin1String("scratch"))
        kind_ = purpose_ == Purpose::Verify        ? QStringLiteral("verify")
                : purpose_ == Purpose::BeforeWrite ? QStringLiteral("read before write")
                                                   : QStringLiteral("compare");
    // Each write checks only its own blocks.
    if (kind_ == QLatin1String("write"))
        written_.clear();
    statusText_.clear();
    details_.clear();
    note_.clear();
    recorder_.begin(kind_, portName_ ? portName_() : QString(), QDateTime::currentDateTime());
    if (kind_ == QLatin1String("write") && options_.backupWriteAtStart)
        backup(hexToBytes(runner_.editorHost().buildImage()), BackupKind::Write);
}

void SessionSafety::bytesSent(const QByteArray& bytes) {
    recorder_.sent(bytes);
    if (kind_ == QLatin1String("write"))
        if (const std::optional<WrittenBlock> block = writtenBlockOf(bytes))
            written_.append(*block);
}

void SessionSafety::sessionFinished(bool succeeded) {
    const QString outcome = runner_.lastOutcome();
    recorder_.end(statusText_.isEmpty() || options_.logSessionResults ? outcome : statusText_,
                  details_);
    book_.add(recorder_.record());
    emit logged();
    if (kind_ == QLatin1String("write")) {
        if (succeeded)
            writeResult_ = outcome;
        if (succeeded && verifyAsked_ && verifyAsked_())
            verifyPending_ = true;
        else
            endWrite(WriteEnd::Step::Write, succeeded, false, succeeded ? QString() : outcome);
    } else if (kind_ == QLatin1String("verify")) {
        if (!succeeded)
            statusText_ = comparetext::verifyNotRunStatus(lang());
        endWrite(WriteEnd::Step::Check, succeeded, false, succeeded ? QString() : outcome);
    } else if (kind_ == QLatin1String("read before write") && !succeeded) {
        endWrite(WriteEnd::Step::ReadFirst, false, false, outcome);
    }
    if (statusText_.isEmpty() && note_.isEmpty())
        return;
    SessionDisplay& display = runner_.display();
    const QString shown = statusText_.isEmpty() ? outcome : statusText_;
    display.setStatusCaption(note_.isEmpty() ? shown : shown + QLatin1Char(' ') + note_);
    // A failed session hid the status line; what it says stays until the next one.
    if (!succeeded)
        display.setStatusVisible(true);
}

void SessionSafety::countdownFinished() {
    // A session without its safety copy stays told until the next one.
    if (!note_.isEmpty())
        runner_.display().setStatusVisible(true);
    if (writePending_) {
        writePending_ = false;
        startWriteSession();
        return;
    }
    if (!verifyPending_)
        return;
    verifyPending_ = false;
    if (!runner_.portOpen()) {
        verifyCouldNotRun(comparetext::portClosedBeforeCheck(lang()));
        endWrite(WriteEnd::Step::Check, false, true);
        return;
    }
    startScratchRead(Purpose::Verify);
}

void SessionSafety::verifyCouldNotRun(const QString& reason) {
    SessionDisplay& display = runner_.display();
    statusText_ = comparetext::verifyNotRunStatus(lang());
    display.setStatusCaption(statusText_);
    display.setStatusVisible(true);
    display.showMessage(comparetext::verifyNotRun(lang(), reason));
}

void SessionSafety::scratchReadArrived(const QString& readHex) {
    const QByteArray image = hexToBytes(readHex);
    switch (purpose_) {
    case Purpose::BeforeWrite:
        // Without what the radio held kept, the write does not start.
        if (backup(image, BackupKind::BeforeWrite)) {
            writePending_ = true;
        } else {
            runner_.display().showMessage(comparetext::readBeforeWriteFailed(lang(), note_));
            endWrite(WriteEnd::Step::ReadFirst, false, false, note_);
        }
        break;
    case Purpose::Verify:
        backup(image, BackupKind::Read);
        mismatches_ = verifyWrittenBlocks(written_, image);
        statusText_ = mismatches_.isEmpty() ? comparetext::verifyOk(lang())
                                            : comparetext::verifyFailed(lang());
        runner_.display().setStatusCaption(statusText_);
        details_ = verifyLines(mismatches_, lang());
        emit checked(mismatches_);
        break;
    case Purpose::Compare:
        backup(image, BackupKind::Read);
        emit compared(image);
        break;
    case Purpose::None:
        break;
    }
    purpose_ = Purpose::None;
}

bool SessionSafety::backup(const QByteArray& image, BackupKind kind) {
    if (!options_.backups)
        return true;
    const BackupResult r = saveBackup(image, kind, QDateTime::currentDateTime(), backupFolder());
    // One note is enough: the next backup fails for the same reason.
    if (!r.ok && note_.isEmpty())
        note_ = backupFailedNote(lang(), r.reason);
    return r.ok;
}

void SessionSafety::endWrite(WriteEnd::Step step, bool ok, bool portClosed, const QString& reason) {
    emit writeEnded({step, ok, portClosed, reason});
}

} // namespace q716
