#include "state/InitDefaults.h"

#include "channels/Vocabulary.h"

namespace q716 {

void initDefaults(EditorState& s) {
    MainWindowState& f = s.form1;
    ProgramValues& v = s.values;

    // Band 0 selected with LastBand already 0: no question, limits 400..480.
    f.lastBand = 0;
    f.combo1 = 0;
    const BandLimits limits = bandLimits(0);
    f.bandLow = limits.low;
    f.bandHigh = limits.high;

    v.keyFunctionPF1 = 10;

    v.highPowerLevel = 208;
    v.lowPowerLevel = 92;
    v.debugUnlocked = false;

    for (int row = 1; row <= ChannelCount; ++row)
        f.grid.cells[row][0] = QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));

    for (int i = 0; i < 8; ++i)
        v.dtmfMemories[i] = QString::number(i + 1);

    for (int i = 0; i <= 14; ++i)
        v.optionValues.slot(i) = QStringLiteral("1");
    v.optionValues.priorityMode.set(0);
    v.optionValues.field0140 = QStringLiteral("1");
    v.optionValues.field0150 = QStringLiteral("2");
    for (int i = 20; i <= 23; ++i)
        v.optionValues.slot(i) = QStringLiteral("1");

    v.dtmfValues = DtmfValues{};

    f.combo2 = 1;
    f.combo3 = 11;
    f.combo4 = 0;
    f.combo9 = 4;
    f.combo6 = 1;
    f.combo7 = 1;
    f.combo10 = 0;
    f.combo11 = 0;
    f.combo12 = 0;
    f.combo13 = 0;
}

EditorState freshEditorState() {
    EditorState s;
    initDefaults(s);
    return s;
}

} // namespace q716
