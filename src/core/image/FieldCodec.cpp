#include "image/FieldCodec.h"

#include <cmath>

namespace q716 {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isOctalDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

char hexPairToByte(QChar hi, QChar lo) {
    return static_cast<char>((hi.unicode() - u'0') * 16 + (lo.unicode() - u'0'));
}

bool isCtcssText(const QString& t) {
    const qsizetype n = t.size();
    if (n != 4 && n != 5)
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        const bool wantPoint = i == n - 2;
        if (wantPoint ? t.at(i) != QLatin1Char('.') : !isDigit(t.at(i)))
            return false;
    }
    return true;
}

bool isDcsText(const QString& t) {
    return t.size() == 5 && t.at(0) == QLatin1Char('D') && isOctalDigit(t.at(1)) &&
           isOctalDigit(t.at(2)) && isOctalDigit(t.at(3)) &&
           (t.at(4) == QLatin1Char('N') || t.at(4) == QLatin1Char('I'));
}

void appendField(QByteArray& out, const QString& text, int length, bool dtmf) {
    for (int i = 0; i < length; ++i) {
        if (i >= text.size()) {
            out.append('\xFF');
            continue;
        }
        const char16_t u = text.at(i).unicode();
        if (dtmf && u == u'0')
            out.append('\x3A');
        else if (u > 0xFF)
            out.append('?');
        else
            out.append(static_cast<char>(u));
    }
}

} // namespace

bool isFrequencyText(const QString& t) {
    if (t.size() != 9)
        return false;
    for (int i = 0; i < 9; ++i) {
        if (i == 3 ? t.at(i) != QLatin1Char('.') : !isDigit(t.at(i)))
            return false;
    }
    return true;
}

void appendFrequency(QByteArray& out, const QString& t) {
    if (!isFrequencyText(t)) {
        out.append(4, '\xFF');
        return;
    }
    out.append(hexPairToByte(t.at(7), t.at(8)));
    out.append(hexPairToByte(t.at(5), t.at(6)));
    out.append(hexPairToByte(t.at(2), t.at(4)));
    out.append(hexPairToByte(t.at(0), t.at(1)));
}

QString decodeFrequency(const char* bytes) {
    const QString c = QString::fromLatin1(QByteArray(bytes, 4).toHex().toUpper());
    const QChar digits[] = {c[6], c[7], c[4], QLatin1Char('.'), c[5], c[2], c[3], c[0], c[1]};
    return QString(digits, 9);
}

bool isErased(const char* bytes, int count) {
    for (int i = 0; i < count; ++i) {
        if (static_cast<unsigned char>(bytes[i]) != 0xFF)
            return false;
    }
    return true;
}

quint16 encodeTone(const QString& t) {
    if (isDcsText(t)) {
        const int code = (t.at(1).unicode() - u'0') * 64 + (t.at(2).unicode() - u'0') * 8 +
                         (t.at(3).unicode() - u'0');
        return static_cast<quint16>((t.at(4) == QLatin1Char('N') ? 0x2800 : 0xA800) + code);
    }
    if (isCtcssText(t)) {
        QString digits = t;
        digits.remove(QLatin1Char('.'));
        return static_cast<quint16>(digits.toUInt());
    }
    return NoToneWord;
}

QString decodeTone(quint16 word) {
    const int top = word >> 12;
    if (top == 0x2 || top == 0xA) {
        const QString octal = QString::number(word & 0x0FFF, 8).rightJustified(3, QLatin1Char('0'));
        return QStringLiteral("D%1%2").arg(octal.right(3),
                                           top == 0x2 ? QStringLiteral("N") : QStringLiteral("I"));
    }
    const QString dec = QString::number(word);
    return dec.left(dec.size() - 1) + QLatin1Char('.') + dec.right(1);
}

void appendWord(QByteArray& out, quint16 word) {
    out.append(static_cast<char>(word & 0xFF));
    out.append(static_cast<char>(word >> 8));
}

quint16 readWord(const char* bytes) {
    return static_cast<quint16>(static_cast<unsigned char>(bytes[0]) |
                                static_cast<unsigned char>(bytes[1]) << 8);
}

void appendCharField(QByteArray& out, const QString& text, int length) {
    appendField(out, text, length, false);
}

void appendDtmfField(QByteArray& out, const QString& text, int length) {
    appendField(out, text, length, true);
}

QString readCharField(const char* bytes, int length, bool skipErased) {
    QString text;
    for (int i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b == 0xFF && skipErased)
            continue;
        text += QChar(b);
    }
    return text;
}

QString readDtmfField(const char* bytes, int length) {
    QString text;
    for (int i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b == 0xFF)
            continue;
        text += b == 0x3A ? QChar(u'0') : QChar(b);
    }
    return text;
}

double leadingDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        ++i;
    while (i < text.size() && isDigit(text.at(i)))
        ++i;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && isDigit(text.at(i)))
            ++i;
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok ? v : 0.0;
}

int wholeNumber(const QString& text, int low, int high) {
    const double v = std::nearbyint(leadingDecimal(text));
    if (!(v >= low))
        return low;
    if (v > high)
        return high;
    return static_cast<int>(v);
}

char clampedByte(int value) {
    return static_cast<char>(qBound(0, value, 255));
}

} // namespace q716
