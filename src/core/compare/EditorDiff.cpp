#include "compare/EditorDiff.h"

namespace q716 {

QList<FieldDifference> compareStates(const EditorState& left, const EditorState& right,
                                     int languageCode) {
    QList<FieldDifference> out;
    for (const FieldRef& f : imageFields()) {
        if (fieldValue(left, f) == fieldValue(right, f))
            continue;
        out.append({f, fieldText(left, f, languageCode), fieldText(right, f, languageCode)});
    }
    return out;
}

QList<FieldDifference> compareEditorWithImage(const EditorState& editor, const QByteArray& image) {
    const int lang = editor.values.languageCode;
    return compareStates(stateAsImage(editor), stateOfImage(image, lang), lang);
}

} // namespace q716
