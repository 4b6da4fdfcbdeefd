#include "RadioMemory.h"

namespace q716sim {

RadioMemory RadioMemory::erased(int bandCode) {
    QByteArray bytes(MinimumSize, char(0xFF));
    bytes.replace(0x01B8, 5, "VRQ71");
    bytes[0x01BD] = char(bandCode);
    return RadioMemory(bytes);
}

RadioMemory::RadioMemory(QByteArray bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() < MinimumSize)
        bytes_.append(QByteArray(MinimumSize - bytes_.size(), char(0xFF)));
}

QByteArray RadioMemory::read(int address, int length) const {
    QByteArray data = bytes_.mid(address, length);
    data.append(QByteArray(length - data.size(), char(0xFF)));
    return data;
}

void RadioMemory::write(int address, const QByteArray& data) {
    if (address + data.size() > bytes_.size())
        bytes_.append(QByteArray(address + data.size() - bytes_.size(), char(0xFF)));
    bytes_.replace(address, data.size(), data);
}

} // namespace q716sim
