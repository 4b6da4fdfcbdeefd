#pragma once
// The command line of q716: [FILE], --help and --version.

#include <QString>
#include <QStringList>

namespace q716 {

// Prints the help or the version and ends the program when the arguments ask
// for one of them. Runs before the application object exists, so both work
// without a window system (over ssh, in a build).
void answerHelpOrVersion(int argc, char** argv);

// Reads the arguments after the program name's: at most one channel file to
// open at start. False with a one-line reason for an unknown option or more
// than one file.
bool parseCommandLine(const QStringList& arguments, QString* file, QString* error);

} // namespace q716
