#pragma once
// What differs between two editor states, field by field, as the compare
// windows list it: the editor against the radio or against a channel file.

#include "compare/EditorFields.h"

#include <QByteArray>
#include <QList>

namespace q716 {

struct FieldDifference {
    FieldRef field;
    QString left;  // the value shown for the first state (the editor)
    QString right; // ... and for the second (the radio, the file)
};

// Both states as stateOfImage or stateAsImage make them; texts in
// `languageCode`, in the order of imageFields().
QList<FieldDifference> compareStates(const EditorState& left, const EditorState& right,
                                     int languageCode);

// The editor against an image (a read, a channel file), in the editor's language.
QList<FieldDifference> compareEditorWithImage(const EditorState& editor, const QByteArray& image);

} // namespace q716
