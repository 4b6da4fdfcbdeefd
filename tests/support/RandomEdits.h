#pragma once
// Random edits of an editor, as a user could make them: each changes one field
// the memory image carries to another value. The comparison tests check that
// exactly the edited fields are reported.

#include "compare/EditorFields.h"

#include <QList>
#include <random>

namespace q716test {

// Makes `count` edits to different fields of `state` (whose channels in use
// stay in use) and returns the fields edited, in the order made.
QList<q716::FieldRef> applyRandomEdits(q716::EditorState& state, std::mt19937& rng, int count);

// The key `q716-cli dump` prints a field under ("channels[2].txTone",
// "settings.timeOut", "optionValues[18]").
QString dumpKeyOf(q716::FieldRef field);

} // namespace q716test
