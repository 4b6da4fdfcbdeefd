#pragma once
// The promise of every way out: what the editor shows is what a save or a
// write stores. The editor's image is built and loaded back into a scratch
// editor; every value that comes back otherwise is one the image cannot hold
// (a receive frequency "438.5000A", a tone "3075.4", an empty flag cell) and
// that a save or a write would change or drop without a word. The load rules
// stay as they are; this only looks at their result.

#include "compare/EditorDiff.h"
#include "compare/WriteVerify.h"
#include "shell/Messages.h"

namespace q716 {

// The values, in the order of imageFields(): `left` the text shown, `right`
// the text stored, in the editor's language.
QList<FieldDifference> valuesNotStored(const EditorState& editor);

// Those of `after` that `before` did not list already (with the same text
// shown): what the last change brought.
QList<FieldDifference> newlyNotStored(const QList<FieldDifference>& before,
                                      const QList<FieldDifference>& after);

// One line per value: "channel 5 RX frequency: 438.5000A → (empty)".
QStringList notStoredLines(const QList<FieldDifference>& values, int languageCode);

enum class WayOut { Write, Save };
// The question before a write or a save, the list beside it.
Message notStoredQuestion(WayOut way, const QList<FieldDifference>& values, int languageCode);
// The warning after a load.
Message notStoredNotice(const QList<FieldDifference>& values, int languageCode);

// The bytes of the blocks a write of `written` sends where the radio's image
// `radio` (0x0010 on, as a read brings it) holds another byte, leaving out
// those of the fields in `listed` (differences already shown by value): the
// bytes the radio holds that no value of the editor stands for, which a write
// changes although every value shown is the same. `read` is the byte the
// radio holds.
QList<ByteMismatch> bytesAWriteChanges(const QByteArray& radio, const QByteArray& written,
                                       bool debugUnlocked,
                                       const QList<FieldDifference>& listed = {});

// What such a byte belongs to, with the value `shown` holds there
// ("Squelch Grade = 4"), or the fixed-data text.
QString shownMeaning(const ByteMismatch& byte, const EditorState& shown, int languageCode);
// One line per such byte: address, what it belongs to, held and sent byte.
QStringList bytesAWriteChangesLines(const QList<ByteMismatch>& bytes, const EditorState& shown,
                                    int languageCode);

} // namespace q716
