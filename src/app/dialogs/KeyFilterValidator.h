#pragma once
// Holds a line edit's text to what its key filter lets through, so that
// pasted or dropped text and input-method commits are filtered as typed keys
// are: refused characters are taken out, the rest is kept, up to the field's
// length. The line edit's own maximum length must stay unset: it would cut
// before the filter.

#include "dialogs/InputCommit.h"

#include <QValidator>

namespace q716 {

class KeyFilterValidator : public QValidator {
    Q_OBJECT
  public:
    // `maxLength` 0: no limit.
    KeyFilterValidator(CharFilter filter, int maxLength, QObject* parent);

    State validate(QString& input, int& pos) const override;

  private:
    CharFilter filter_;
    int maxLength_;
};

} // namespace q716
