#include "SimWindow.h"

#include "link/SessionController.h"

#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace q716::e2e {

void SimWindow::openFixture() {
    app = std::make_unique<q716test::AppFixture>();
}

void SimWindow::closeAll() {
    w.reset();
    sim.reset();
    app.reset();
    qunsetenv("Q716_PORTS");
}

void SimWindow::start(const QString& name, const QByteArray& radio, const QStringList& simArgs,
                      const QStringList& windowArgs, bool chinese) {
    if (!radio.isEmpty())
        QVERIFY(writeMemoryFile(path(name + ".mem"), radio));
    sim = std::make_unique<SimRadio>(path(name + ".mem"), path(name + ".log"), simArgs);
    QVERIFY2(sim->start(), qPrintable(sim->errorText()));
    qputenv("Q716_PORTS", sim->devicePath().toLocal8Bit());
    app->writeParameter(QByteArray(chinese ? "\x00\x01\x00" : "\x00\x01\x01", 3));
    w = app->start(windowArgs);
    QVERIFY(w->link->comm().isOpen());
}

void SimWindow::clickToolbar(const char* key) {
    QWidget* button = w->Toolbar1->widgetForAction(w->toolbarButton(QLatin1String(key)));
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void SimWindow::waitUntilIdle() {
    QTRY_VERIFY_WITH_TIMEOUT(w->Toolbar1->isEnabled() && w->mnupro->isEnabled() &&
                                 !w->link->Timer1->isActive() && !w->link->Timer2->isActive(),
                             Timeout);
}

} // namespace q716::e2e
