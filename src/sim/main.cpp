// q716-sim: a simulated Q716 radio on a pseudo-terminal, for trying the
// programmer out and for its end-to-end tests.

#include "MemoryFile.h"
#include "PseudoTerminal.h"
#include "PtyRadio.h"
#include "Radio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void installSignals() {
    struct sigaction sa {};
    sa.sa_handler = requestStop;
    sigemptyset(&sa.sa_mask);
    // No SA_RESTART: a signal must wake the poll below.
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

int fail(const QString& text) {
    std::fprintf(stderr, "q716-sim: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("q716-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(Q716_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated Q716 radio on a pseudo-terminal. Prints the device path on "
                       "the first line of its output and serves sessions until stopped.\n\n") +
        q716sim::faultUsage());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption memoryOpt(
        QStringLiteral("memory"),
        QStringLiteral("Radio memory file, addresses from 0x0000 (created when missing)."),
        QStringLiteral("FILE"));
    const QCommandLineOption linkOpt(QStringLiteral("link"),
                                     QStringLiteral("Make a symbolic link to the device here."),
                                     QStringLiteral("PATH"));
    const QCommandLineOption bandOpt(QStringLiteral("band"),
                                     QStringLiteral("Band code of a new memory (default 0x33)."),
                                     QStringLiteral("CODE"), QStringLiteral("0x33"));
    const QCommandLineOption logOpt(QStringLiteral("log"),
                                    QStringLiteral("Log every message, one line each."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption faultOpt(QStringLiteral("fault"),
                                      QStringLiteral("A fault of the radio; see above."),
                                      QStringLiteral("FAULT"));
    const QCommandLineOption paceOpt(QStringLiteral("baud-pace"),
                                     QStringLiteral("Never faster than 9600 baud 8N1."));
    parser.addOptions({memoryOpt, linkOpt, bandOpt, logOpt, faultOpt, paceOpt});
    parser.process(app);

    if (!parser.isSet(memoryOpt))
        return fail(QStringLiteral("--memory FILE is required"));
    bool ok = false;
    const int band = parser.value(bandOpt).toInt(&ok, 0);
    if (!ok || band < 0 || band > 0xFF)
        return fail(QStringLiteral("--band needs a byte value, e.g. 0x33"));
    q716sim::Faults faults;
    for (const QString& f : parser.values(faultOpt))
        if (!q716sim::parseFault(f, faults))
            return fail(QStringLiteral("unknown fault '%1' (see --help)").arg(f));

    QString error;
    const QString memoryPath = parser.value(memoryOpt);
    q716sim::RadioMemory memory;
    if (!q716sim::loadMemoryFile(memoryPath, band, memory, &error))
        return fail(error);
    QFile log;
    if (parser.isSet(logOpt)) {
        log.setFileName(parser.value(logOpt));
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
            return fail(
                QStringLiteral("cannot open log %1: %2").arg(log.fileName(), log.errorString()));
    }
    q716sim::PseudoTerminal line;
    if (!line.open(&error))
        return fail(error);
    const QByteArray linkPath = QFile::encodeName(parser.value(linkOpt));
    if (!linkPath.isEmpty()) {
        ::unlink(linkPath.constData());
        if (::symlink(QFile::encodeName(line.slavePath()).constData(), linkPath.constData()) != 0)
            return fail(QStringLiteral("cannot link %1").arg(parser.value(linkOpt)));
    }
    std::printf("%s\n", qPrintable(line.slavePath()));
    std::fflush(stdout);

    installSignals();
    q716sim::Radio radio(memory, faults);
    q716sim::PtyRadio pty(radio, line, parser.isSet(paceOpt), log.isOpen() ? &log : nullptr,
                          memoryPath);
    char buffer[4096];
    while (!stopRequested && !radio.hungUp()) {
        pollfd p{line.master(), POLLIN, 0};
        const int ready = ::poll(&p, 1, -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return fail(QStringLiteral("poll failed"));
        }
        const ssize_t n = ::read(line.master(), buffer, sizeof buffer);
        if (n > 0)
            pty.received(QByteArray(buffer, n));
        else if (n < 0 && errno != EAGAIN && errno != EINTR && errno != EIO)
            return fail(QStringLiteral("read failed"));
    }
    // Hung up on purpose: the device goes away as an unplugged adapter does.
    line.hangUp();
    if (!linkPath.isEmpty())
        ::unlink(linkPath.constData());
    if (!q716sim::saveMemoryFile(memoryPath, radio.memory(), &error))
        return fail(error);
    return 0;
}
