// Image text: arbitrary text (non-hex characters, lower case, short and long
// texts included) straight into LoadImage, on every starting editor.
//  - the editor then builds to 1696 hex digits and holds only values its
//    controls can show; the dialogs show the loaded values;
//  - a load writes only what the image holds;
//  - loading the same text again changes nothing;
//  - building, loading that image and building again gives the same image.

#include "FuzzCheck.h"
#include "FuzzEditor.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"

#include <cstdint>

using namespace q716;
using namespace q716::fuzz;

namespace {

void loadOn(const EditorState& start, const QString& text) {
    EditorState editor = start;
    MessageLog log;
    LoadImage(editor, text, log.answerer());
    checkEditorInRange(editor);
    checkDialogsShowLoadedValues(editor);
    checkOnlyImageTargetsChanged(start, editor);

    const QString image = BuildImage(editor);
    Q716_FUZZ_CHECK(isImageText(image), "a loaded editor builds to 1696 hex digits");

    EditorState twice = editor;
    LoadImage(twice, text, log.answerer());
    Q716_FUZZ_CHECK(twice == editor, "loading the same text again changes nothing");

    EditorState reloaded = editor;
    LoadImage(reloaded, image, log.answerer());
    Q716_FUZZ_CHECK(BuildImage(reloaded) == image, "build, load, build reaches a fixed point");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const EditorState& start : startingEditors())
        loadOn(start, text);
    return 0;
}
