#include "shell/PageScrollArea.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QWindow>

namespace q716 {

PageScrollArea::PageScrollArea(QWidget* page, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("centralScroll"));
    setFrameShape(QFrame::NoFrame);
    // The controls on the page take the focus, not the page.
    setFocusPolicy(Qt::NoFocus);
    setWidget(page);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
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
    QSize full = window->sizeHint();
    window->setMaximumSize(full);
    const QScreen* screen =
        window->windowHandle() ? window->windowHandle()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        // The window manager's frame takes its share of the screen too.
        const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins()
                                                      : QMargins();
        const QSize room = screen->availableGeometry().size() -
                           QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
        full = full.boundedTo(room);
    }
    window->resize(full);
}

} // namespace q716
