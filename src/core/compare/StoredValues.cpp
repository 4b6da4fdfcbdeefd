#include "compare/StoredValues.h"

#include "compare/AddressMeaning.h"
#include "compare/CompareTexts.h"
#include "image/ImageLayout.h"
#include "link/Session.h"
#include "link/WritePlan.h"

#include <algorithm>

namespace q716 {

namespace {

// The value as it reaches the radio: texts that read alike in the window and
// build alike count as one.
QString storedForm(const EditorState& s, FieldRef f) {
    QString value = fieldValue(s, f);
    switch (f.kind) {
    case FieldKind::RxTone:
    case FieldKind::TxTone:
        // An empty tone cell and the no-tone item both mean no tone.
        return value.isEmpty() ? QStringLiteral("off") : value;
    case FieldKind::OptionValue:
        // Slot 15 keeps its erased bytes as characters 255 after a load; an
        // empty scan delay box is the 0 it stores.
        if (f.index == 15)
            while (value.endsWith(QChar(0xFF)))
                value.chop(1);
        if ((f.index == 18 || f.index == 19) && value.isEmpty())
            return QStringLiteral("0");
        return value;
    default:
        return value;
    }
}

} // namespace

QList<FieldDifference> valuesNotStored(const EditorState& editor) {
    const int lang = editor.values.languageCode;
    const EditorState stored = stateAsImage(editor);
    QList<FieldDifference> out;
    for (const FieldRef& f : imageFields())
        if (storedForm(editor, f) != storedForm(stored, f))
            out.append({f, fieldText(editor, f, lang), fieldText(stored, f, lang)});
    return out;
}

QList<FieldDifference> newlyNotStored(const QList<FieldDifference>& before,
                                      const QList<FieldDifference>& after) {
    QList<FieldDifference> out;
    for (const FieldDifference& d : after) {
        const bool known = std::any_of(before.begin(), before.end(), [&](const FieldDifference& b) {
            return b.field == d.field && b.left == d.left;
        });
        if (!known)
            out.append(d);
    }
    return out;
}

QStringList notStoredLines(const QList<FieldDifference>& values, int languageCode) {
    QStringList lines;
    for (const FieldDifference& d : values)
        lines << comparetext::notStoredLine(languageCode, fieldLongName(d.field, languageCode),
                                            d.left, d.right);
    return lines;
}

Message notStoredQuestion(WayOut way, const QList<FieldDifference>& values, int languageCode) {
    return comparetext::notStoredQuestion(languageCode, way == WayOut::Save,
                                          notStoredLines(values, languageCode).join('\n'));
}

Message notStoredNotice(const QList<FieldDifference>& values, int languageCode) {
    return comparetext::notStoredNotice(languageCode,
                                        notStoredLines(values, languageCode).join('\n'));
}

QList<ByteMismatch> bytesAWriteChanges(const QByteArray& radio, const QByteArray& written,
                                       bool debugUnlocked, const QList<FieldDifference>& listed) {
    QList<WrittenBlock> blocks;
    for (int a = Session::FirstAddress;; a += Session::WriteBlockSize) {
        a = writeBlockAddress(a, debugUnlocked, false);
        if (a >= Session::WriteEndAddress)
            break;
        blocks.append({a, written.mid(offsetOf(a), Session::WriteBlockSize)});
    }
    QList<ByteMismatch> out;
    for (const ByteMismatch& m : verifyWrittenBlocks(blocks, radio)) {
        const QList<FieldRef> fields = fieldsAt(m.address, m.written ^ qMax(m.read, 0));
        const bool shown =
            !fields.isEmpty() && std::all_of(fields.begin(), fields.end(), [&](FieldRef f) {
                return std::any_of(listed.begin(), listed.end(),
                                   [&](const FieldDifference& d) { return d.field == f; });
            });
        if (!shown)
            out.append(m);
    }
    return out;
}

QString shownMeaning(const ByteMismatch& m, const EditorState& shown, int languageCode) {
    const QList<FieldRef> fields = fieldsAt(m.address, m.written ^ qMax(m.read, 0));
    if (fields.isEmpty())
        return comparetext::fixedData(languageCode);
    QStringList names;
    for (const FieldRef& f : fields)
        names << fieldLongName(f, languageCode) + QStringLiteral(" = ") +
                     fieldText(shown, f, languageCode);
    return names.join(QStringLiteral(" / "));
}

QStringList bytesAWriteChangesLines(const QList<ByteMismatch>& bytes, const EditorState& shown,
                                    int languageCode) {
    QStringList lines;
    for (const ByteMismatch& m : bytes)
        lines << comparetext::unshownByteLine(languageCode, m.address,
                                              shownMeaning(m, shown, languageCode), qMax(m.read, 0),
                                              m.written);
    return lines;
}

} // namespace q716
