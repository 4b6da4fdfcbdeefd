#include "dialogs/EmbeddedDialog.h"

#include "shell/Messages.h"

namespace q716 {

namespace {
bool hasWideCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return true;
    return false;
}
} // namespace

void loadEmbeddedDialog(EditorState& s) {
    s.form7.text1 = s.values.embeddedInfo[0];
    s.form7.text2 = s.values.embeddedInfo[1];
}

void acceptEmbeddedDialog(EditorState& s) {
    s.values.embeddedInfo[0] = s.form7.text1;
    s.values.embeddedInfo[1] = s.form7.text2;
}

bool embeddedKeyAccepted(qsizetype length, bool hasSelection) {
    return hasSelection || length < EmbeddedLineLength;
}

QString embeddedInfoHint(const QString& line1, const QString& line2, int languageCode) {
    if (!hasWideCharacter(line1) && !hasWideCharacter(line2))
        return QString();
    return pickText(languageCode,
                    QStringLiteral("注意：汉字等非单字节字符写入对讲机时将保存为“?”。"),
                    QStringLiteral("Note: characters without a one-byte code (such as Chinese) "
                                   "are stored in the radio as \"?\"."));
}

} // namespace q716
