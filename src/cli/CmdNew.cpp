#include "Commands.h"

#include "files/ChannelFile.h"
#include "state/InitDefaults.h"

namespace q716::cli {

// The state of a freshly started program, saved as the Save command does.
int runNew(const QStringList& args) {
    ParsedArgs a;
    if (!parseArgs(args, 1, false, QStringLiteral("OUT.DAT"), a))
        return 1;
    const FileResult saved = saveChannelFile(freshEditorState(), a.files[0]);
    return saved.ok() ? 0 : fail(a.files[0], saved.reason);
}

} // namespace q716::cli
