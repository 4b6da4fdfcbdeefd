#pragma once
// Where the program's companions are, seen from the program's own folder.
// A program in a build tree or in an unpacked folder has them beside it; an
// installed one lives in <prefix>/bin and has them under <prefix>/share.

#include <QString>

namespace q716 {

// True when `programDir` is the bin folder of an installation (/usr/bin,
// /usr/local/bin, ~/.local/bin...). Such a folder is shared by other
// programs, so nothing of this program's own is written there.
bool isInstalledProgramDirectory(const QString& programDir);

// The manual: docs/manual.html beside the program when it is there, else the
// installed documentation folder's manual.html (<prefix>/share/doc/q716),
// else the path beside the program, so a missing manual names where it was
// looked for first.
QString manualPathFor(const QString& programDir);

} // namespace q716
