#include "LinkCommands.h"

#include "Commands.h"
#include "LinkOptions.h"
#include "PortJob.h"

#include "compare/CompareTexts.h"
#include "files/ChannelFile.h"
#include "state/InitDefaults.h"

#include <QEventLoop>

#include <cstdio>
#include <memory>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace q716;

namespace {

constexpr int EnglishLanguage = 1;
constexpr int VerifyMismatchStatus = 3;

// The progress bar is drawn only for a person watching a terminal.
bool stderrIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

void drawProgress(int value, int maximum) {
    if (!stderrIsTerminal() || maximum <= 0)
        return;
    constexpr int Width = 40;
    const int filled = Width * value / maximum;
    std::fprintf(stderr, "\r[%s%s] %3d%%", QByteArray(filled, '#').constData(),
                 QByteArray(Width - filled, ' ').constData(), 100 * value / maximum);
    std::fflush(stderr);
}

// Runs the jobs at once on one event loop; `done` is called as each ends.
void runJobs(const QList<cli::PortJob*>& jobs, const std::function<void(cli::PortJob&)>& done) {
    QEventLoop loop;
    int open = int(jobs.size());
    for (cli::PortJob* job : jobs) {
        QObject::connect(job, &cli::PortJob::finished, &loop, [&, job] {
            done(*job);
            if (--open == 0)
                loop.quit();
        });
        job->start();
    }
    if (open > 0)
        loop.exec();
}

void reportHangUp(const cli::PortJob& job) {
    if (job.hungUp())
        printError(QStringLiteral("Serial port %1 hung up (cable unplugged or the other end "
                                  "closed).")
                       .arg(job.device()));
}

QString seconds(qint64 ms) {
    return QStringLiteral("%1 s").arg(double(ms) / 1000.0, 0, 'f', 1);
}

// One port: the program's texts, a progress bar on a terminal.
int runOne(cli::PortJob& job) {
    const bool bar = stderrIsTerminal();
    QObject::connect(&job, &cli::PortJob::progress, &drawProgress);
    runJobs({&job}, [](cli::PortJob&) {});
    if (bar)
        std::fprintf(stderr, "\n");
    if (!job.note().isEmpty())
        printError(job.note());
    if (!job.succeeded()) {
        reportHangUp(job);
        printError(job.result());
        return 1;
    }
    if (!job.uncheckedReason().isEmpty()) {
        // Written but unchecked: not the success a script waits for.
        reportHangUp(job);
        printError(
            QStringLiteral("%1 The read-back failed: %2").arg(job.result(), job.uncheckedReason()));
        return 1;
    }
    std::printf("%s\n", qPrintable(job.result()));
    if (!job.verified())
        return 0;
    if (job.mismatches().isEmpty()) {
        std::printf("%s\n", qPrintable(comparetext::verifyOk(EnglishLanguage)));
        return 0;
    }
    printError(verifyMismatchMessage(job.mismatches(), EnglishLanguage).text);
    return VerifyMismatchStatus;
}

// Several ports: one line per port as it ends, the failed ones named at the end.
int runFleet(const QList<cli::PortJob*>& jobs) {
    QStringList failed, unchecked;
    bool mismatch = false;
    bool noted = false;
    runJobs(jobs, [&](cli::PortJob& job) {
        QString result = job.result();
        if (!job.uncheckedReason().isEmpty()) {
            unchecked << job.device();
            result += QStringLiteral(", the read-back failed: ") + job.uncheckedReason();
        } else if (job.succeeded() && job.verified()) {
            if (job.mismatches().isEmpty()) {
                result += QStringLiteral(", ") + comparetext::verifyOk(EnglishLanguage);
            } else {
                mismatch = true;
                result += QStringLiteral(", verify failed: %1 byte(s) differ")
                              .arg(job.mismatches().size());
                for (const QString& line : verifyLines(job.mismatches(), EnglishLanguage))
                    printError(job.device() + QStringLiteral(": ") + line);
            }
        }
        if (!job.succeeded()) {
            failed << job.device();
            if (job.hungUp())
                result = QStringLiteral("hung up; ") + result;
        }
        std::printf("%s: %s (%s)\n", qPrintable(job.device()),
                    qPrintable(job.succeeded() ? result : QStringLiteral("failed: ") + result),
                    qPrintable(seconds(job.elapsedMs())));
        std::fflush(stdout);
        // Every port's backups go to one folder: one note says it for all.
        if (!job.note().isEmpty() && !noted) {
            printError(job.note());
            noted = true;
        }
    });
    const auto summary = [&](const char* what, const QStringList& ports) {
        if (!ports.isEmpty())
            printError(QStringLiteral("q716-cli: %1 on %2 of %3 ports: %4")
                           .arg(QLatin1String(what))
                           .arg(ports.size())
                           .arg(jobs.size())
                           .arg(ports.join(QStringLiteral(", "))));
    };
    summary("failed", failed);
    summary("written but not checked", unchecked);
    if (!failed.isEmpty() || !unchecked.isEmpty())
        return 1;
    return mismatch ? VerifyMismatchStatus : 0;
}

} // namespace

namespace q716::cli {

int runRead(const QStringList& args) {
    LinkOptions o;
    if (!parseLinkOptions(args, LinkCommand::Read, o))
        return 1;
    EditorState state = freshEditorState();
    state.values.languageCode = EnglishLanguage;
    PortJob job(o.ports.first(), state, o.jobOptions(JobKind::Read));
    int status = runOne(job);
    if (status == 0) {
        printLoadedNotStored(job.device(), job.state());
        const FileResult saved = saveChannelFile(job.state(), o.file);
        if (!saved.ok()) {
            printError(QStringLiteral("Cannot save %1: %2").arg(o.file, saved.reason));
            status = 1;
        }
    }
    return saveLog(o, {&job}) ? status : 1;
}

int runWrite(const QStringList& args) {
    LinkOptions o;
    if (!parseLinkOptions(args, LinkCommand::Write, o))
        return 1;
    EditorState state = freshEditorState();
    state.values.languageCode = EnglishLanguage;
    const FileResult opened = openChannelFile(state, o.file, [](const Message& m) {
        printError(m.text);
        return int(ResultOk);
    });
    if (!opened.ok()) {
        printError(QStringLiteral("Cannot open %1: %2").arg(o.file, opened.reason));
        return 1;
    }
    // One plan for every port: checked once, before any port is opened.
    if (!mayStore(o.file, state, WayOut::Write, o.force))
        return 1;
    std::vector<std::unique_ptr<PortJob>> owned;
    QList<PortJob*> jobs;
    for (const QString& port : o.ports) {
        owned.push_back(std::make_unique<PortJob>(port, state, o.jobOptions(JobKind::Write)));
        jobs.append(owned.back().get());
    }
    const int status = jobs.size() == 1 ? runOne(*jobs.first()) : runFleet(jobs);
    return saveLog(o, jobs) ? status : 1;
}

} // namespace q716::cli
