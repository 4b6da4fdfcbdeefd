// A refused value on a real X desktop: after the message, the dialog it came
// from is active again, with the focus on the refused box, ready to type.
#include "support/AppFixture.h"
#include "support/Desktop.h"

#include "dialogs/DialogSet.h"
#include "dialogs/Form4.h"
#include "dialogs/Form5.h"
#include "shell/LocalMsgBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace q716test;
using namespace q716x11;

class X11RefusedFocus : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;

    void openDialog(QAction* menu, QWidget* dialog) {
        menu->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(dialog, Patience));
        QVERIFY(activateWindow(dialog->winId()));
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isActiveWindow(), Patience);
    }

    // The message box of the refusal is answered with Enter, as a person
    // does, once it is the active window; it runs its own event loop, so the
    // answer comes from a timer. A busy window manager may leave the box
    // inactive; then it is clicked to the front, as a person would.
    QTimer answerer;
    bool answered = false;
    int inactiveTicks = 0;

    void answerTheNextMessage() {
        answered = false;
        inactiveTicks = 0;
        answerer.callOnTimeout(this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!box->isActiveWindow()) {
                if (++inactiveTicks % 20 == 0)
                    activateWindow(box->winId());
                return;
            }
            answerer.stop();
            answered = pressKey(QStringLiteral("Return"));
        });
        answerer.start(50);
    }

    void waitForTheAnswer() {
        QTRY_VERIFY_WITH_TIMEOUT(answered && !QApplication::activeModalWidget(), Patience);
    }

  private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        w = fx->start();
        QVERIFY(QTest::qWaitForWindowExposed(w.get(), Patience));
        QVERIFY(activateWindow(w->winId()));
        QVERIFY(QTest::qWaitForWindowActive(w.get(), Patience));
        q716::setMessageBoxAnswerer({}); // real boxes on the desktop
    }

    void cleanup() {
        answerer.stop();
        answerer.disconnect();
        w.reset();
        fx.reset();
    }

    // Rule: after the refusal of a scan delay (0..300), Optional function is
    // active with the focus on the refused delay.
    void optionalFunctionRefusedDelay() {
        QWidget* form5 = w->dialogs->form5();
        openDialog(w->mnudtmf, form5);
        auto* delay = form5->findChild<QLineEdit*>(QStringLiteral("Text5"));
        delay->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(delay->hasFocus(), Patience);
        QVERIFY(pressKey(QStringLiteral("ctrl+a")));
        QVERIFY(typeText(QStringLiteral("999")));
        QTRY_COMPARE_WITH_TIMEOUT(delay->text(), QStringLiteral("999"), Patience);
        answerTheNextMessage();
        QVERIFY(clickAt(centreOf(form5->findChild<QPushButton*>(QStringLiteral("Command1")))));
        waitForTheAnswer();
        QTRY_VERIFY_WITH_TIMEOUT(form5->isActiveWindow(), Patience);
        QTRY_VERIFY_WITH_TIMEOUT(delay->hasFocus(), Patience);
    }

    // Rule: after the refusal of a test frequency, Debug frequency is active
    // with the refused cell current and the focus in its table.
    void testFrequencyRefusedCell() {
        QWidget* form4 = w->dialogs->form4();
        openDialog(w->mnutestfre, form4);
        auto* table = form4->findChild<QTableWidget*>(QStringLiteral("mfgrid1"));
        const QRect cell = table->visualItemRect(table->item(2, 1));
        QVERIFY(clickAt({table->viewport(), cell.center()}));
        QTRY_VERIFY_WITH_TIMEOUT(table->isPersistentEditorOpen(table->item(2, 1)) ||
                                     qobject_cast<QLineEdit*>(QApplication::focusWidget()),
                                 Patience);
        QVERIFY(typeText(QStringLiteral("50"))); // below 100 MHz
        answerTheNextMessage();
        QVERIFY(pressKey(QStringLiteral("Return")));
        waitForTheAnswer();
        QTRY_VERIFY_WITH_TIMEOUT(form4->isActiveWindow(), Patience);
        QTRY_VERIFY_WITH_TIMEOUT(table->hasFocus(), Patience);
        QCOMPARE(table->currentRow(), 2);
        QCOMPARE(table->currentColumn(), 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    X11RefusedFocus test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11_refused_focus.moc"
