#pragma once
// The 3-byte `parameter` file: lock state, serial port number and language
// at the last exit. A byte the file does not hold reads as 0.

#include <QString>

namespace q716 {

struct ParameterBytes {
    int lock = 0;     // 1 locked, 0 unlocked; other values leave the lock alone
    int port = 0;     // serial port number 1..20
    int language = 0; // language code at the last exit
};

// The folder of the file: $Q716_CONFIG_DIR when set, else the program's own
// folder when it is writable, else the per-user configuration folder. An
// installed program's folder (/usr/bin) is never used, even where it is
// writable, as it is for root: the file belongs to the user, not to the
// installation, and must not stay behind when the package is removed.
QString parameterDirectoryFor(const QString& programDir);
QString parameterDirectory(); // for this program's own folder
QString parameterFilePath();

ParameterBytes readParameterFile(const QString& path);

// Writes the three bytes atomically; false when the file could not be written.
bool writeParameterFile(const QString& path, const ParameterBytes& bytes);

} // namespace q716
