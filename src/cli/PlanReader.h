#pragma once
// A JSON channel plan's bytes -> the editor it describes, as `build` reads
// it: a freshly started program with the plan applied by the editor's rules.

#include "state/EditorState.h"

#include <QByteArray>
#include <QString>

namespace q716::cli {

struct PlanRead {
    bool ok = false;
    QString reason; // why the plan was refused; empty when ok
    EditorState state;
};

PlanRead readPlan(const QByteArray& json);

} // namespace q716::cli
