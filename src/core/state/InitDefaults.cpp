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
        v.optionValues[i] = QStringLiteral("1");
    v.optionValues[10] = QStringLiteral("0");
    v.optionValues[16] = QStringLiteral("1");
    v.optionValues[17] = QStringLiteral("2");
    for (int i = 20; i <= 23; ++i)
        v.optionValues[i] = QStringLiteral("1");

    v.dtmfValues = {0, 1, 0, 1, 1, 1, 0, 0};

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
