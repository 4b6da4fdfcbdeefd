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

} // namespace q716
