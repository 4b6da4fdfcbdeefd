// The channel table's in-place editors on a real X desktop: lists that open
// under a real pointer grab, keys typed while a list holds the keyboard, and
// switching to another program while an editor is open.
#include "support/AppFixture.h"
#include "support/Desktop.h"
#include "support/GridDriver.h"

#include "channels/CellRules.h"
#include "channels/RowSelection.h"
#include "shell/LocalMsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QTimer>

using namespace q716test;
using namespace q716x11;

class X11CellEditors : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;
    QString designStyle;

    // An English window, active, with channels 1 and 2 in use and the
    // pointer away from every window.
    void startWindow() {
        fx = std::make_unique<AppFixture>();
        fx->writeParameter(QByteArray("\0\0\1", 3));
        w = fx->start();
        QVERIFY(QTest::qWaitForWindowExposed(w.get(), Patience));
        QVERIFY(activateWindow(w->winId()));
        QVERIFY(QTest::qWaitForWindowActive(w.get(), Patience));
        for (int row : {1, 2})
            q716::commitFrequencyAt(w->state.form1, row, 1, QStringLiteral("435"), 1);
        w->refreshFromState();
        QVERIFY(parkPointer());
    }

    Spot cellPoint(int row, int col) const {
        return {w->Grid1->viewport(), cellCentre(*w, row, col)};
    }

    Spot itemPoint(QComboBox* combo, int index) const {
        QAbstractItemView* view = combo->view();
        const QRect r = view->visualRect(view->model()->index(index, 0));
        // The middle of the visible list: an item may be laid out wider.
        return {view->viewport(), QPoint(view->viewport()->width() / 2, r.center().y())};
    }

    void setCell(int row, int col, const QString& text) {
        w->state.form1.grid.cells[row][col] = text;
        w->refreshFromState();
    }

    // Makes (row, col) the grid's current cell with the keyboard focus.
    void focusCell(int row, int col) {
        w->Grid1->setCurrentCell(row - 1, col);
        w->Grid1->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(w->Grid1->hasFocus(), Patience);
    }

    // Presses Enter and waits until the program has handled it.
    void enter() {
        EventCounter keys({QEvent::KeyRelease});
        QVERIFY(pressKey(QStringLiteral("Return")));
        QTRY_VERIFY_WITH_TIMEOUT(keys.count() > 0, Patience);
    }

    // Waits until everything the X server sent before now has been handled:
    // a Shift press, harmless everywhere, is the marker.
    void settle() {
        EventCounter keys({QEvent::KeyRelease});
        QVERIFY(pressKey(QStringLiteral("shift")));
        QTRY_VERIFY_WITH_TIMEOUT(keys.count() > 0, Patience);
        QCoreApplication::processEvents();
    }

    // Clicks a cell whose editor is a list: the list must open and stay
    // open once the button is up, and a click on an item must choose it.
    void clickListCellAndChoose(int row, int col, QComboBox* editor, int item,
                                const QString& expected, int holdMs) {
        EventCounter releases({QEvent::MouseButtonRelease});
        QVERIFY(holdMs > 0 ? slowClickAt(cellPoint(row, col), holdMs)
                           : clickAt(cellPoint(row, col)));
        QTRY_VERIFY_WITH_TIMEOUT(releases.count() > 0, Patience);
        QTRY_VERIFY_WITH_TIMEOUT(editor->view()->isVisible(), Patience);
        settle();
        QVERIFY2(editor->view()->isVisible(), "the list closed on the button's release");
        QVERIFY(editor->isVisible());

        QVERIFY(clickAt(itemPoint(editor, item)));
        QTRY_COMPARE_WITH_TIMEOUT(cell(*w, row, col), expected, Patience);
        QTRY_VERIFY_WITH_TIMEOUT(!editor->isVisible(), Patience);
        QVERIFY(parkPointer());
    }

  private slots:
    void initTestCase() { designStyle = QApplication::style()->name(); }

    void init() { startWindow(); }

    void cleanup() {
        // A failed test may leave a list open.
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        w.reset();
        fx.reset();
        QApplication::setStyle(designStyle);
    }

    void aClickedListStaysOpenAndTakesAClick_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("holdMs");
        // Fusion lays a plain list over its box, Windows drops it below; a
        // quick click, and a slow one held past Qt's double-click time.
        for (const char* style : {"Fusion", "Windows"}) {
            for (int hold : {0, 700}) {
                const auto name = [&](const char* column) {
                    return QByteArray(column) + ", " + style + (hold ? ", slow" : "");
                };
                QTest::newRow(name("receive tone")) << style << 1 << 2 << 3 << "71.9" << hold;
                QTest::newRow(name("transmit tone")) << style << 2 << 4 << 2 << "69.3" << hold;
                QTest::newRow(name("power")) << style << 1 << 5 << 0 << "Low" << hold;
                QTest::newRow(name("forbid")) << style << 1 << 6 << 1 << "Carrow" << hold;
                QTest::newRow(name("bandwidth")) << style << 1 << 7 << 0 << "Narrow" << hold;
                QTest::newRow(name("scan")) << style << 2 << 8 << 0 << "No" << hold;
            }
        }
    }

    void aClickedListStaysOpenAndTakesAClick() {
        QFETCH(QString, style);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, item);
        QFETCH(QString, expected);
        QFETCH(int, holdMs);
        if (QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0) {
            // A window built in the style, not one still settling into it.
            cleanup();
            QApplication::setStyle(style);
            QVERIFY(QApplication::style()->name().compare(style, Qt::CaseInsensitive) == 0);
            startWindow();
        }
        QComboBox* editor = col == 2 || col == 4 ? w->Combo8 : w->Combo5(col);
        clickListCellAndChoose(row, col, editor, item, expected, holdMs);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(w->state.form1.grid.index[row][col], item);
        QVERIFY(fx->messages.isEmpty());
    }

    void enterOnAnUntouchedListKeepsTheCell() {
        setCell(1, 2, QStringLiteral("88.5"));
        focusCell(1, 2);
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), Patience);
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(!w->Combo8->isVisible(), Patience);
        // Nothing was chosen: the text stays, and so does the list index.
        QCOMPARE(cell(*w, 1, 2), QStringLiteral("88.5"));
        QCOMPARE(w->state.form1.grid.index[1][2], 0);

        // A tone picked from the list in one row is no default for the next.
        focusCell(1, 4);
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), Patience);
        QVERIFY(pressKey(QStringLiteral("End")));
        enter();
        QTRY_COMPARE_WITH_TIMEOUT(cell(*w, 1, 4), QStringLiteral("D754I"), Patience);
        QTRY_VERIFY_WITH_TIMEOUT(!w->Combo8->isVisible(), Patience);
        focusCell(2, 2);
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), Patience);
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(!w->Combo8->isVisible(), Patience);
        QCOMPARE(cell(*w, 2, 2), QStringLiteral("Off"));
        QCOMPARE(w->state.form1.grid.index[2][2], 0);
    }

    void typingRightAfterTheListOpensReplacesTheText() {
        focusCell(1, 2);
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), Patience);
        QVERIFY(typeText(QStringLiteral("100")));
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(!w->Combo8->isVisible(), Patience);
        QCOMPARE(cell(*w, 1, 2), QStringLiteral("100.0"));

        // The same after a click, and with a code typed in small letters.
        QVERIFY(clickAt(cellPoint(2, 4)));
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->isVisible(), Patience);
        QVERIFY(typeText(QStringLiteral("d23n")));
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(!w->Combo8->isVisible(), Patience);
        QCOMPARE(cell(*w, 2, 4), QStringLiteral("D023N"));
        QVERIFY(fx->messages.isEmpty());
    }

    // A click that leaves a refused frequency brings up the real message box
    // while the button is down; the button comes up under the box. Once the
    // box is answered, the list of the clicked cell opens and stays open.
    void aListOpensAfterARealMessage() {
        q716::setMessageBoxAnswerer({});
        QVERIFY(clickAt(cellPoint(1, 3)));
        QTRY_VERIFY_WITH_TIMEOUT(w->Text1->hasFocus(), Patience);
        QVERIFY(typeText(QStringLiteral("500")));
        QTRY_COMPARE_WITH_TIMEOUT(w->Text1->text(), QStringLiteral("500"), Patience);

        // The box runs its own loop: it is answered from a timer.
        bool answered = false;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (answered || !box || !box->isActiveWindow())
                return;
            answered = true;
            QVERIFY(box->text() == QStringLiteral("Beyond the frequency range"));
            QVERIFY(pressKey(QStringLiteral("Return")));
        });
        answer.start(50);
        QVERIFY(clickAt(cellPoint(1, 6)));
        QTRY_VERIFY_WITH_TIMEOUT(answered && !QApplication::activeModalWidget(), Patience);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo5(6)->view()->isVisible(), Patience);
        settle();
        QVERIFY(w->Combo5(6)->view()->isVisible());
        QCOMPARE(cell(*w, 1, 3), QStringLiteral("435.00000"));
    }

    // F2 opens the current cell's editor; Escape leaves it without writing,
    // and the grid keeps the focus: Shift+Down then selects channels instead
    // of stepping the editor (it turned D023N into D025N).
    void escapeLeavesAnEditorWithoutCommitting_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("keys");
        QTest::newRow("receive frequency") << 1 << "446";
        QTest::newRow("receive tone") << 2 << "Down";
        QTest::newRow("transmit tone, typed") << 4 << "8";
        QTest::newRow("power") << 5 << "Up";
    }

    void escapeLeavesAnEditorWithoutCommitting() {
        QFETCH(int, col);
        QFETCH(QString, keys);
        setCell(1, 2, QStringLiteral("D023N"));
        const QString before = cell(*w, 1, col);
        focusCell(1, col);
        QVERIFY(pressKey(QStringLiteral("F2")));
        QWidget* editor = col == 1   ? static_cast<QWidget*>(w->Text1)
                          : col == 5 ? static_cast<QWidget*>(w->Combo5(5))
                                     : static_cast<QWidget*>(w->Combo8);
        QTRY_VERIFY_WITH_TIMEOUT(editor->isVisible(), Patience);
        settle();
        QVERIFY(keys.at(0).isDigit() ? typeText(keys) : pressKey(keys));
        settle();
        QVERIFY(pressKey(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(!editor->isVisible(), Patience);
        QTRY_VERIFY_WITH_TIMEOUT(w->Grid1->hasFocus(), Patience);
        QVERIFY(pressKey(QStringLiteral("shift+Down")));
        settle();
        QCOMPARE(cell(*w, 1, col), before);
        QCOMPARE(cell(*w, 1, 2), QStringLiteral("D023N"));
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{1, 2}));
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(fx->messages.isEmpty());
    }

    void switchingToAnotherProgramCommitsNothing() {
        OtherProgram other;
        QVERIFY(other.start());
        QVERIFY(activateWindow(w->winId()));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == w.get(), Patience);

        // 500 MHz is outside the band: leaving the editor inside the window
        // says so, leaving the program does not.
        QVERIFY(clickAt(cellPoint(1, 3)));
        QTRY_VERIFY_WITH_TIMEOUT(w->Text1->hasFocus(), Patience);
        QVERIFY(typeText(QStringLiteral("500")));
        QTRY_COMPARE_WITH_TIMEOUT(w->Text1->text(), QStringLiteral("500"), Patience);
        QVERIFY(activateWindow(other.window()));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == nullptr, Patience);
        QCoreApplication::processEvents();
        QVERIFY(fx->messages.isEmpty());
        QVERIFY(w->Text1->isVisible());
        QCOMPARE(cell(*w, 1, 3), QStringLiteral("435.00000"));

        // Back in the program, the editor still holds the typing.
        QVERIFY(activateWindow(w->winId()));
        QTRY_VERIFY_WITH_TIMEOUT(w->Text1->hasFocus(), Patience);
        QCOMPARE(w->Text1->text(), QStringLiteral("500"));
        fx->answerMessages({q716::ResultOk});
        QVERIFY(clickAt(cellPoint(2, 6)));
        QTRY_COMPARE_WITH_TIMEOUT(fx->messages.size(), 1, Patience);
        QCOMPARE(fx->messages[0].text, QStringLiteral("Beyond the frequency range"));
        QCOMPARE(cell(*w, 1, 3), QStringLiteral("435.00000"));

        // The same for the tone editor with its list open.
        QVERIFY(parkPointer());
        focusCell(1, 2);
        enter();
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), Patience);
        QVERIFY(pressKey(QStringLiteral("Down")));
        QVERIFY(activateWindow(other.window()));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == nullptr, Patience);
        QCoreApplication::processEvents();
        QVERIFY(w->Combo8->isVisible());
        QCOMPARE(cell(*w, 1, 2), QStringLiteral("Off"));
        QVERIFY(activateWindow(w->winId()));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == w.get(), Patience);
        QVERIFY(w->Combo8->isVisible());
        QCOMPARE(fx->messages.size(), 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (isOtherWindowMode(argc, argv))
        return runOtherWindow();
    X11CellEditors test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11_cell_editors.moc"
