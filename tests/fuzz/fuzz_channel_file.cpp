// Channel files: arbitrary bytes through the Open command (signature, length,
// load), on every starting editor.
//  - a refused file leaves the editor exactly as it was and shows the
//    wrong-type message once;
//  - an accepted file builds to 1696 hex digits, a save writes the signature
//    and that image, and the editor holds only values its controls can show;
//  - saving, opening that save and saving again gives the same 853 bytes, in
//    the same editor and in a fresh one.

#include "FuzzCheck.h"
#include "FuzzEditor.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/HexHelpers.h"
#include "state/InitDefaults.h"

#include <algorithm>
#include <cstdint>

using namespace q716;
using namespace q716::fuzz;

namespace {

QByteArray saveAndReopen(EditorState& editor, const QByteArray& saved) {
    MessageLog log;
    const FileResult reopened = openChannelFileBytes(editor, saved, log.answerer());
    Q716_FUZZ_CHECK(reopened.ok(), "a saved file opens");
    return channelFileBytes(editor);
}

void openOn(const EditorState& start, const QByteArray& content) {
    EditorState editor = start;
    MessageLog log;
    const FileResult result = openChannelFileBytes(editor, content, log.answerer());
    const Message wrongType = wrongTypeMessage(start.values.languageCode);
    const auto isWrongType = [&wrongType](const Message& m) {
        return m.text == wrongType.text && m.style == wrongType.style && m.title == wrongType.title;
    };

    if (!result.ok()) {
        Q716_FUZZ_CHECK(result.status == FileStatus::WrongType, "bytes are refused as wrong type");
        Q716_FUZZ_CHECK(!result.reason.isEmpty(), "a refusal gives a reason");
        Q716_FUZZ_CHECK(editor == start, "a refused file leaves the editor untouched");
        Q716_FUZZ_CHECK(log.shown.size() == 1 && isWrongType(log.shown[0]),
                        "a refused file shows the wrong-type message once");
        return;
    }
    Q716_FUZZ_CHECK(content.size() >= ChannelFileBytes && content.startsWith("NXR54"),
                    "only a signed file of 853 bytes or more is accepted");
    Q716_FUZZ_CHECK(std::none_of(log.shown.begin(), log.shown.end(), isWrongType),
                    "an accepted file shows no wrong-type message");
    checkEditorInRange(editor);
    checkDialogsShowLoadedValues(editor);
    checkOnlyImageTargetsChanged(start, editor);

    const QString image = BuildImage(editor);
    Q716_FUZZ_CHECK(isImageText(image), "an accepted file builds to 1696 hex digits");
    const QByteArray first = channelFileBytes(editor);
    Q716_FUZZ_CHECK(first.size() == ChannelFileBytes && first.startsWith(ChannelFileSignature) &&
                        first.mid(ChannelFileSignature.size()) == hexToBytes(image),
                    "a save writes the signature and the built image");

    EditorState again = editor;
    Q716_FUZZ_CHECK(saveAndReopen(again, first) == first, "save, open, save reaches a fixed point");
    checkEditorInRange(again);
    EditorState fresh = freshEditorState();
    Q716_FUZZ_CHECK(saveAndReopen(fresh, first) == first,
                    "a saved file opened in a fresh editor saves the same bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const EditorState& start : startingEditors())
        openOn(start, content);
    return 0;
}
