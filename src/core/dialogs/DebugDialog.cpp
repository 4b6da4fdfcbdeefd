#include "dialogs/DebugDialog.h"

namespace q716 {

void loadDebugDialog(EditorState& s) {
    s.form2.slidersEnabled = s.values.debugUnlocked;
    s.form2.slider1 = s.values.highPowerLevel;
    s.form2.slider3 = s.values.lowPowerLevel;
}

void acceptDebugDialog(EditorState& s) {
    s.values.highPowerLevel = s.form2.slider1;
    s.values.lowPowerLevel = s.form2.slider3;
}

QString powerLevelText(int value) {
    return QString::number(value);
}

} // namespace q716
