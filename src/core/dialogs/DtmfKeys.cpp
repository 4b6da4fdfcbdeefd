#include "dialogs/DtmfKeys.h"

#include "dialogs/InputCommit.h"

namespace q716 {

std::optional<QChar> filterDtmfKey(QChar typed) {
    const char16_t c = typed.unicode();
    if (c >= u'a' && c <= u'z')
        typed = QChar(c - u'a' + u'A');
    const char16_t u = typed.unicode();
    const bool accepted = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'D') || u == u'*' ||
                          u == u'#' || typed == KeyBackspace || typed == KeyReturn;
    if (!accepted)
        return std::nullopt;
    return typed;
}

std::optional<Message> dtmfMemoryLengthMessage(const QString& text) {
    if (text.size() <= DtmfMemoryLength)
        return std::nullopt;
    return Message{QStringLiteral("存储器只能存储16位！"), MsgCritical, QString()};
}

std::optional<QChar> filterCodeFieldKey(QChar typed, qsizetype length, bool hasSelection,
                                        int maxLength) {
    if (typed == KeyBackspace)
        return typed;
    const std::optional<QChar> key = filterDtmfKey(typed);
    if (!key || *key == KeyReturn)
        return std::nullopt;
    if (length > maxLength - 1 && !hasSelection)
        return std::nullopt;
    return key;
}

} // namespace q716
