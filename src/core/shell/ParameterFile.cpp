#include "shell/ParameterFile.h"

#include "files/WholeFileSave.h"
#include "shell/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace q716 {

QString parameterDirectoryFor(const QString& programDir) {
    const QString overridden = qEnvironmentVariable("Q716_CONFIG_DIR");
    if (!overridden.isEmpty())
        return overridden;
    if (!programDir.isEmpty() && QFileInfo(programDir).isWritable() &&
        !isInstalledProgramDirectory(programDir))
        return programDir;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString parameterDirectory() {
    return parameterDirectoryFor(QCoreApplication::applicationDirPath());
}

QString parameterFilePath() {
    return QDir(parameterDirectory()).filePath(QStringLiteral("parameter"));
}

ParameterBytes readParameterFile(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(3);
    auto byteAt = [&bytes](int i) { return i < bytes.size() ? quint8(bytes[i]) : 0; };
    return {byteAt(0), byteAt(1), byteAt(2)};
}

bool writeParameterFile(const QString& path, const ParameterBytes& b) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const char bytes[3] = {char(quint8(b.lock)), char(quint8(b.port)), char(quint8(b.language))};
    QString reason;
    return saveWholeFile(path, QByteArray(bytes, 3), reason);
}

} // namespace q716
