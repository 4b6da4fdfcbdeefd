#include "dialogs/NumericText.h"

#include <limits>

namespace q716 {

int leadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 whole = 0;
    bool digits = false;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
        digits = true;
        if (whole < std::numeric_limits<int>::max())
            whole = whole * 10 + (text.at(i).unicode() - '0');
    }
    if (i + 1 < text.size() && text.at(i) == QLatin1Char('.') && text.at(i + 1).isDigit() &&
        text.at(i + 1).unicode() >= '5' && text.at(i + 1).unicode() <= '9')
        ++whole;
    else if (!digits)
        return 0;
    whole = qMin<qint64>(whole, std::numeric_limits<int>::max());
    return static_cast<int>(negative ? -whole : whole);
}

qint64 decimalNanoUnits(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    constexpr qint64 Scale = 1000000000;
    constexpr qint64 MaxWhole = std::numeric_limits<qint64>::max() / Scale - 1;
    qint64 whole = 0;
    qint64 fraction = 0;
    qint64 fractionScale = Scale;
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char16_t c = t.at(i).unicode();
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return 0;
        digits = true;
        const int d = c - u'0';
        if (!point) {
            whole = whole * 10 + d;
            if (whole > MaxWhole)
                return 0;
        } else if (fractionScale > 1) {
            fractionScale /= 10;
            fraction += d * fractionScale;
        }
    }
    if (!digits)
        return 0;
    const qint64 units = whole * Scale + fraction;
    return negative ? -units : units;
}

} // namespace q716
