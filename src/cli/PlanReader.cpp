#include "PlanReader.h"

#include "StateJson.h"
#include "state/InitDefaults.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace q716::cli {

PlanRead readPlan(const QByteArray& json) {
    PlanRead read;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        read.reason = QStringLiteral("malformed JSON at offset %1: %2")
                          .arg(parseError.offset)
                          .arg(parseError.errorString());
        return read;
    }
    if (!doc.isObject()) {
        read.reason = QStringLiteral("the plan must be a JSON object");
        return read;
    }
    read.state = freshEditorState();
    read.ok = applyPlan(read.state, doc.object(), read.reason);
    return read;
}

} // namespace q716::cli
