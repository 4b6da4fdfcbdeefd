#pragma once
// The window's side of the check around every way out and in: a write or a
// save that would store a value otherwise than shown asks first, and a load
// that brought such values says so once.

#include "compare/StoredValues.h"

namespace q716 {

// True when nothing would be lost, or the user chose "Write anyway" ("Save
// anyway"); Cancel is the default.
bool confirmStoredValues(const EditorState& state, WayOut way);

// After a load: the values a save or a write cannot keep, shown once. Those
// already in `before` (listed before the load) are not shown again.
void tellValuesNotStored(const EditorState& state, const QList<FieldDifference>& before = {});

} // namespace q716
