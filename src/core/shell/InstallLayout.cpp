#include "shell/InstallLayout.h"

#include <QDir>
#include <QFileInfo>

// Q716_INSTALL_BINDIR_NAME and Q716_DOCDIR_FROM_BINDIR come from the install
// rules (packaging/CMakeLists.txt), so the program and its install rules
// agree on one layout.

namespace q716 {

namespace {

QString besideProgram(const QDir& programDir, const QString& name) {
    return QDir::cleanPath(programDir.filePath(QStringLiteral("docs/") + name));
}

QString installed(const QDir& programDir, const QString& name) {
    return QDir::cleanPath(programDir.filePath(QStringLiteral(Q716_DOCDIR_FROM_BINDIR "/") + name));
}

} // namespace

bool isInstalledProgramDirectory(const QString& programDir) {
    return QDir(programDir).dirName() == QStringLiteral(Q716_INSTALL_BINDIR_NAME);
}

QString manualFileName(int languageCode) {
    return languageCode == 0 ? QStringLiteral("manual.zh.html") : QStringLiteral("manual.html");
}

QString manualPathFor(const QString& programDir, int languageCode) {
    const QDir dir(programDir);
    const QString wanted = manualFileName(languageCode);
    for (const QString& name : {wanted, manualFileName(1)})
        for (const QString& path : {besideProgram(dir, name), installed(dir, name)})
            if (QFileInfo::exists(path))
                return path;
    return besideProgram(dir, wanted);
}

} // namespace q716
