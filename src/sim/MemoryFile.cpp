#include "MemoryFile.h"

#include <QFile>
#include <QSaveFile>

namespace q716sim {

bool loadMemoryFile(const QString& path, int bandCode, RadioMemory& memory, QString* error) {
    QFile file(path);
    if (!file.exists()) {
        memory = RadioMemory::erased(bandCode);
        return saveMemoryFile(path, memory, error);
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    memory = RadioMemory(file.readAll());
    return true;
}

bool saveMemoryFile(const QString& path, const RadioMemory& memory, QString* error) {
    QSaveFile file(path);
    const QByteArray& bytes = memory.bytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace q716sim
