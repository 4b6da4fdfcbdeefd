#pragma once
// The main window's title: the program's caption, or the channel file the
// editor holds, so the title never names a file whose content it does not
// show.

#include <QString>

namespace q716 {

// "Q716A-" and the file's full path when the editor holds a channel file
// (opened or saved), else the caption of the language shown.
QString mainWindowTitle(const QString& heldFile, int languageCode);

} // namespace q716
