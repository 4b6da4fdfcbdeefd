#pragma once
// `q716-cli read` and `q716-cli write` (one radio or several at once): the
// radio session without windows. Both return the process exit status.

#include <QStringList>

namespace q716::cli {

// The arguments of each command, as the help and the usage errors show them.
inline constexpr char ReadUsage[] = "--port DEV OUT.DAT [--no-backup] [--log FILE]";
inline constexpr char WriteUsage[] =
    "--port DEV [--port DEV2 ...] IN.DAT [--verify] [--backup-first] [--force] [--no-backup] "
    "[--log FILE]";
inline constexpr char DiffUsage[] =
    "A.DAT B.DAT [--english] [--show-password] | --port DEV FILE [--english] [--show-password] "
    "[--no-backup] [--log FILE]";

// args: the command name first, then its arguments.
int runRead(const QStringList& args);
int runWrite(const QStringList& args);

} // namespace q716::cli
