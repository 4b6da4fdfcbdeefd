#pragma once
// The JSON shape shared by `dump` (editor state -> JSON) and `build`
// (channel plan -> editor state). docs/cli.md describes it.

#include "state/EditorState.h"

#include <QJsonObject>
#include <QString>

namespace q716::cli {

// The opened state with list texts in the language given (0 Chinese,
// 1 English).
QJsonObject stateToJson(const EditorState& state, int languageCode);

// Applies a plan to `state` (a freshly started editor) with the editor's own
// rules. On the first bad value returns false and sets `error` to a reason
// naming the key.
bool applyPlan(EditorState& state, const QJsonObject& plan, QString& error);

} // namespace q716::cli
