#include "shell/PageScrollArea.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

namespace q716 {

PageScrollArea::PageScrollArea(QWidget* page, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("centralScroll"));
    setFrameShape(QFrame::NoFrame);
    // The controls on the page take the focus, not the page.
    setFocusPolicy(Qt::NoFocus);
    setWidget(page);
    // The window manager's frame is known once the window is shown.
    parent->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
}

bool PageScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Show && !event->spontaneous() &&
        !std::exchange(fitted_, true))
        QTimer::singleShot(0, this, [this] { fitWindowToScreen(window()); });
    return QScrollArea::eventFilter(watched, event);
}

QSize PageScrollArea::sizeHint() const {
    return widget()->sizeHint();
}

QSize PageScrollArea::minimumSizeHint() const {
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {4 * bar, 4 * bar};
}

void PageScrollArea::followCurrentCell(QTableWidget* table) {
    connect(table, &QTableWidget::currentCellChanged, this, [this, table](int row, int column) {
        if (row < 0 || column < 0)
            return;
        const QRect cell = table->visualRect(table->model()->index(row, column));
        const QPoint centre = table->viewport()->mapTo(widget(), cell.center());
        ensureVisible(centre.x(), centre.y(), cell.width() / 2 + 8, cell.height() / 2 + 8);
    });
}

void fitWindowToScreen(QWidget* window) {
    // The page's new size reaches the window's layout only later by itself.
    if (QLayout* layout = window->layout())
        layout->invalidate();
    QSize full = window->sizeHint();
    window->setMaximumSize(full);
    const QScreen* screen = window->windowHandle() ? window->windowHandle()->screen()
                                                   : QGuiApplication::primaryScreen();
    if (screen) {
        // The window manager's frame takes its share of the screen too;
        // before the window is shown it is not known, and a title bar and
        // a border are assumed.
        QMargins frame =
            window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
        if (frame.isNull()) {
            const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
            frame =
                QMargins(border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + border,
                         border, border);
        }
        const QSize room = screen->availableGeometry().size() -
                           QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
        full = full.boundedTo(room);
    }
    window->resize(full);
}

} // namespace q716
