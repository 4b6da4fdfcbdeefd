#include "dialogs/KeysDialog.h"

namespace q716 {

namespace {
int shownFunction(int value) {
    return value >= 0 && value < KeyFunctionCount ? value : KeyFunctionOff;
}
} // namespace

void loadKeysDialog(EditorState& s) {
    s.form6.combo1 = shownFunction(s.values.keyFunctionPF1);
    s.form6.combo2 = shownFunction(s.values.keyFunctionPF2);
}

void acceptKeysDialog(EditorState& s) {
    s.values.keyFunctionPF1 = s.form6.combo1;
    s.values.keyFunctionPF2 = s.form6.combo2;
}

} // namespace q716
