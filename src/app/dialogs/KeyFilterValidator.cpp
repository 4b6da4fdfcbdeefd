#include "dialogs/KeyFilterValidator.h"

namespace q716 {

KeyFilterValidator::KeyFilterValidator(CharFilter filter, int maxLength, QObject* parent)
    : QValidator(parent), filter_(std::move(filter)), maxLength_(maxLength) {}

QValidator::State KeyFilterValidator::validate(QString& input, int& pos) const {
    pos = filterThenCut(input, pos, filter_, maxLength_);
    return Acceptable;
}

} // namespace q716
