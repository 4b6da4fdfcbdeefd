#pragma once
// `q716-cli read --port DEV OUT.DAT` and `q716-cli write --port DEV IN.DAT`:
// the radio session without windows. Both return the process exit status.

#include <QStringList>

namespace q716::cli {

// args: the command name first, then its arguments.
int runRead(const QStringList& args);
int runWrite(const QStringList& args);

} // namespace q716::cli
