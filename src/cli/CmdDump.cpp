#include "Commands.h"
#include "StateJson.h"

#include "files/ChannelFile.h"
#include "state/InitDefaults.h"

#include <QJsonDocument>
#include <cstdio>

namespace q716::cli {

// Opens IN into a freshly started program and prints its state as JSON, with
// the list texts in Chinese as the program starts, or in English.
int runDump(const QStringList& args) {
    ParsedArgs a;
    if (!parseArgs(args, 1, true, QStringLiteral("IN.DAT [--english]"), a))
        return 1;
    EditorState state = freshEditorState();
    state.values.languageCode = a.english ? 1 : 0;
    const FileResult opened = openChannelFile(state, a.files[0], {});
    if (!opened.ok())
        return fail(a.files[0], opened.reason);
    const QByteArray json = QJsonDocument(stateToJson(state, state.values.languageCode))
                                .toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, json.size(), stdout);
    return 0;
}

} // namespace q716::cli
