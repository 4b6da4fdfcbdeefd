// q716-cli: the channel-file companion of the Q716 programmer, on the same
// core as the window program.

#include "Commands.h"
#include "LinkCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

using namespace q716::cli;

namespace {

const CommandEntry Commands[] = {
    {"new", runNew, "OUT.DAT"},
    {"resave", runResave, "IN.DAT OUT.DAT [--force]"},
    {"dump", runDump, "IN.DAT [--english]"},
    {"build", runBuild, "PLAN.json OUT.DAT [--force]"},
    {"import-csv", runImportCsv, "IN.csv OUT.DAT [--base BASE.DAT] [--band N]"},
    {"export-csv", runExportCsv, "IN.DAT OUT.csv"},
    {"read", runRead, ReadUsage},
    {"write", runWrite, WriteUsage},
    {"diff", runDiff, DiffUsage},
    {"ports", runPorts, ""},
};

void printHelp(const QCommandLineParser& parser) {
    std::printf("%s\nCommands:\n", qPrintable(parser.helpText()));
    for (const CommandEntry& c : Commands)
        std::printf("  q716-cli %s %s\n", c.name, c.usage);
}

int usageProblem(const QString& problem) {
    QStringList names;
    for (const CommandEntry& c : Commands)
        names << QLatin1String(c.name);
    std::fprintf(stderr, "q716-cli: %s (commands: %s; --help for usage)\n",
                 problem.toLocal8Bit().constData(),
                 names.join(QStringLiteral(", ")).toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("q716-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(Q716_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Works on Q716 channel files (*.DAT) and CSV channel lists and reads and writes the radio, "
        "on the same core as the q716 program."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                 QStringLiteral("One of the commands below, with its arguments."),
                                 QStringLiteral("COMMAND ARGS..."));
    // Options after the command belong to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QCoreApplication::arguments()))
        return usageProblem(parser.errorText());
    const QStringList command = parser.positionalArguments();
    const QString name = command.value(0);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) ||
        name == QLatin1String("help")) {
        printHelp(parser);
        return 0;
    }
    if (parser.isSet(version))
        parser.showVersion();
    for (const CommandEntry& c : Commands) {
        if (name == QLatin1String(c.name))
            return c.run(command);
    }
    return usageProblem(name.isEmpty() ? QStringLiteral("no command given")
                                       : QStringLiteral("unknown command '%1'").arg(name));
}
