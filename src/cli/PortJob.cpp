#include "PortJob.h"

#include "RadioPort.h"

#include "files/Backups.h"
#include "image/BuildImage.h"
#include "image/HexHelpers.h"
#include "image/LoadImage.h"
#include "link/PortOpenFailure.h"

#include <QTimer>
#include <cstdio>

namespace q716::cli {

namespace {

constexpr int EnglishLanguage = 1;
// The window's countdown after a successful write (ten ticks of Timer2)
// comes before the read-back there, and so it does here.
constexpr int CountdownMs = Session::BlinkTicks * 200;

QString kindName(JobKind kind, bool verifying) {
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
        if (options_.kind == JobKind::Write)
            backup(buildImageBytes(state_), false);
        runSession(false);
    });
}

void PortJob::runSession(bool verifying) {
    verifying_ = verifying;
    const bool toEditor = !verifying && options_.kind != JobKind::ScratchRead;
    scratchHost_.clear();
    runner_ = std::make_unique<DeviceSessionRunner>(
        port_, toEditor ? static_cast<SessionHost&>(editorHost_) : scratchHost_);
    recorder_.begin(kindName(options_.kind, verifying), device_, QDateTime::currentDateTime());
    const bool writing = !verifying && options_.kind == JobKind::Write;
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
    recorder_.end(text);
    sessions_.append(recorder_.record());
    // The end byte must reach the radio before anything else happens.
    if (port_.isOpen() && port_.bytesToWrite() > 0)
        port_.waitForBytesWritten(1000);
    if (!ok) {
        // A write whose read-back failed is written but not checked.
        finish(false, verifying_
                          ? QStringLiteral("%1 The read-back failed: %2").arg(writeResult_, text)
                          : text);
        return;
    }
    if (options_.kind == JobKind::Write && !verifying_) {
        if (!options_.verify) {
            finish(true, text);
            return;
        }
        writeResult_ = text;
        QTimer::singleShot(CountdownMs, this, [this] {
            if (!port_.isOpen()) {
                finish(false,
                       QStringLiteral("Serial port %1 closed before the check").arg(device_));
                return;
            }
            runSession(true);
        });
        return;
    }
    const QString readHex =
        options_.kind == JobKind::Read && !verifying_ ? lastReadHex_ : scratchHost_.readHex();
    imageRead_ = hexToBytes(readHex);
    backup(imageRead_, true);
    if (verifying_) {
        mismatches_ = verifyWrittenBlocks(written_, imageRead_);
        verifyDone_ = true;
        finish(true, writeResult_);
        return;
    }
    finish(true, text);
}

void PortJob::backup(const QByteArray& image, bool read) {
    if (!options_.backups)
        return;
    const BackupResult r = saveBackup(image, read ? BackupKind::Read : BackupKind::Write,
                                      QDateTime::currentDateTime(), backupFolder());
    // One note is enough: the next backup fails for the same reason.
    if (!r.ok && note_.isEmpty())
        note_ = backupFailedNote(EnglishLanguage, r.reason);
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
