#pragma once
// Holds a line edit's text to what its key filter lets through, so that
// pasted or dropped text and input-method commits are filtered as typed keys
// are: refused characters are taken out, the rest is kept.

#include "dialogs/InputCommit.h"

#include <QValidator>

namespace q716 {

class KeyFilterValidator : public QValidator {
    Q_OBJECT
  public:
    KeyFilterValidator(CharFilter filter, QObject* parent);

    State validate(QString& input, int& pos) const override;

  private:
    CharFilter filter_;
};

} // namespace q716
