#include "Commands.h"

#include <QCommandLineParser>
#include <cstdio>

namespace q716::cli {

int fail(const QString& file, const QString& reason) {
    QString line = QStringLiteral("q716-cli: %1: %2").arg(file, reason);
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return 1;
}

int usageError(const QString& command, const QString& usage) {
    std::fprintf(stderr, "q716-cli: usage: q716-cli %s %s\n", command.toLocal8Bit().constData(),
                 usage.toLocal8Bit().constData());
    return 1;
}

bool parseArgs(const QStringList& args, int fileCount, bool allowEnglish, const QString& usage,
               ParsedArgs& out) {
    QCommandLineParser parser;
    const QCommandLineOption english(QStringLiteral("english"));
    if (allowEnglish)
        parser.addOption(english);
    const QString command = args.value(0);
    if (!parser.parse(args) || parser.positionalArguments().size() != fileCount) {
        usageError(command, usage);
        return false;
    }
    out.files = parser.positionalArguments();
    out.english = allowEnglish && parser.isSet(english);
    return true;
}

} // namespace q716::cli
