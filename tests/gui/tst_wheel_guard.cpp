// The mouse wheel over a list, spin box or slider that does not have the
// focus changes nothing: it goes on to the parents, which may scroll. Checked
// on every such control of every window of the program, with wheel events
// that take the way a real one takes (through the window, spontaneous).
#include "support/AppFixture.h"

#include "channels/DropDownCombo.h"
#include "dialogs/DialogSet.h"
#include "link/FormCOM.h"
#include "link/FormUsePass.h"
#include "shell/FrmAbout.h"
#include "shell/WheelGuard.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace q716test;

namespace {

// One notch down (> 0) or up (< 0) over the middle of `target`.
void turnWheelOver(QWidget* target, int notches) {
    QWidget* window = target->window();
    const QPoint local = target->rect().center();
    QWheelEvent wheel(QPointF(target->mapTo(window, local)), QPointF(target->mapToGlobal(local)),
                      QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    // notify(), unlike sendEvent(), keeps the event spontaneous.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(window->windowHandle(), &wheel);
}

int valueOf(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentIndex();
    if (auto* slider = qobject_cast<QAbstractSlider*>(control))
        return slider->value();
    return -1;
}

// The direction in which the wheel can change the control.
int changingNotch(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentIndex() + 1 < combo->count() ? 1 : -1;
    if (auto* slider = qobject_cast<QAbstractSlider*>(control))
        return slider->value() > slider->minimum() ? 1 : -1;
    return 1;
}

QString nameOf(QWidget* control) {
    return control->window()->objectName() + "." + control->objectName() + "(" +
           control->property("index").toString() + ")";
}

} // namespace

class TestWheelGuard : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;

    QList<QWidget*> windows() const {
        QList<QWidget*> all = {w.get()};
        all += w->dialogs->windowsInCaptionOrder();
        all << w->formCOM << w->formUsePass << w->frmAbout;
        return all;
    }

  private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        fx->writeParameter(QByteArray("\0\0\1", 3));
        w = fx->start();
        // The calibration sliders take part only while unlocked.
        w->state.values.debugUnlocked = true;
        w->state.form2.slidersEnabled = true;
        w->refreshFromState();
    }

    void cleanup() {
        w.reset();
        fx.reset();
    }

    void everyControlWithoutTheFocusIgnoresTheWheel() {
        int checked = 0;
        for (QWidget* window : windows()) {
            QVERIFY(window);
            window->show();
            QApplication::setActiveWindow(window);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!q716::WheelGuard::guards(control) || !control->isVisible() ||
                    !control->isEnabled())
                    continue;
                if (QWidget* focused = QApplication::focusWidget())
                    focused->clearFocus();
                const int before = valueOf(control);
                const qsizetype messages = fx->messages.size();
                turnWheelOver(control, changingNotch(control));
                QVERIFY2(valueOf(control) == before, qPrintable(nameOf(control)));
                QVERIFY2(!control->hasFocus(), qPrintable(nameOf(control)));
                QVERIFY2(fx->messages.size() == messages, qPrintable(nameOf(control)));
                ++checked;
            }
            if (window != w.get())
                window->hide();
        }
        // The main window's eleven lists, the dialogs' lists and sliders.
        QVERIFY2(checked >= 20, qPrintable(QString::number(checked)));
    }

    void aControlWithTheFocusTakesTheWheel() {
        for (QWidget* control :
             {static_cast<QWidget*>(w->Combo3), static_cast<QWidget*>(w->Combo13)}) {
            control->setFocus();
            const int before = valueOf(control);
            turnWheelOver(control, changingNotch(control));
            QVERIFY2(valueOf(control) != before, qPrintable(nameOf(control)));
        }
        QCOMPARE(w->state.form1.combo3, w->Combo3->currentIndex());

        QWidget* form2 = w->dialogs->windowsInCaptionOrder().first();
        form2->show();
        QApplication::setActiveWindow(form2);
        auto* slider = form2->findChild<QAbstractSlider*>("Slider1");
        QVERIFY(slider && slider->isEnabled());
        slider->setFocus();
        const int before = slider->value();
        turnWheelOver(slider, changingNotch(slider));
        QVERIFY(slider->value() != before);
    }

    // The band list under a turning wheel asks nothing and changes nothing.
    void theBandListAsksNothing() {
        w->Grid1->setFocus();
        turnWheelOver(w->Combo1, 1);
        turnWheelOver(w->Combo1, 3);
        QCOMPARE(w->Combo1->currentIndex(), 0);
        QCOMPARE(w->state.form1.combo1, 0);
        QVERIFY(fx->messages.isEmpty());
        QVERIFY(w->Grid1->hasFocus());
    }

    // Ignored by the list, the wheel scrolls what holds it.
    void theWheelScrollsWhatHoldsTheList() {
        QScrollArea area;
        auto* page = new QWidget;
        auto* column = new QVBoxLayout(page);
        auto* list = new QComboBox;
        list->addItems({"a", "b", "c"});
        column->addWidget(list);
        column->addSpacing(2000);
        area.setWidget(page);
        area.resize(200, 200);
        area.show();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        area.setFocus();
        QCOMPARE(area.verticalScrollBar()->value(), 0);
        turnWheelOver(list, 1);
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(area.verticalScrollBar()->value() > 0);
    }
};

QTEST_MAIN(TestWheelGuard)
#include "tst_wheel_guard.moc"
