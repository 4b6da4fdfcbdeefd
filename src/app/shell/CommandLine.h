#pragma once
// The command line of q716: [FILE], --manual LANGUAGE, --help and --version.

#include <QString>
#include <QStringList>

namespace q716 {

// Prints the help or the version and ends the program when the arguments ask
// for one of them. Runs before the application object exists, so both work
// without a window system (over ssh, in a build).
void answerHelpOrVersion(int argc, char** argv);

struct CommandLine {
    QString file;            // channel file to open at start; may be empty
    int manualLanguage = -1; // --manual: 0 Chinese, 1 English; -1 when not asked
};

// Reads the arguments after the program name's: at most one channel file to
// open at start, or --manual zh|en (the desktop entry's manual actions),
// which opens the manual in that language instead of the window. False with
// a one-line reason for an unknown option or language, more than one file,
// or a file beside --manual.
bool parseCommandLine(const QStringList& arguments, CommandLine* parsed, QString* error);

} // namespace q716
