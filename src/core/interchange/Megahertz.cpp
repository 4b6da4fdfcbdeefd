#include "interchange/Megahertz.h"

namespace q716 {

namespace {

bool asciiDigits(QStringView s) {
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

std::optional<qint64> megahertzToHertz(const QString& text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? QStringView(text) : QStringView(text).left(point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(text).mid(point + 1);
    if (!asciiDigits(whole) || !asciiDigits(fraction) || whole.size() + fraction.size() == 0)
        return std::nullopt;
    qsizetype firstDigit = 0;
    while (firstDigit < whole.size() && whole[firstDigit] == QLatin1Char('0'))
        ++firstDigit;
    if (whole.size() - firstDigit > 9)
        return std::nullopt;
    qint64 hertz = whole.isEmpty() ? 0 : whole.toString().toLongLong() * 1000000;
    const QString six = fraction.left(6).toString().leftJustified(6, QLatin1Char('0'));
    hertz += six.toLongLong();
    if (fraction.size() > 6 && fraction[6] >= QLatin1Char('5'))
        ++hertz;
    return hertz;
}

QString hertzToMegahertz(qint64 hertz) {
    const QString sign = hertz < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = hertz < 0 ? -hertz : hertz;
    return sign + QString::number(magnitude / 1000000) + QLatin1Char('.') +
           QStringLiteral("%1").arg(magnitude % 1000000, 6, 10, QLatin1Char('0'));
}

QString plainMegahertz(const QString& text) {
    const auto hertz = megahertzToHertz(text);
    if (!hertz)
        return text;
    QString written = hertzToMegahertz(*hertz);
    while (written.endsWith(QLatin1Char('0')))
        written.chop(1);
    if (written.endsWith(QLatin1Char('.')))
        written.chop(1);
    return written;
}

} // namespace q716
