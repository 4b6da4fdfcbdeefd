#include "dialogs/KeyFilterValidator.h"

namespace q716 {

KeyFilterValidator::KeyFilterValidator(CharFilter filter, QObject* parent)
    : QValidator(parent), filter_(std::move(filter)) {}

QValidator::State KeyFilterValidator::validate(QString& input, int& pos) const {
    QString kept;
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const std::optional<QChar> c = input.at(i).isPrint() ? filter_(input.at(i)) : std::nullopt;
        if (!c || !c->isPrint())
            continue;
        kept.append(*c);
        if (i < pos)
            ++keptBeforeCursor;
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
}

} // namespace q716
