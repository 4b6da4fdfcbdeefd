#include "shell/WheelGuard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWidget>

namespace q716 {

void WheelGuard::install(QCoreApplication& app) {
    if (app.findChild<WheelGuard*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app.installEventFilter(new WheelGuard(&app));
}

bool WheelGuard::guards(const QWidget* widget) {
    // A scroll bar scrolls; the wheel over it means exactly that.
    return qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           (qobject_cast<const QAbstractSlider*>(widget) &&
            !qobject_cast<const QScrollBar*>(widget));
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Polish:
        // Qt gives the focus to a list under a turning wheel before the list
        // sees the wheel; without that the focus test below decides.
        if (guards(widget) && (widget->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        return false;
    case QEvent::Wheel:
        if (!guards(widget) || widget->hasFocus())
            return false;
        // Ignored and not delivered: Qt passes it on to the parents.
        event->ignore();
        return true;
    default:
        return false;
    }
}

} // namespace q716
