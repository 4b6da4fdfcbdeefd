#include "dialogs/CommitLimit.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

namespace q716 {

bool limitInputMethodCommit(QLineEdit* edit, QEvent* event, int limit, const CharFilter& filter) {
    if (event->type() != QEvent::InputMethod)
        return false;
    const auto* input = static_cast<const QInputMethodEvent*>(event);
    const QString commit = input->commitString();
    if (commit.isEmpty())
        return false;
    const qsizetype replaced = edit->selectedText().size() + input->replacementLength();
    const QString fitted = fitCommit(commit, edit->text().size(), replaced, limit, filter);
    if (fitted == commit)
        return false;
    // The cut commit meets this filter again and fits.
    QInputMethodEvent cut(input->preeditString(), input->attributes());
    cut.setCommitString(fitted, input->replacementStart(), input->replacementLength());
    QCoreApplication::sendEvent(edit, &cut);
    return true;
}

} // namespace q716
