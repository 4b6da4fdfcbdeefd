#include "LogStreams.h"

#include <QFile>
#include <QRegularExpression>

namespace q716::e2e {

namespace {

QList<int> parseHex(const QString& text) {
    QList<int> bytes;
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        bytes << (pair == QLatin1String("**") ? -1 : pair.toInt(nullptr, 16));
    return bytes;
}

// A reply or block "57 HI LO LEN data...": hide what lies in 0x01C0..0x01CF.
void hidePassword(QList<int>& message) {
    if (message.size() < 4 || message[0] != 0x57)
        return;
    const int address = message[1] << 8 | message[2];
    for (int i = 4; i < message.size(); ++i) {
        const int a = address + i - 4;
        if (a >= 0x01C0 && a < 0x01D0)
            message[i] = -1;
    }
}

} // namespace

LogStreams programLog(const QString& text) {
    static const QRegularExpression line(QStringLiteral("^\\s*\\d+ ms  (TX|RX)  (.*)$"));
    LogStreams s;
    for (const QString& l : text.split(QLatin1Char('\n'))) {
        if (l.startsWith(QLatin1String("Session ")))
            ++s.sessions;
        const QRegularExpressionMatch m = line.match(l);
        if (!m.hasMatch())
            continue;
        (m.captured(1) == QLatin1String("TX") ? s.sent : s.received) += parseHex(m.captured(2));
    }
    return s;
}

LogStreams simulatorLog(const QString& path) {
    QFile file(path);
    LogStreams s;
    if (!file.open(QIODevice::ReadOnly))
        return s;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString l = QString::fromLatin1(raw).trimmed();
        if (l.size() < 3 || (l[0] != QLatin1Char('>') && l[0] != QLatin1Char('<')) ||
            l.endsWith(QLatin1String("break")))
            continue;
        QString hex = l.mid(2);
        hex.remove(QStringLiteral("(junk)"));
        QList<int> message = parseHex(hex);
        hidePassword(message);
        if (l[0] == QLatin1Char('>')) {
            if (message == QList<int>{0x54, 0x51, 0x2D, 0x50, 0x52, 0x4F, 0x47})
                ++s.sessions;
            s.sent += message;
        } else {
            s.received += message;
        }
    }
    return s;
}

QString hexOf(const QList<int>& bytes) {
    QStringList parts;
    for (int b : bytes)
        parts << (b < 0 ? QStringLiteral("**")
                        : QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper());
    return parts.join(QLatin1Char(' '));
}

} // namespace q716::e2e
