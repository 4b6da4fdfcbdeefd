#include "support/SamplePlan.h"

#include "channels/CellRules.h"
#include "channels/ChannelTable.h"
#include "state/InitDefaults.h"

namespace q716::e2e {

const QString CommunicationError =
    QStringLiteral("Communication error, please check the intercom model, fault, attachment and "
                   "computer serial choice!");
const QString PortNotOpen =
    QStringLiteral("Communication port not open, please first selection menu 'communication port' "
                   "to open its serial ports!");
const QString CableGone = QStringLiteral("The programming cable is not connected: ");

EditorState samplePlan() {
    EditorState s = freshEditorState();
    s.values.languageCode = 1;
    const char* rx[] = {"435.12500", "440.00000", "401.06250", "470.50000"};
    const char* tone[] = {"67.0", "D023N", "254.1", "D754I"};
    for (int row = 1; row <= 4; ++row) {
        s.form1.grid.cell(row, 1) = QString::fromLatin1(rx[row - 1]);
        applyNewChannelDefaults(s.form1.grid, row, s.values.languageCode);
        s.form1.grid.cell(row, 2) = QString::fromLatin1(tone[row - 1]);
        s.form1.grid.cell(row, 4) = QString::fromLatin1(tone[4 - row]);
    }
    chooseFlagItem(s.form1.grid, 3, 5, 0, s.values.languageCode); // low power
    chooseFlagItem(s.form1.grid, 4, 7, 0, s.values.languageCode); // narrow
    chooseFlagItem(s.form1.grid, 4, 8, 0, s.values.languageCode); // not scanned
    s.values.embeddedInfo = {QStringLiteral("FIELD UNIT 7"), QStringLiteral("Q716")};
    s.values.commPassword = QStringLiteral("abc123");
    s.values.highPowerLevel = 200;
    return s;
}

EditorState windowPlan() {
    EditorState s = samplePlan();
    s.form1.combo9 = 7;
    s.values.keyFunctionPF2 = 3;
    s.values.testFrequencies[0] = QStringLiteral("436.12500");
    s.values.testFrequencies[16] = QStringLiteral("437.25000");
    return s;
}

} // namespace q716::e2e
