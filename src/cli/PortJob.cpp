#include "PortJob.h"

#include "RadioPort.h"

#include "image/BuildImage.h"
#include "image/HexHelpers.h"
#include "image/LoadImage.h"
#include "link/PortOpenFailure.h"

#include <QTimer>
#include <cstdio>

namespace q716::cli {

namespace {

constexpr int EnglishLanguage = 1;
// The window's countdown after a session (ten ticks of Timer2) comes before
// the next session there (the read-back, the write after the read before
// it), and so it does here.
constexpr int CountdownMs = Session::BlinkTicks * 200;

QString kindName(JobKind kind, bool firstRead, bool verifying) {
    if (firstRead)
        return QStringLiteral("read before write");
    if (verifying)
        return QStringLiteral("verify");
    switch (kind) {
    case JobKind::Read:
        return QStringLiteral("read");
    case JobKind::Write:
        return QStringLiteral("write");
    case JobKind::ScratchRead:
        return QStringLiteral("compare");
    }
    return {};
}

} // namespace

PortJob::PortJob(const QString& device, const EditorState& state, const JobOptions& options,
                 QObject* parent)
    : QObject(parent), device_(device), state_(state), options_(options),
      editorHost_(
          state_, [](const EditorState& s) { return BuildImage(s); },
          [this](EditorState& s, const QString& hex) {
              lastReadHex_ = hex;
              LoadImage(s, hex, [](const Message& m) {
                  std::fprintf(stderr, "%s\n", qPrintable(m.text));
                  return int(ResultOk);
              });
          }),
      scratchHost_([this] { return state_.values.languageCode; }) {}

PortJob::~PortJob() = default;

void PortJob::start() {
    clock_.start();
    QTimer::singleShot(0, this, [this] {
        PortOpenFailure failure;
        if (!openRadioPort(port_, device_, &failure)) {
            finish(false, QStringLiteral("Cannot open serial port %1: %2")
                              .arg(device_, portProblemText(EnglishLanguage, failure)));
            return;
        }
        closeOnHangUp(port_, this, [this] {
            hungUp_ = true;
            if (runner_)
                runner_->deviceLost();
        });
        if (options_.kind != JobKind::Write)
            runSession(Phase::Main);
        else if (options_.backupFirst)
            runSession(Phase::ReadFirst);
        else
            startWrite();
    });
}

void PortJob::startWrite() {
    backup(buildImageBytes(state_), BackupKind::Write);
    runSession(Phase::Main);
}

void PortJob::runSession(Phase phase) {
    phase_ = phase;
    const bool toEditor = phase == Phase::Main && options_.kind != JobKind::ScratchRead;
    scratchHost_.clear();
    runner_ = std::make_unique<DeviceSessionRunner>(
        port_, toEditor ? static_cast<SessionHost&>(editorHost_) : scratchHost_);
    recorder_.begin(kindName(options_.kind, phase == Phase::ReadFirst, phase == Phase::Verify),
                    device_, QDateTime::currentDateTime());
    const bool writing = phase == Phase::Main && options_.kind == JobKind::Write;
    runner_->setTrace([this, writing](LinkDirection direction, const QByteArray& bytes) {
        if (direction == LinkDirection::Received) {
            recorder_.received(bytes);
            return;
        }
        recorder_.sent(bytes);
        if (writing)
            if (const std::optional<WrittenBlock> block = writtenBlockOf(bytes))
                written_.append(*block);
    });
    connect(runner_.get(), &DeviceSessionRunner::progress, this, &PortJob::progress);
    connect(runner_.get(), &DeviceSessionRunner::finished, this, &PortJob::sessionFinished);
    if (writing)
        runner_->startWrite();
    else
        runner_->startRead();
}

void PortJob::sessionFinished(bool ok, const QString& text) {
    QStringList details;
    if (ok && phase_ == Phase::Verify) {
        mismatches_ = verifyWrittenBlocks(written_, hexToBytes(scratchHost_.readHex()));
        details = verifyLines(mismatches_, EnglishLanguage);
    }
    recorder_.end(text, details);
    sessions_.append(recorder_.record());
    // The end byte must reach the radio before anything else happens.
    if (port_.isOpen() && port_.bytesToWrite() > 0)
        port_.waitForBytesWritten(1000);
    switch (phase_) {
    case Phase::ReadFirst:
        readFirstFinished(ok, text);
        return;
    case Phase::Main:
        mainFinished(ok, text);
        return;
    case Phase::Verify:
        if (!ok) {
            // The write went through; only its check could not run.
            uncheckedReason_ = text;
            finish(true, writeResult_);
            return;
        }
        imageRead_ = hexToBytes(scratchHost_.readHex());
        backup(imageRead_, BackupKind::Read);
        verifyDone_ = true;
        finish(true, writeResult_);
        return;
    }
}

void PortJob::readFirstFinished(bool ok, const QString& text) {
    const auto nothingWritten = [this](const QString& reason) {
        finish(false, QStringLiteral("Reading the radio before writing failed; nothing was "
                                     "written: %1")
                          .arg(reason));
    };
    if (!ok) {
        nothingWritten(text);
        return;
    }
    if (!backup(hexToBytes(scratchHost_.readHex()), BackupKind::BeforeWrite)) {
        nothingWritten(note_);
        return;
    }
    afterCountdown([this] { startWrite(); },
                   [this, nothingWritten] {
                       nothingWritten(
                           QStringLiteral("Serial port %1 closed before the write").arg(device_));
                   });
}

void PortJob::mainFinished(bool ok, const QString& text) {
    if (!ok) {
        finish(false, text);
        return;
    }
    if (options_.kind == JobKind::Write) {
        if (!options_.verify) {
            finish(true, text);
            return;
        }
        writeResult_ = text;
        afterCountdown(
            [this] { runSession(Phase::Verify); },
            [this] {
                uncheckedReason_ =
                    QStringLiteral("Serial port %1 closed before the check").arg(device_);
                finish(true, writeResult_);
            });
        return;
    }
    imageRead_ = hexToBytes(options_.kind == JobKind::Read ? lastReadHex_ : scratchHost_.readHex());
    backup(imageRead_, BackupKind::Read);
    finish(true, text);
}

void PortJob::afterCountdown(const std::function<void()>& next,
                             const std::function<void()>& closed) {
    QTimer::singleShot(CountdownMs, this,
                       [this, next, closed] { port_.isOpen() ? next() : closed(); });
}

bool PortJob::backup(const QByteArray& image, BackupKind kind) {
    if (!options_.backups)
        return true;
    const BackupResult r = saveBackup(image, kind, QDateTime::currentDateTime(), backupFolder());
    // One note is enough: the next backup fails for the same reason.
    if (!r.ok && note_.isEmpty())
        note_ = backupFailedNote(EnglishLanguage, r.reason);
    return r.ok;
}

void PortJob::finish(bool ok, const QString& result) {
    if (done_)
        return;
    done_ = true;
    succeeded_ = ok;
    result_ = result;
    elapsedMs_ = clock_.elapsed();
    if (port_.isOpen()) {
        if (port_.bytesToWrite() > 0)
            port_.waitForBytesWritten(1000);
        port_.close();
    }
    // Whoever waits may delete the job; not from inside the runner's signal.
    QMetaObject::invokeMethod(this, &PortJob::finished, Qt::QueuedConnection);
}

} // namespace q716::cli
