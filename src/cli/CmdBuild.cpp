#include "Commands.h"
#include "PlanReader.h"

#include "files/ChannelFile.h"

#include <QFile>
#include <QFileInfo>

namespace q716::cli {

namespace {
// Far above any plan a person writes; keeps a wrong file from filling memory.
constexpr qint64 MaxPlanBytes = 4 * 1024 * 1024;
} // namespace

// Turns a JSON channel plan into a channel file. Everything is validated
// before the output file is touched.
int runBuild(const QStringList& args) {
    ParsedArgs a;
    if (!parseArgs(args, 2, false, QStringLiteral("PLAN.json OUT.DAT [--force]"), a, true))
        return 1;
    const QString& planPath = a.files[0];
    if (QFileInfo(planPath).isDir())
        return fail(planPath, QStringLiteral("is a directory"));
    QFile file(planPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(planPath, QFileInfo::exists(planPath) ? file.errorString()
                                                          : QStringLiteral("no such file"));
    if (file.size() > MaxPlanBytes)
        return fail(planPath, QStringLiteral("too large for a channel plan"));
    const PlanRead plan = readPlan(file.readAll());
    if (!plan.ok)
        return fail(planPath, plan.reason);
    if (!mayStore(planPath, plan.state, WayOut::Save, a.force))
        return 1;
    const FileResult saved = saveChannelFile(plan.state, a.files[1]);
    return saved.ok() ? 0 : fail(a.files[1], saved.reason);
}

} // namespace q716::cli
