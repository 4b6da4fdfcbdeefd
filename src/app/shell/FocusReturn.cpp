#include "shell/FocusReturn.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace q716 {

void FocusReturn::install() {
    static FocusReturn* installed = nullptr;
    if (!installed)
        installed = new FocusReturn(qApp);
}

FocusReturn::FocusReturn(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

void FocusReturn::focusChanged(QWidget* now) {
    if (now && !qobject_cast<QMenuBar*>(now) && !qobject_cast<QMenu*>(now))
        lastControl_ = now;
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || event->spontaneous())
        return false;
    if (event->type() == QEvent::Show) {
        if (lastControl_ && lastControl_->window() != dialog)
            returnTo_.insert(dialog, lastControl_);
    } else if (event->type() == QEvent::Hide) {
        const QPointer<QWidget> control = returnTo_.take(dialog);
        if (control && control->isVisible() && control->isEnabled()) {
            control->window()->activateWindow();
            control->setFocus(Qt::OtherFocusReason);
        }
    }
    return false;
}

} // namespace q716
