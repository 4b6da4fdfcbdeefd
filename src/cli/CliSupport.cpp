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
               ParsedArgs& out, bool allowForce) {
    QCommandLineParser parser;
    const QCommandLineOption english(QStringLiteral("english"));
    const QCommandLineOption force(QStringLiteral("force"));
    if (allowEnglish)
        parser.addOption(english);
    if (allowForce)
        parser.addOption(force);
    const QString command = args.value(0);
    if (!parser.parse(args) || parser.positionalArguments().size() != fileCount) {
        usageError(command, usage);
        return false;
    }
    out.files = parser.positionalArguments();
    out.english = allowEnglish && parser.isSet(english);
    out.force = allowForce && parser.isSet(force);
    return true;
}

namespace {

constexpr int English = 1;

QList<FieldDifference> valuesNotStoredInEnglish(const EditorState& state) {
    EditorState english = state;
    english.values.languageCode = English;
    return valuesNotStored(english);
}

void printNotStored(const QString& source, const QString& heading,
                    const QList<FieldDifference>& values) {
    std::fprintf(stderr, "q716-cli: %s: %s\n", source.toUtf8().constData(),
                 heading.toUtf8().constData());
    for (const QString& line : notStoredLines(values, English))
        std::fprintf(stderr, "  %s\n", line.toUtf8().constData());
}

} // namespace

void printLoadedNotStored(const QString& source, const EditorState& state) {
    const QList<FieldDifference> values = valuesNotStoredInEnglish(state);
    if (!values.isEmpty())
        printNotStored(source, notStoredNotice(values, English).text, values);
}

bool mayStore(const QString& file, const EditorState& state, WayOut way, bool force) {
    const QList<FieldDifference> values = valuesNotStoredInEnglish(state);
    if (values.isEmpty())
        return true;
    printNotStored(file, notStoredQuestion(way, values, English).text, values);
    if (force)
        return true;
    fail(file, way == WayOut::Write
                   ? QStringLiteral("nothing was written; --force writes these values as shown")
                   : QStringLiteral("nothing was saved; --force saves these values as shown"));
    return false;
}

} // namespace q716::cli
