#include "shell/InstallLayout.h"

#include <QDir>
#include <QFileInfo>

// Q716_INSTALL_BINDIR_NAME and Q716_DOCDIR_FROM_BINDIR come from the install
// rules (packaging/CMakeLists.txt), so the program and its install rules
// agree on one layout.

namespace q716 {

bool isInstalledProgramDirectory(const QString& programDir) {
    return QDir(programDir).dirName() == QStringLiteral(Q716_INSTALL_BINDIR_NAME);
}

QString manualPathFor(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = QDir::cleanPath(dir.filePath(QStringLiteral("docs/manual.html")));
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral(Q716_DOCDIR_FROM_BINDIR "/manual.html")));
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

} // namespace q716
