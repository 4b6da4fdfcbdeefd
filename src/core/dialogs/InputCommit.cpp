#include "dialogs/InputCommit.h"

namespace q716 {

QString fitCommit(const QString& commit, qsizetype length, qsizetype replaced, int limit,
                  const CharFilter& filter) {
    const qsizetype room = qMax<qsizetype>(0, limit - (length - qMin(replaced, length)));
    QString fitted;
    for (const QChar c : commit) {
        if (fitted.size() == room)
            break;
        if (!c.isPrint())
            continue;
        if (!filter) {
            fitted.append(c);
        } else if (const std::optional<QChar> kept = filter(c); kept && kept->isPrint()) {
            fitted.append(*kept);
        }
    }
    return fitted;
}

int filterThenCut(QString& text, int cursor, const CharFilter& filter, int limit) {
    QString kept;
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<QChar> c = text.at(i).isPrint() ? filter(text.at(i)) : std::nullopt;
        if (!c || !c->isPrint())
            continue;
        kept.append(*c);
        if (i < cursor)
            ++keptBeforeCursor;
    }
    const qsizetype excess = limit > 0 ? kept.size() - limit : 0;
    if (excess > 0) {
        const qsizetype from = qMax<qsizetype>(0, keptBeforeCursor - excess);
        kept.remove(from, excess);
        keptBeforeCursor = int(from);
    }
    text = kept;
    return keptBeforeCursor;
}

} // namespace q716
