// q716-cli: the channel-file companion of the Q716 programmer, on the same
// core as the window program.

#include "Commands.h"
#include "LinkCommands.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

using namespace q716::cli;

namespace {

const CommandEntry Commands[] = {
    {"new", runNew, "OUT.DAT"},
    {"resave", runResave, "IN.DAT OUT.DAT"},
    {"dump", runDump, "IN.DAT [--english]"},
    {"build", runBuild, "PLAN.json OUT.DAT"},
    {"read", runRead, "--port DEV OUT.DAT"},
    {"write", runWrite, "--port DEV IN.DAT"},
};

void printHelp(FILE* to) {
    std::fprintf(to, "Usage: q716-cli COMMAND ARGS...\n\nCommands:\n");
    for (const CommandEntry& c : Commands)
        std::fprintf(to, "  q716-cli %s %s\n", c.name, c.usage);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("q716-cli"));
    const QStringList args = QCoreApplication::arguments();
    const QString name = args.value(1);
    if (name == QLatin1String("-h") || name == QLatin1String("--help") ||
        name == QLatin1String("help")) {
        printHelp(stdout);
        return 0;
    }
    for (const CommandEntry& c : Commands) {
        if (name == QLatin1String(c.name))
            return c.run(args.mid(1));
    }
    QStringList names;
    for (const CommandEntry& c : Commands)
        names << QLatin1String(c.name);
    const QString problem = name.isEmpty() ? QStringLiteral("no command given")
                                           : QStringLiteral("unknown command '%1'").arg(name);
    std::fprintf(stderr, "q716-cli: %s (commands: %s; --help for usage)\n",
                 problem.toLocal8Bit().constData(),
                 names.join(QStringLiteral(", ")).toLocal8Bit().constData());
    return 1;
}
