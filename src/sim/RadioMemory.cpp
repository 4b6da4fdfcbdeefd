#include "RadioMemory.h"

#include <QFile>
#include <QSaveFile>

namespace q716sim {

bool RadioMemory::open(const QString& path, int bandCode, QString* error) {
    path_ = path;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
            return false;
        }
        bytes_ = file.readAll();
    } else {
        bytes_ = QByteArray(MinimumSize, char(0xFF));
        bytes_.replace(0x01B8, 5, "VRQ71");
        bytes_[0x01BD] = char(bandCode);
        if (!save(error))
            return false;
    }
    if (bytes_.size() < MinimumSize)
        bytes_.append(QByteArray(MinimumSize - bytes_.size(), char(0xFF)));
    return true;
}

bool RadioMemory::save(QString* error) const {
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes_) != bytes_.size() || !file.commit()) {
        *error = QStringLiteral("cannot save %1: %2").arg(path_, file.errorString());
        return false;
    }
    return true;
}

QByteArray RadioMemory::read(int address, int length) const {
    QByteArray data = bytes_.mid(address, length);
    // Addresses past the end of the file read as erased memory.
    data.append(QByteArray(length - data.size(), char(0xFF)));
    return data;
}

void RadioMemory::write(int address, const QByteArray& data) {
    if (address + data.size() > bytes_.size())
        bytes_.append(QByteArray(address + data.size() - bytes_.size(), char(0xFF)));
    bytes_.replace(address, data.size(), data);
}

} // namespace q716sim
