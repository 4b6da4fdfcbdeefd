#include "safety/StoredValuesCheck.h"

#include "shell/LocalMsgBox.h"

namespace q716 {

bool confirmStoredValues(const EditorState& state, WayOut way) {
    const QList<FieldDifference> values = valuesNotStored(state);
    if (values.isEmpty())
        return true;
    return LocalMsgBox(notStoredQuestion(way, values, state.values.languageCode)) == ResultOk;
}

void tellValuesNotStored(const EditorState& state, const QList<FieldDifference>& before) {
    const QList<FieldDifference> values = newlyNotStored(before, valuesNotStored(state));
    if (!values.isEmpty())
        LocalMsgBox(notStoredNotice(values, state.values.languageCode));
}

} // namespace q716
