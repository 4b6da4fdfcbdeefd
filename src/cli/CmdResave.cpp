#include "Commands.h"

#include "files/ChannelFile.h"
#include "state/InitDefaults.h"

namespace q716::cli {

// Opens IN into a freshly started program as the Open command does and saves
// it as the Save command does.
int runResave(const QStringList& args) {
    ParsedArgs a;
    if (!parseArgs(args, 2, false, QStringLiteral("IN.DAT OUT.DAT [--force]"), a, true))
        return 1;
    EditorState state = freshEditorState();
    const FileResult opened = openChannelFile(state, a.files[0], {});
    if (!opened.ok())
        return fail(a.files[0], opened.reason);
    if (!mayStore(a.files[0], state, WayOut::Save, a.force))
        return 1;
    const FileResult saved = saveChannelFile(state, a.files[1]);
    return saved.ok() ? 0 : fail(a.files[1], saved.reason);
}

} // namespace q716::cli
