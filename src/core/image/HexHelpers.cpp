#include "image/HexHelpers.h"

#include <cmath>

namespace q716 {

QString ByteHex(int value) {
    return QString::number(qMax(value, 0), 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

QString WordHex(quint16 value) {
    return QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

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

QString HexToBits(const QString& hex) {
    QString bits;
    bits.reserve(hex.size() * 4);
    for (const QChar c : hex) {
        const int v = qMax(hexDigitValue(c), 0);
        for (int bit = 3; bit >= 0; --bit)
            bits += (v >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0');
    }
    return bits;
}

QString BitsToHex(QString& bits) {
    const qsizetype pad = (4 - bits.size() % 4) % 4;
    bits.prepend(QString(pad, QLatin1Char('0')));
    QString hex;
    hex.reserve(bits.size() / 4);
    for (qsizetype i = 0; i < bits.size(); i += 4) {
        int v = 0;
        for (int j = 0; j < 4; ++j)
            v = v * 2 + (bits.at(i + j) == QLatin1Char('1') ? 1 : 0);
        hex += QString::number(v, 16).toUpper();
    }
    return hex;
}

qint64 StepRemainderUnits(qint64 step, qint64 value) {
    if (value < step || step <= 0)
        return value;
    return value % step;
}

double StepRemainder(double step, double value) {
    constexpr double Scale = 1e9;
    constexpr double Limit = 9e9; // beyond this the scaled value leaves 64 bits
    if (value < step)
        return value;
    if (step <= 0 || std::isnan(step) || std::isnan(value) || std::fabs(value) > Limit ||
        std::fabs(step) > Limit)
        return step > 0 ? std::fmod(value, step) : value;
    const qint64 s = std::llround(step * Scale);
    const qint64 v = std::llround(value * Scale);
    if (s <= 0)
        return value;
    return static_cast<double>(StepRemainderUnits(s, v)) / Scale;
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
