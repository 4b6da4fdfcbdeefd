#include "dialogs/GridCellDelegate.h"

#include "dialogs/CommitLimit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace q716 {

GridCellDelegate::GridCellDelegate(CanEdit canEdit, KeyFilter keyFilter, QObject* parent,
                                   int commitLimit)
    : QStyledItemDelegate(parent), canEdit_(std::move(canEdit)), keyFilter_(std::move(keyFilter)),
      commitLimit_(commitLimit) {}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    if (canEdit_ && !canEdit_(index.row(), index.column()))
        return nullptr;
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignCenter);
    return editor;
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    QStyledItemDelegate::setModelData(editor, model, index);
    emit edited(index.row(), index.column());
}

// The view installs the delegate as the editor's event filter.
bool GridCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor && commitLimit_ >= 0 &&
        limitInputMethodCommit(editor, event, commitLimit_, keyFilter_))
        return true;
    if (keyFilter_ && editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Keys without a character (arrows, Tab, Escape) keep their usual work.
        const bool character = text.size() == 1 && (text.at(0).isPrint());
        if (character) {
            const std::optional<QChar> accepted = keyFilter_(text.at(0));
            if (!accepted)
                return true;
            if (*accepted != text.at(0)) {
                editor->insert(QString(*accepted));
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace q716
