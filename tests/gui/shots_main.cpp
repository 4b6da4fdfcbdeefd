// Screenshots of the main window, its File, Settings and Help menus and the
// about box, in both languages:
// shots_main <output folder>
#include "support/AppFixture.h"

#include "channels/CellRules.h"
#include "shell/FrmAbout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTableWidget>

namespace {

void fillChannels(q716::Form1& w) {
    using namespace q716;
    struct Plan {
        const char* rx;
        const char* tx;
        int rxTone;
        int txTone;
        int power;
    };
    const Plan plans[] = {{"435.12500", "435.12500", 13, 13, 1},
                          {"438.50000", "430.90000", 0, 9, 1},
                          {"446.00625", "446.00625", 60, 60, 0},
                          {"462.56250", "467.56250", 0, 0, 1},
                          {"409.75000", "409.75000", 200, 200, 0}};
    int row = 1;
    for (const Plan& p : plans) {
        commitFrequencyAt(w.state.form1, row, 1, QString::fromLatin1(p.rx), 0);
        commitFrequencyAt(w.state.form1, row, 3, QString::fromLatin1(p.tx), 0);
        chooseToneItem(w.state.form1.grid, row, 2, p.rxTone, 0);
        chooseToneItem(w.state.form1.grid, row, 4, p.txTone, 0);
        chooseFlagItem(w.state.form1.grid, row, 5, p.power, 0);
        ++row;
    }
    w.refreshFromState();
}

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
    fillChannels(*w);
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
