#include "PortJob.h"

#include "compare/CompareTexts.h"
#include "image/BuildImage.h"
#include "image/HexHelpers.h"
#include "image/LoadImage.h"
#include "link/PortOpenFailure.h"

#include <QTimer>
#include <cstdio>

namespace q716::cli {

namespace {

constexpr int EnglishLanguage = 1;

SafetyOptions safetyOptions(const JobOptions& options) {
    SafetyOptions s;
    s.backups = options.backups;
    s.backupWriteAtStart = true;
    s.logSessionResults = true;
    return s;
}

} // namespace

PortJob::PortJob(const QString& device, const EditorState& state, const JobOptions& options,
                 QObject* parent)
    : QObject(parent), device_(device), state_(state), options_(options),
      editorHost_(
          state_, [](const EditorState& s) { return BuildImage(s); },
          [](EditorState& s, const QString& hex) {
              LoadImage(s, hex, [](const Message& m) {
                  std::fprintf(stderr, "%s\n", qPrintable(m.text));
                  return int(ResultOk);
              });
          }),
      runner_(editorHost_), safety_(
                                runner_, [] { return EnglishLanguage; }, safetyOptions(options)) {
    runner_.setPort(&line_);
    runner_.setDisplay(this);
    connect(&line_, &RadioLine::received, &runner_, &SessionRunner::received);
    connect(&line_, &RadioLine::hungUp, this, [this] {
        hungUp_ = true;
        runner_.portLost();
    });
    safety_.setPortName([this] { return device_; });
    safety_.setVerifyAfterWrite([this] { return options_.verify; });
    connect(&runner_, &SessionRunner::editorLoaded, this,
            [this](const QString& hex) { imageRead_ = hexToBytes(hex); });
    connect(&safety_, &SessionSafety::compared, this,
            [this](const QByteArray& image) { imageRead_ = image; });
    connect(&runner_, &SessionRunner::sessionFinished, this, &PortJob::sessionFinished);
    connect(&safety_, &SessionSafety::writeEnded, this, &PortJob::writeEnded);
}

PortJob::~PortJob() = default;

void PortJob::start() {
    clock_.start();
    QTimer::singleShot(0, this, [this] {
        PortOpenFailure failure;
        if (!line_.open(device_, &failure)) {
            finish(false, QStringLiteral("Cannot open serial port %1: %2")
                              .arg(device_, portProblemText(EnglishLanguage, failure)));
            return;
        }
        switch (options_.kind) {
        case JobKind::Read:
            if (!runner_.start(SessionRunner::Kind::Read))
                finish(false, runner_.lastOutcome());
            break;
        case JobKind::ScratchRead:
            if (!safety_.startCompare())
                finish(false, runner_.lastOutcome());
            break;
        case JobKind::Write:
            safety_.startWrite(options_.backupFirst);
            break;
        }
    });
}

void PortJob::setProgressRange(int minimum, int maximum) {
    progressValue_ = minimum;
    progressMaximum_ = maximum;
    emit progress(progressValue_, progressMaximum_);
}

void PortJob::setProgressValue(int value) {
    progressValue_ = value;
    emit progress(progressValue_, progressMaximum_);
}

void PortJob::sessionFinished(bool ok) {
    // One note is enough: the next backup fails for the same reason.
    if (note_.isEmpty())
        note_ = safety_.note();
    // A write's steps end through the sequence.
    if (options_.kind != JobKind::Write)
        finish(ok, runner_.lastOutcome());
}

void PortJob::writeEnded(const WriteEnd& end) {
    if (note_.isEmpty())
        note_ = safety_.note();
    const auto nothingWritten = [this](const QString& reason) {
        finish(false, comparetext::readBeforeWriteFailed(EnglishLanguage, reason).text);
    };
    switch (end.step) {
    case WriteEnd::Step::ReadFirst:
        nothingWritten(end.reason);
        return;
    case WriteEnd::Step::Write:
        if (end.ok)
            finish(true, safety_.writeResult());
        else if (end.portClosed && options_.backupFirst)
            nothingWritten(QStringLiteral("Serial port %1 closed before the write").arg(device_));
        else
            finish(false, end.reason);
        return;
    case WriteEnd::Step::Check:
        // The write went through; only its check may not have run.
        verified_ = end.ok;
        if (!end.ok)
            uncheckedReason_ =
                end.portClosed
                    ? QStringLiteral("Serial port %1 closed before the check").arg(device_)
                    : end.reason;
        finish(true, safety_.writeResult());
        return;
    }
}

void PortJob::finish(bool ok, const QString& result) {
    if (done_)
        return;
    done_ = true;
    succeeded_ = ok;
    result_ = result;
    elapsedMs_ = clock_.elapsed();
    // The end byte must reach the radio before the port closes.
    line_.drain();
    line_.close();
    // Whoever waits may delete the job; not from inside the runner's signal.
    QMetaObject::invokeMethod(this, &PortJob::finished, Qt::QueuedConnection);
}

} // namespace q716::cli
