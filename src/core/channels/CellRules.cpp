#include "channels/CellRules.h"

#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"

namespace q716 {

namespace {

constexpr QChar Backspace(8);

bool allDigits(QStringView s) {
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// A non-negative decimal number kept as its digit texts, so that rounding and
// comparisons are exact whatever its length.
struct Decimal {
    QString whole;
    QString fraction;
};

// Digits, then optionally a point and more digits, at least one digit in all.
std::optional<Decimal> splitDecimal(QStringView text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (!allDigits(whole) || !allDigits(fraction) || whole.size() + fraction.size() == 0)
        return std::nullopt;
    return Decimal{whole.toString(), fraction.toString()};
}

// The number at the start of `text`, as far as it reads as one.
std::optional<Decimal> leadingDecimal(QStringView text) {
    qsizetype end = 0;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        ++end;
        while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
            ++end;
    }
    return splitDecimal(text.left(end));
}

QString withoutLeadingZeros(const QString& digits) {
    qsizetype i = 0;
    while (i < digits.size() - 1 && digits[i] == QLatin1Char('0'))
        ++i;
    return digits.isEmpty() ? QStringLiteral("0") : digits.mid(i);
}

// Written with `places` decimals, the dropped digits rounded half away from zero.
QString roundDecimal(const Decimal& d, int places) {
    QString digits = d.whole + d.fraction.left(places).leftJustified(places, QLatin1Char('0'));
    const bool roundUp = d.fraction.size() > places && d.fraction[places] >= QLatin1Char('5');
    if (roundUp) {
        qsizetype i = digits.size() - 1;
        for (; i >= 0 && digits[i] == QLatin1Char('9'); --i)
            digits[i] = QLatin1Char('0');
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits[i].unicode() + 1);
    }
    const QString whole = withoutLeadingZeros(digits.left(digits.size() - places));
    return places == 0 ? whole : whole + QLatin1Char('.') + digits.right(places);
}

// The whole-number part compared with a whole number, without overflow.
int compareWhole(const QString& digits, int value) {
    const QString whole = withoutLeadingZeros(digits);
    const QString other = QString::number(value);
    if (whole.size() != other.size())
        return whole.size() < other.size() ? -1 : 1;
    return QString::compare(whole, other);
}

Message outOfBandMessage(int languageCode) {
    return {pickText(languageCode, QStringLiteral("超出频段范围"),
                     QStringLiteral("Beyond the frequency range")),
            MsgOk, QString()};
}

} // namespace

QString SnapFrequency(const QString& fiveDecimals) {
    const qsizetype point = fiveDecimals.indexOf(QLatin1Char('.'));
    const auto parts = splitDecimal(fiveDecimals);
    if (!parts || point < 1 || parts->fraction.size() != 5)
        return fiveDecimals;
    // The last four digits: the part below 0.1 MHz in units of 10 Hz.
    const int a = fiveDecimals.right(4).toInt();
    const int below5k = a % 500;
    const int below625 = a % 625;
    if (below5k == 0 || below625 == 0)
        return fiveDecimals;
    const int snapped = a - std::min(below5k, below625);
    return fiveDecimals.left(fiveDecimals.size() - 4) +
           QStringLiteral("%1").arg(snapped, 4, 10, QLatin1Char('0'));
}

bool isTypedNumber(const QString& typed) {
    return splitDecimal(typed).has_value();
}

std::optional<QString> formatFiveDecimals(const QString& typed) {
    const auto d = splitDecimal(typed);
    if (!d)
        return std::nullopt;
    return roundDecimal(*d, 5);
}

GridClickTarget gridClickTarget(const ChannelGrid& grid, int row, int col) {
    GridClickTarget t;
    if (row < 1 || row > ChannelCount || col < 1 || col >= GridColumns)
        return t;
    if (!grid.inUse(row))
        col = 1;
    t.row = row;
    t.col = col;
    t.text = grid.cells[row][col];
    if (col == 1 || col == 3) {
        t.editor = CellEditor::Text1;
    } else if (col == 2 || col == 4) {
        t.editor = CellEditor::Combo8;
    } else {
        t.editor = CellEditor::Combo5;
        t.listIndex = grid.index[row][col];
    }
    return t;
}

FrequencyCommit commitFrequency(const QString& typed, int col, bool transmitCellEmpty, int bandLow,
                                int bandHigh, int languageCode) {
    FrequencyCommit c;
    if (typed.isEmpty()) {
        if (col == 1)
            c.kind = FrequencyCommit::Kind::RemoveChannel;
        return c;
    }
    const auto d = splitDecimal(typed);
    if (!d)
        return c;
    const QString five = roundDecimal(*d, 5);
    // The rounded value is checked against the upper limit too, so that
    // 479.999996 cannot become 480.00000 in a band that ends at 480.
    if (compareWhole(d->whole, bandLow) < 0 ||
        compareWhole(five.left(five.indexOf(QLatin1Char('.'))), bandHigh) >= 0) {
        c.message = outOfBandMessage(languageCode);
        return c;
    }
    c.kind = FrequencyCommit::Kind::SetText;
    c.text = SnapFrequency(five);
    c.newChannel = col == 1 && transmitCellEmpty;
    return c;
}

void applyFrequencyCommit(MainWindowState& form, int row, int col, const FrequencyCommit& commit,
                          int languageCode) {
    switch (commit.kind) {
    case FrequencyCommit::Kind::Unchanged:
        return;
    case FrequencyCommit::Kind::RemoveChannel:
        ClearNO(form.grid, row);
        return;
    case FrequencyCommit::Kind::SetText:
        form.grid.cells[row][col] = commit.text;
        if (commit.newChannel)
            applyNewChannelDefaults(form.grid, row, languageCode);
        return;
    }
}

FrequencyCommit commitFrequencyAt(MainWindowState& form, int row, int col, const QString& typed,
                                  int languageCode) {
    const FrequencyCommit c = commitFrequency(typed, col, form.grid.cells[row][3].isEmpty(),
                                              form.bandLow, form.bandHigh, languageCode);
    applyFrequencyCommit(form, row, col, c, languageCode);
    return c;
}

std::optional<QString> commitTone(const QString& typed) {
    if (isNoToneText(typed))
        return std::nullopt;
    const bool startsD = typed.startsWith(QLatin1Char('D'));
    if (!startsD && !typed.startsWith(QLatin1Char('P'))) {
        // CTCSS: the number the text starts with, written with one decimal.
        const auto d = leadingDecimal(typed);
        const double v = d ? (d->whole + QLatin1Char('.') + d->fraction).toDouble() : 0.0;
        if (!d || v < 67.0 || v > 254.1)
            return std::nullopt;
        return roundDecimal(*d, 1);
    }
    if (!startsD || typed.size() < 3)
        return std::nullopt;
    const QChar polarity = typed.back();
    if (polarity != QLatin1Char('N') && polarity != QLatin1Char('I'))
        return std::nullopt;
    // DCS codes are octal: a middle part with 8 or 9 is no code at all.
    const QString middle = typed.mid(1, typed.size() - 2);
    for (QChar c : middle)
        if (c < QLatin1Char('0') || c > QLatin1Char('7'))
            return std::nullopt;
    QString code = withoutLeadingZeros(middle);
    if (compareWhole(code, 777) > 0)
        code = QStringLiteral("777");
    return QLatin1Char('D') + code.rightJustified(3, QLatin1Char('0')) + polarity;
}

void commitToneAt(ChannelGrid& grid, int row, int col, const QString& typed) {
    if (const auto text = commitTone(typed))
        grid.cells[row][col] = *text;
}

void chooseToneItem(ChannelGrid& grid, int row, int col, int item, int languageCode) {
    if (item < 0 || item >= ToneCount)
        return;
    grid.cells[row][col] = toneItem(item, languageCode);
    grid.index[row][col] = item;
}

void chooseFlagItem(ChannelGrid& grid, int row, int col, int item, int languageCode) {
    if (col < 5 || col > 8 || item < 0 || item > 1)
        return;
    grid.cells[row][col] = flagItem(col, item, languageCode);
    grid.index[row][col] = item;
}

std::optional<QChar> filterText1Key(QChar key) {
    if ((key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == Backspace ||
        key == QLatin1Char('.'))
        return key;
    return std::nullopt;
}

std::optional<QChar> filterCombo8Key(QChar key) {
    if (filterText1Key(key))
        return key;
    switch (key.unicode()) {
    case 'd':
    case 'n':
    case 'i':
        return key.toUpper();
    case 'D':
    case 'N':
    case 'I':
        return key;
    default:
        return std::nullopt;
    }
}

std::optional<QChar> filterPasswordKey(QChar key) {
    if (filterText1Key(key) || (key >= QLatin1Char('A') && key <= QLatin1Char('Z')) ||
        (key >= QLatin1Char('a') && key <= QLatin1Char('z')))
        return key;
    return std::nullopt;
}

} // namespace q716
