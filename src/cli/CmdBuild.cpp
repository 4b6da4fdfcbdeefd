#include "Commands.h"
#include "StateJson.h"

#include "files/ChannelFile.h"
#include "state/InitDefaults.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>

namespace q716::cli {

namespace {
// Far above any plan a person writes; keeps a wrong file from filling memory.
constexpr qint64 MaxPlanBytes = 4 * 1024 * 1024;
} // namespace

// Turns a JSON channel plan into a channel file. Everything is validated
// before the output file is touched.
int runBuild(const QStringList& args) {
    ParsedArgs a;
    if (!parseArgs(args, 2, false, QStringLiteral("PLAN.json OUT.DAT"), a))
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
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(planPath, QStringLiteral("malformed JSON at offset %1: %2")
                                  .arg(parseError.offset)
                                  .arg(parseError.errorString()));
    if (!doc.isObject())
        return fail(planPath, QStringLiteral("the plan must be a JSON object"));

    EditorState state = freshEditorState();
    QString error;
    if (!applyPlan(state, doc.object(), error))
        return fail(planPath, error);
    const FileResult saved = saveChannelFile(state, a.files[1]);
    return saved.ok() ? 0 : fail(a.files[1], saved.reason);
}

} // namespace q716::cli
