// The main window on the screen it is given (run with QT_SCALE_FACTOR=2 on
// 1366x768 and 1920x1080, and at scale 1): it fits the screen, and Tab
// reaches every control of the page, scrolled into view; at scale 1 the
// whole page shows without scroll bars, as it was designed.
#include "support/AppFixture.h"
#include "support/Desktop.h"

#include "shell/ClickLabel.h"
#include "shell/PageScrollArea.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

using namespace q716test;
using namespace q716x11;

class X11SmallScreens : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;

    QRect onScreen(const QWidget* widget) const {
        return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
    }

  private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        w = fx->start();
        QVERIFY(QTest::qWaitForWindowExposed(w.get(), Patience));
        QVERIFY(activateWindow(w->winId()));
        QVERIFY(QTest::qWaitForWindowActive(w.get(), Patience));
    }

    void cleanup() {
        w.reset();
        fx.reset();
    }

    void theWindowFitsTheScreen() {
        const QRect screen = w->screen()->availableGeometry();
        QTRY_VERIFY2_WITH_TIMEOUT(screen.contains(w->frameGeometry()),
                                  qPrintable(QStringLiteral("window %1,%2 %3x%4 on %5x%6")
                                                 .arg(w->frameGeometry().x())
                                                 .arg(w->frameGeometry().y())
                                                 .arg(w->frameGeometry().width())
                                                 .arg(w->frameGeometry().height())
                                                 .arg(screen.width())
                                                 .arg(screen.height())),
                                  Patience);
        const bool whole = w->page()->size() == w->pageScroll->viewport()->size();
        if (qgetenv("QT_SCALE_FACTOR").isEmpty()) {
            QVERIFY2(whole, "at scale 1 the page shows whole, without scroll bars");
            QVERIFY(!w->pageScroll->verticalScrollBar()->isVisible());
            QVERIFY(!w->pageScroll->horizontalScrollBar()->isVisible());
        }
    }

    // Rule: every control of the page can be reached with Tab, and is then
    // shown inside the window and on the screen.
    void tabReachesEveryControl() {
        QList<QWidget*> expected;
        for (QWidget* c : w->page()->findChildren<QWidget*>())
            if (c->isVisibleTo(w->page()) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) &&
                c->focusProxy() == nullptr)
                expected << c;
        QVERIFY(expected.contains(static_cast<QWidget*>(w->Check4))); // the last of Function Set
        w->Combo10->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo10->hasFocus(), Patience);
        QList<QWidget*> reached;
        const QRect screen = w->screen()->geometry();
        for (int i = 0; i < expected.size() + 2 && !reached.contains(QApplication::focusWidget());
             ++i) {
            QWidget* now = QApplication::focusWidget();
            reached << now;
            const QRect shown = QRect(w->pageScroll->viewport()->mapToGlobal(QPoint(0, 0)),
                                      w->pageScroll->viewport()->size());
            QTRY_VERIFY2_WITH_TIMEOUT(shown.intersects(onScreen(now)) &&
                                          screen.intersects(onScreen(now)),
                                      qPrintable(now->objectName() + " is out of sight"), Patience);
            QVERIFY(pressKey(QStringLiteral("Tab")));
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget() != now, Patience);
        }
        for (QWidget* c : expected)
            QVERIFY2(reached.contains(c), qPrintable(c->objectName() + " was never reached"));
        // The status line at the bottom can be scrolled to.
        w->pageScroll->ensureWidgetVisible(w->Label2);
        const QRect shown = QRect(w->pageScroll->viewport()->mapToGlobal(QPoint(0, 0)),
                                  w->pageScroll->viewport()->size());
        QVERIFY(shown.intersects(onScreen(w->Label2)));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    X11SmallScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11_small_screens.moc"
