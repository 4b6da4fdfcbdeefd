#pragma once
// The commands of q716-cli. Each gets the arguments after the command name
// (the command name first, as a program name for QCommandLineParser) and
// returns the exit status.

#include "compare/StoredValues.h"

#include <QString>
#include <QStringList>

namespace q716::cli {

using Command = int (*)(const QStringList& args);

struct CommandEntry {
    const char* name;
    Command run;
    const char* usage; // the arguments, as shown in the help
};

int runNew(const QStringList& args);
int runResave(const QStringList& args);
int runDump(const QStringList& args);
int runBuild(const QStringList& args);
int runImportCsv(const QStringList& args);
int runExportCsv(const QStringList& args);
int runDiff(const QStringList& args);
int runPorts(const QStringList& args);

// One line on stderr naming the file and the reason; returns exit status 1.
int fail(const QString& file, const QString& reason);

// A usage error of a command; returns exit status 1.
int usageError(const QString& command, const QString& usage);

// Parses `args` with the options of a command; on an unknown option or a
// wrong number of file arguments prints the usage and returns false.
struct ParsedArgs {
    QStringList files;
    bool english = false;
    bool force = false;
};
bool parseArgs(const QStringList& args, int fileCount, bool allowEnglish, const QString& usage,
               ParsedArgs& out, bool allowForce = false);

// After a load: the values of `state` a save or a write cannot keep, listed
// on stderr under `source` (a file, a port); nothing when there are none.
void printLoadedNotStored(const QString& source, const EditorState& state);
// Before a write or a save to `file`: true when nothing would be lost or
// `force` was given (the values are listed either way); otherwise says that
// nothing was written and returns false.
bool mayStore(const QString& file, const EditorState& state, WayOut way, bool force);

} // namespace q716::cli
