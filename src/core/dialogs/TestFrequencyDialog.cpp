#include "dialogs/TestFrequencyDialog.h"

#include "channels/CellRules.h"
#include "dialogs/NumericText.h"
#include "image/FieldCodec.h"
#include "image/HexHelpers.h"

namespace q716 {

namespace {

// Steps in units of 10^-9 MHz, so every decimal input is exact.
constexpr qint64 Step5k = 5000000;
constexpr qint64 Step6k25 = 6250000;
constexpr qint64 UnitsPerMHz = 1000000000;
constexpr qint64 UnitsPerFifthDecimal = 10000;

QString frequencyText(qint64 units) {
    // Lowering leaves negative values at 0 (they lie below one step).
    units = qMax<qint64>(units, 0);
    return QStringLiteral("%1.%2")
        .arg(units / UnitsPerMHz)
        .arg(units % UnitsPerMHz / UnitsPerFifthDecimal, 5, 10, QLatin1Char('0'));
}

} // namespace

void loadTestFrequencyDialog(EditorState& s) {
    auto& cells = s.form4.cells;
    for (int r = 0; r <= TestFrequencyRows; ++r)
        cells[r][0] = QStringLiteral("%1").arg(r, 2, 10, QLatin1Char('0'));
    for (int r = 1; r <= TestFrequencyRows; ++r) {
        cells[r][1] = s.values.testFrequencies[r - 1];
        cells[r][2] = s.values.testFrequencies[r + 15];
    }
}

void acceptTestFrequencyDialog(EditorState& s) {
    for (int r = 1; r <= TestFrequencyRows; ++r) {
        s.values.testFrequencies[r - 1] = s.form4.cells[r][1];
        s.values.testFrequencies[r + 15] = s.form4.cells[r][2];
    }
}

bool canEditTestCell(const EditorState& s, int row, int column) {
    if (row < 1 || row > TestFrequencyRows || column < 1 || column > 2)
        return false;
    return column == 1 || !s.form4.cells[row][1].isEmpty();
}

QString snapReceiveFrequency(const QString& text) {
    const qint64 f = decimalNanoUnits(text);
    const qint64 r5 = StepRemainderUnits(Step5k, f);
    const qint64 r6 = StepRemainderUnits(Step6k25, f);
    return frequencyText(r5 >= r6 ? f - r6 : f - r5);
}

QString snapTransmitFrequency(const QString& text, const QString& receive) {
    const qint64 rx = decimalNanoUnits(receive);
    const qint64 step = StepRemainderUnits(Step6k25, rx) == 0 ? Step6k25 : Step5k;
    const qint64 t = decimalNanoUnits(text);
    return frequencyText(t - StepRemainderUnits(step, t));
}

std::optional<QString> testFrequencyText(const QString& typed) {
    const std::optional<QString> formatted = formatFiveDecimals(typed);
    if (!formatted || !isFrequencyText(*formatted))
        return std::nullopt;
    return formatted;
}

TestCellEdit commitTestCell(EditorState& s, int row, int column, const QString& typed) {
    if (row < 1 || row > TestFrequencyRows || column < 1 || column > 2)
        return TestCellEdit::Unchanged;
    auto& cells = s.form4.cells[row];
    if (typed == cells[column])
        return TestCellEdit::Unchanged;
    std::optional<QString> frequency;
    if (!typed.isEmpty()) {
        frequency = testFrequencyText(typed);
        if (!frequency)
            return TestCellEdit::Refused;
    }
    if (column == 1) {
        cells[1] = frequency ? snapReceiveFrequency(*frequency) : QString();
        cells[2] = cells[1];
    } else {
        cells[2] = frequency ? snapTransmitFrequency(*frequency, cells[1]) : cells[1];
    }
    return TestCellEdit::Stored;
}

Message testFrequencyRefusedMessage(const QString& typed, int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("“%1”不是100到999 MHz之间的频率，单元格保持原值。"),
                     QStringLiteral("\"%1\" is not a frequency of 100 to 999 MHz; the cell "
                                    "keeps its value."))
                .arg(typed),
            MsgOk, QString()};
}

} // namespace q716
