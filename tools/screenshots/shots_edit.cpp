// Screenshots of the Edit menu and of the channel table's context menu over
// three selected channels, in both languages:
// shots_edit <output folder>
#include "ShotPlan.h"
#include "support/AppFixture.h"

#include "channels/RowSelection.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int Margin = 8;

bool saveEditMenu(q716::Form1& w, const QDir& out, const char* lang) {
    w.mnuEdit->popup(w.mapToGlobal(QPoint(40, 40)));
    QApplication::processEvents();
    const QString file = QStringLiteral("menu-edit-%1.png").arg(QLatin1String(lang));
    const bool ok = w.mnuEdit->grab().save(out.filePath(file));
    w.mnuEdit->hide();
    return ok;
}

// The channel table with the context menu where a right-click on a cell of
// the selection opens it: the window and the menu drawn into one picture.
QImage contextMenuOverTable(q716::Form1& w) {
    const int row = w.rowSelection->rows().at(1) - 1;
    const int column = 5;
    QWidget* viewport = w.Grid1->viewport();
    const QPoint at = w.Grid1->visualRect(w.Grid1->model()->index(row, column)).center();
    QImage picture;
    // The menu runs its own event loop: the picture is taken inside it.
    QTimer::singleShot(0, &w, [&] {
        QMenu* menu = w.gridMenu;
        const QPixmap window = w.grab();
        const QRect menuRect(w.mapFromGlobal(menu->pos()), menu->size());
        const QRect table(w.Grid1->mapTo(&w, QPoint(0, 0)), w.Grid1->size());
        const QRect area = (table | menuRect).adjusted(-Margin, -Margin, Margin, Margin);
        picture = QImage(area.size(), QImage::Format_RGB32);
        picture.fill(w.palette().window().color());
        QPainter painter(&picture);
        painter.drawPixmap(-area.topLeft(), window);
        painter.drawPixmap(menuRect.topLeft() - area.topLeft(), menu->grab());
        painter.end();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    return picture;
}

bool saveContextMenu(q716::Form1& w, const QDir& out, const char* lang) {
    const QImage picture = contextMenuOverTable(w);
    const QString file = QStringLiteral("edit-context-%1.png").arg(QLatin1String(lang));
    return !picture.isNull() && picture.save(out.filePath(file));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));

    q716test::AppFixture fixture;
    std::unique_ptr<q716::Form1> w = fixture.start();
    q716test::fillShotPlan(*w);
    // One step to undo: channel 5 moved up a place.
    w->rowSelection->select(5);
    w->mnuMoveUp->trigger();
    // Channels 2 to 4 selected through the heading column and copied, the
    // current cell in the Power column.
    w->Grid1->setCurrentCell(1, 5);
    w->rowSelection->select(2);
    w->rowSelection->extendTo(4);
    w->mnuCopy->trigger();

    bool ok = saveEditMenu(*w, out, "zh");
    ok = saveContextMenu(*w, out, "zh") && ok;
    w->mnuEnglish->trigger();
    ok = saveEditMenu(*w, out, "en") && ok;
    ok = saveContextMenu(*w, out, "en") && ok;
    return ok ? 0 : 1;
}
