#include "channels/EditSteps.h"

#include "channels/ChannelTable.h"
#include "dialogs/DebugDialog.h"
#include "dialogs/EmbeddedDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/TestFrequencyDialog.h"
#include "shell/CaptionTables.h"

namespace q716 {

namespace {

const QString StepsWindow = QStringLiteral("EditSteps");

QString stepCaption(const char* control, int languageCode) {
    return tableCaption(StepsWindow, QString::fromLatin1(control), languageCode);
}

const char* stepKey(EditStep step) {
    switch (step) {
    case EditStep::Cell:
        return "stepCell";
    case EditStep::BandChange:
        return "stepBand";
    case EditStep::FunctionSetting:
        return "stepSetting";
    case EditStep::Password:
        return "stepPassword";
    case EditStep::OptionsDialog:
        return "stepForm5";
    case EditStep::KeysDialog:
        return "stepForm6";
    case EditStep::EmbeddedDialog:
        return "stepForm7";
    case EditStep::TestFrequencyDialog:
        return "stepForm4";
    case EditStep::DebugDialog:
        return "stepForm2";
    case EditStep::NewTable:
        return "stepNew";
    case EditStep::OpenFile:
        return "stepOpen";
    case EditStep::ImportCsv:
        return "stepImport";
    case EditStep::ReadRadio:
        return "stepRead";
    case EditStep::Cut:
        return "stepCut";
    case EditStep::Paste:
        return "stepPaste";
    case EditStep::Insert:
        return "stepInsert";
    case EditStep::Delete:
        return "stepDelete";
    case EditStep::MoveUp:
        return "stepMoveUp";
    case EditStep::MoveDown:
        return "stepMoveDown";
    case EditStep::Clear:
        return "stepClear";
    case EditStep::Sort:
        return "stepSort";
    case EditStep::SetColumn:
        return "stepSetColumn";
    }
    return "stepCell";
}

} // namespace

QString columnName(int column, int languageCode) {
    if (column < 1 || column >= GridColumns)
        return {};
    return tableCaption(StepsWindow, QStringLiteral("column%1").arg(column), languageCode);
}

QString stepText(const StepName& name, int languageCode) {
    const QString text = stepCaption(stepKey(name.step), languageCode);
    switch (name.step) {
    case EditStep::Cell:
        return text.arg(name.channel).arg(columnName(name.column, languageCode));
    case EditStep::SetColumn:
        return text.arg(columnName(name.column, languageCode));
    case EditStep::FunctionSetting:
        return text.arg(tableCaption(QStringLiteral("Form1"), name.control, languageCode));
    default:
        return text;
    }
}

void restoreEditorState(EditorState& current, const EditorState& kept) {
    EditorState restored = kept;
    ProgramValues& v = restored.values;
    v.languageCode = current.values.languageCode;
    v.selectedPort = current.values.selectedPort;
    // Undo never unlocks the calibration for a write nor enters service mode.
    v.debugUnlocked = current.values.debugUnlocked;
    v.factoryMode = current.values.factoryMode;
    v.adminMode = current.values.adminMode;
    restored.form5.gestureTouched = current.form5.gestureTouched;
    restored.form5.gestureStart = current.form5.gestureStart;
    restored.form1.lockState = current.form1.lockState;
    if (kept.values.languageCode != v.languageCode)
        SetGrid1Text(restored.form1.grid, v.languageCode);
    // The dialogs show the values put back, never controls kept from the
    // time of the step, which their OK would store again.
    showStoredOptions(restored);
    loadKeysDialog(restored);
    loadEmbeddedDialog(restored);
    loadTestFrequencyDialog(restored);
    loadDebugDialog(restored);
    restored.form2.slidersEnabled = current.form2.slidersEnabled;
    current = std::move(restored);
}

} // namespace q716
