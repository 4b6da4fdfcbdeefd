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

// The file name of the manual in a language: manual.zh.html for Chinese
// (language code 0), manual.html (English) for any other code.
QString manualFileName(int languageCode);

// The manual in the program's language: docs/<name> beside the program when
// it is there, else the installed documentation folder's (<prefix>/share/doc/
// q716). A Chinese manual that is in neither place gives way to the English
// one, found the same way; with no manual at all, the path beside the program
// in the language asked for, so the browser names where it was looked for.
QString manualPathFor(const QString& programDir, int languageCode);

} // namespace q716
