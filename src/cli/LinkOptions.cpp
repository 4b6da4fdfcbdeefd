#include "LinkOptions.h"

#include "LinkCommands.h"
#include "SystemPorts.h"

#include "files/Backups.h"
#include "files/WholeFileSave.h"

#include <QCommandLineParser>
#include <cstdio>

namespace q716::cli {

JobOptions LinkOptions::jobOptions(JobKind kind) const {
    JobOptions o;
    o.kind = kind;
    o.verify = verify;
    o.backups = backups;
    o.backupFirst = backupFirst;
    return o;
}

QString linkUsage(LinkCommand command) {
    switch (command) {
    case LinkCommand::Read:
        return QLatin1String(ReadUsage);
    case LinkCommand::Write:
        return QLatin1String(WriteUsage);
    case LinkCommand::Diff:
        return QLatin1String(DiffUsage);
    }
    return {};
}

bool parseLinkOptions(const QStringList& args, LinkCommand command, LinkOptions& out) {
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Serial device."),
                                  QStringLiteral("DEV"));
    const QCommandLineOption verify(QStringLiteral("verify"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption noBackup(QStringLiteral("no-backup"));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Session log."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption english(QStringLiteral("english"));
    const QCommandLineOption backupFirst(QStringLiteral("backup-first"));
    const QCommandLineOption showPassword(QStringLiteral("show-password"));
    parser.addOptions({port, noBackup, log});
    if (command == LinkCommand::Write)
        parser.addOptions({verify, backupFirst, force});
    if (command == LinkCommand::Diff)
        parser.addOptions({english, showPassword});
    const QString name = args.value(0);
    const auto usage = [&](const QString& problem) {
        if (!problem.isEmpty())
            std::fprintf(stderr, "q716-cli: %s\n", qPrintable(problem));
        std::fprintf(stderr, "usage: q716-cli %s %s\n", qPrintable(name),
                     qPrintable(linkUsage(command)));
        return false;
    };
    if (!parser.parse(args))
        return usage(parser.errorText());
    QList<PortArgument> ports;
    for (const QString& given : parser.values(port)) {
        ports.append(resolvePortArgument(given));
        if (!ports.last().problem.isEmpty()) {
            std::fprintf(stderr, "q716-cli: --port %s: %s\n", qPrintable(given),
                         qPrintable(ports.last().problem));
            return false;
        }
        out.ports.append(ports.last().device);
    }
    out.files = parser.positionalArguments();
    out.verify = command == LinkCommand::Write && parser.isSet(verify);
    out.force = command == LinkCommand::Write && parser.isSet(force);
    out.backups = !parser.isSet(noBackup);
    out.log = parser.value(log);
    out.english = command == LinkCommand::Diff && parser.isSet(english);
    out.backupFirst = command == LinkCommand::Write && parser.isSet(backupFirst);
    out.showPassword = command == LinkCommand::Diff && parser.isSet(showPassword);
    const bool fromRadio = !out.ports.isEmpty();
    switch (command) {
    case LinkCommand::Read:
        if (out.ports.size() != 1 || out.files.size() != 1)
            return usage({});
        break;
    case LinkCommand::Write:
        if (out.ports.isEmpty() || out.files.size() != 1)
            return usage({});
        // A by-id link and its ttyUSB are one port: two sessions on it would both fail.
        if (const QString twice = repeatedPort(ports); !twice.isEmpty())
            return usage(QStringLiteral("a port is given twice: ") + twice);
        if (out.backupFirst && !out.backups)
            return usage(QStringLiteral("--backup-first keeps a backup, --no-backup none"));
        break;
    case LinkCommand::Diff:
        if (out.ports.size() > 1 || out.files.size() != (fromRadio ? 1 : 2))
            return usage({});
        if (!fromRadio && (parser.isSet(noBackup) || parser.isSet(log)))
            return usage(QStringLiteral("--no-backup and --log need --port"));
        break;
    }
    out.file = out.files.value(0);
    QString reason;
    if (!out.log.isEmpty() && !canSaveWholeFile(out.log, reason)) {
        std::fprintf(stderr, "q716-cli: %s: cannot write the log: %s\n", qPrintable(out.log),
                     qPrintable(reason));
        return false;
    }
    if (fromRadio && out.backups)
        pruneBackups(backupFolder(), QDateTime::currentDateTime());
    return true;
}

bool saveLog(const LinkOptions& options, const QList<PortJob*>& jobs) {
    if (options.log.isEmpty())
        return true;
    QStringList parts;
    int number = 0;
    for (const PortJob* job : jobs)
        for (const SessionRecord& r : job->sessions())
            parts << formatSessionRecord(r, ++number);
    QString reason;
    if (saveWholeFile(options.log, parts.join(QLatin1Char('\n')).toUtf8(), reason))
        return true;
    std::fprintf(stderr, "q716-cli: %s: cannot write the log: %s\n", qPrintable(options.log),
                 qPrintable(reason));
    return false;
}

} // namespace q716::cli
