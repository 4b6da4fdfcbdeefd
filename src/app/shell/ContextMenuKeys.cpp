#include "shell/ContextMenuKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace q716 {

ContextMenuKeys::ContextMenuKeys(QAbstractItemView* view) : QObject(view), view_(view) {
    view->installEventFilter(this);
}

bool ContextMenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            openAtCurrentCell();
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The Menu key: the window system places it under the mouse pointer.
        openAtCurrentCell();
        return true;
    }
    return false;
}

void ContextMenuKeys::openAtCurrentCell() {
    QModelIndex cell = view_->currentIndex();
    if (!cell.isValid())
        cell = view_->model()->index(0, 0);
    QWidget* viewport = view_->viewport();
    const QPoint at = view_->visualRect(cell).center();
    // A menu opened by a key starts on its first entry, where the keys and a
    // screen reader take it up.
    QTimer::singleShot(0, this, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            for (QAction* action : menu->actions())
                if (action->isEnabled() && !action->isSeparator() && action->isVisible()) {
                    menu->setActiveAction(action);
                    break;
                }
    });
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport->mapToGlobal(at));
    QCoreApplication::sendEvent(viewport, &menu);
}

} // namespace q716
