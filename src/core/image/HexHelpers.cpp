#include "image/HexHelpers.h"

namespace q716 {

int hexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

qint64 StepRemainderUnits(qint64 step, qint64 value) {
    if (value < step || step <= 0)
        return value;
    return value % step;
}

QByteArray hexToBytes(const QString& hex) {
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int hi = qMax(hexDigitValue(hex.at(i)), 0);
        const int lo = qMax(hexDigitValue(hex.at(i + 1)), 0);
        bytes.append(static_cast<char>(hi * 16 + lo));
    }
    return bytes;
}

QString bytesToHex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace q716
