// Screenshots of the main window, its File, Settings and Help menus and the
// about box, in both languages:
// shots_main <output folder>
#include "ShotPlan.h"
#include "support/AppFixture.h"

#include "shell/FrmAbout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTableWidget>

namespace {

bool save(QWidget* widget, const QDir& out, const char* name) {
    QApplication::processEvents();
    return widget->grab().save(out.filePath(QString::fromLatin1(name)));
}

// The menus the other pictures do not show, open as the program draws them.
bool saveMenus(q716::Form1& w, const QDir& out, const char* lang) {
    bool ok = true;
    const std::pair<QMenu*, const char*> menus[] = {
        {w.mnuFile, "file"}, {w.mnuset, "settings"}, {w.mnuhelp, "help"}};
    for (const auto& [menu, name] : menus) {
        menu->popup(w.mapToGlobal(QPoint(40, 40)));
        const QString file =
            QStringLiteral("menu-%1-%2.png").arg(QLatin1String(name), QLatin1String(lang));
        ok = save(menu, out, qPrintable(file)) && ok;
        menu->hide();
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));

    q716test::AppFixture fixture;
    std::unique_ptr<q716::Form1> w = fixture.start();
    q716test::fillShotPlan(*w);
    bool ok = save(w.get(), out, "main-zh.png");
    ok = saveMenus(*w, out, "zh") && ok;
    w->mnuEnglish->trigger();
    ok = save(w.get(), out, "main-en.png") && ok;
    ok = saveMenus(*w, out, "en") && ok;
    w->mnuabout->trigger();
    ok = save(w->frmAbout, out, "about-en.png") && ok;
    w->mnuChinese->trigger();
    ok = save(w->frmAbout, out, "about-zh.png") && ok;
    return ok ? 0 : 1;
}
