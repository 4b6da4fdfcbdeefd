// The mouse wheel on a real X desktop: a list under the pointer that does
// not have the focus is no target for the wheel.
#include "support/AppFixture.h"
#include "support/Desktop.h"

#include "channels/DropDownCombo.h"
#include <QApplication>

#include <QComboBox>
#include <QTableWidget>
#include <QTest>

using namespace q716test;
using namespace q716x11;

class X11WheelGuard : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;

    // Turns the wheel over `widget` and waits until the program has it.
    void wheelOver(QWidget* widget, int notches) {
        EventCounter wheels({QEvent::Wheel});
        QVERIFY(wheelAt(centreOf(widget), notches));
        QTRY_VERIFY_WITH_TIMEOUT(wheels.count() >= qAbs(notches), Patience);
        QCoreApplication::processEvents();
    }

  private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        fx->writeParameter(QByteArray("\0\0\1", 3));
        w = fx->start();
        QVERIFY(QTest::qWaitForWindowExposed(w.get(), Patience));
        QVERIFY(activateWindow(w->winId()));
        QVERIFY(QTest::qWaitForWindowActive(w.get(), Patience));
        w->Grid1->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(w->Grid1->hasFocus(), Patience);
    }

    void cleanup() {
        w.reset();
        fx.reset();
    }

    void aListWithoutTheFocusIgnoresTheWheel() {
        wheelOver(w->Combo1, 1);
        QCOMPARE(w->Combo1->currentIndex(), 0);
        QVERIFY(fx->messages.isEmpty());
        QCOMPARE(w->state.form1.combo1, 0);

        const int timeOut = w->Combo3->currentIndex();
        wheelOver(w->Combo3, 2);
        QCOMPARE(w->Combo3->currentIndex(), timeOut);
        wheelOver(w->Combo3, -2);
        QCOMPARE(w->Combo3->currentIndex(), timeOut);
        QCOMPARE(w->state.form1.combo3, timeOut);
        QVERIFY(w->Grid1->hasFocus());
    }

    void aListWithTheFocusTakesTheWheel() {
        const int timeOut = w->Combo3->currentIndex();
        w->Combo3->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo3->hasFocus(), Patience);
        wheelOver(w->Combo3, 1);
        QTRY_COMPARE_WITH_TIMEOUT(w->Combo3->currentIndex(), timeOut + 1, Patience);
        QCOMPARE(w->state.form1.combo3, timeOut + 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    X11WheelGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11_wheel_guard.moc"
