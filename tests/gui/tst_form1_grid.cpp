// The channel table edited through its in-place editors, and the band list.
#include "support/AppFixture.h"
#include "support/GridDriver.h"

#include "channels/DropDownCombo.h"
#include "shell/LocalMsgBox.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QTest>

using namespace q716test;

class TestGrid : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;

    void startIn(int language) {
        fx.reset(); // the previous fixture's answerers go first
        w.reset();
        fx = std::make_unique<AppFixture>();
        fx->writeParameter(QByteArray("\0\0", 2) + char(language));
        w = fx->start();
    }

  private slots:
    void cleanup() {
        w.reset();
        fx.reset();
    }

    void newRowGetsEveryDefault() {
        startIn(1);
        typeIntoCell(*w, 3, 1, "435.1");
        const QStringList expected = {"435.10000", "Off", "435.10000", "Off",
                                      "Hight",     "Off", "Wide",      "Have"};
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(cell(*w, 3, c), expected[c - 1]);
        QVERIFY(!w->Text1->isVisible());
        QCOMPARE(w->state.form1.grid.index[3][5], 1);
        QCOMPARE(w->state.form1.grid.index[3][7], 1);
        QCOMPARE(w->state.form1.grid.index[3][8], 1);
        QVERIFY(fx->messages.isEmpty());
    }

    void clickInUnusedRowOpensTheReceiveEditor() {
        startIn(0);
        clickCell(*w, 5, 6);
        QVERIFY(w->Text1->isVisible());
        QCOMPARE(w->EditRow, 5);
        QCOMPARE(w->EditCol, 1);
        const QRect rx = w->Grid1->visualItemRect(w->Grid1->item(4, 1));
        QCOMPARE(w->Text1->size(), rx.size());
        QCOMPARE(w->Text1->pos(), w->Grid1->viewport()->mapTo(w->page(), rx.topLeft()));
        // Letters never reach the frequency editor.
        QTest::keyClicks(w->Text1, "4a3b5");
        QCOMPARE(w->Text1->text(), QString("435"));
    }

    void enterOnTheGridOpensTheEditorOfTheCurrentCell() {
        startIn(1);
        typeIntoCell(*w, 2, 1, "440");
        w->Grid1->setCurrentCell(1, 3);
        w->Grid1->setFocus();
        QTest::keyClick(w->Grid1, Qt::Key_Return);
        QVERIFY(w->Text1->isVisible());
        QCOMPARE(w->EditRow, 2);
        QCOMPARE(w->EditCol, 3);
        QCOMPARE(w->Text1->text(), QString("440.00000"));
        w->Text1->clear();
        QTest::keyClicks(w->Text1, "445.0123");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(cell(*w, 2, 3), QString("445.01000"));
        QCOMPARE(cell(*w, 2, 1), QString("440.00000"));
    }

    void rightButtonOnlyFocusesTheGrid() {
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        w->Grid1->setCurrentCell(4, 6);
        w->Text2->setFocus();
        QVERIFY(!w->Grid1->hasFocus());
        const QRect r = w->Grid1->visualItemRect(w->Grid1->item(0, 3));
        QTest::mouseClick(w->Grid1->viewport(), Qt::RightButton, {}, r.center());
        QVERIFY(w->Grid1->hasFocus());
        // Nothing else: the current cell and the selection stay, no editor.
        QCOMPARE(w->Grid1->currentRow(), 4);
        QCOMPARE(w->Grid1->currentColumn(), 6);
        QCOMPARE(w->Grid1->selectedItems(), QList<QTableWidgetItem*>{w->Grid1->item(4, 6)});
        QVERIFY(!w->Text1->isVisible());
        QVERIFY(!w->GridClickArmed);
        // The next Enter opens the editor of the cell that was current.
        QTest::keyClick(w->Grid1, Qt::Key_Return);
        QVERIFY(w->Text1->isVisible());
        QCOMPARE(w->EditRow, 5);
        QCOMPARE(w->EditCol, 1);
    }

    void bandEdges() {
        startIn(0);
        typeIntoCell(*w, 1, 1, "400");
        QCOMPARE(cell(*w, 1, 1), QString("400.00000"));
        typeIntoCell(*w, 2, 1, "479.99999");
        QCOMPARE(cell(*w, 2, 1), QString("479.99500"));
        QCOMPARE(cell(*w, 2, 3), QString("479.99500"));
        QVERIFY(fx->messages.isEmpty());

        fx->answerMessages({q716::ResultOk});
        typeIntoCell(*w, 1, 1, "480");
        QCOMPARE(fx->messages.size(), 1);
        QCOMPARE(fx->messages[0].text, QString("超出频段范围"));
        QCOMPARE(fx->messages[0].title, QString("Q716A"));
        QCOMPARE(fx->messages[0].buttons, QStringList{"确定"});
        QVERIFY(!fx->messages[0].hasIcon);
        QCOMPARE(cell(*w, 1, 1), QString("400.00000"));
        QVERIFY(!w->Text1->isVisible());
        QVERIFY(w->Grid1->hasFocus());
    }

    void toneInputs() {
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        typeIntoCell(*w, 1, 2, "d23n");
        QCOMPARE(cell(*w, 1, 2), QString("D023N"));
        typeIntoCell(*w, 1, 4, "D1000I");
        QCOMPARE(cell(*w, 1, 4), QString("D777I"));
        typeIntoCell(*w, 1, 2, "100");
        QCOMPARE(cell(*w, 1, 2), QString("100.0"));
        typeIntoCell(*w, 1, 2, "300");
        QCOMPARE(cell(*w, 1, 2), QString("100.0"));
        typeIntoCell(*w, 1, 4, "50");
        QCOMPARE(cell(*w, 1, 4), QString("D777I"));
        QVERIFY(!w->Combo8->isVisible());
        QCOMPARE(w->state.form1.grid.index[1][2], 0);
    }

    void toneChosenFromTheList() {
        startIn(0);
        typeIntoCell(*w, 2, 1, "435");
        clickCell(*w, 2, 4);
        QVERIFY(w->Combo8->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 2000);
        chooseListItem(w->Combo8, 260);
        QCOMPARE(cell(*w, 2, 4), QString("D754I"));
        QCOMPARE(w->state.form1.grid.index[2][4], 260);
        QVERIFY(!w->Combo8->isVisible());
    }

    void flagChosenFromTheList() {
        startIn(1);
        typeIntoCell(*w, 4, 1, "440");
        clickCell(*w, 4, 5);
        QComboBox* power = w->Combo5(5);
        QVERIFY(power->isVisible());
        QCOMPARE(power->currentIndex(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(power->view()->isVisible(), 2000);
        chooseListItem(power, 0);
        QCOMPARE(cell(*w, 4, 5), QString("Low"));
        QCOMPARE(w->state.form1.grid.index[4][5], 0);
        QVERIFY(!power->isVisible());
    }

    void clearingReceiveRemovesTheChannelButTransmitStays() {
        startIn(0);
        typeIntoCell(*w, 1, 1, "435");
        typeIntoCell(*w, 1, 3, "");
        QCOMPARE(cell(*w, 1, 3), QString("435.00000"));
        typeIntoCell(*w, 1, 1, "");
        for (int c = 1; c <= 8; ++c)
            QVERIFY(cell(*w, 1, c).isEmpty());
        QCOMPARE(cell(*w, 1, 0), QString("01"));
        QCOMPARE(w->state.form1.grid.index[1][5], 0);
    }

    void bandChangeAnsweredBothWays() {
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        typeIntoCell(*w, 2, 1, "440");

        // Cancel: the new band shows and applies, the channels stay.
        fx->answerMessages({q716::ResultCancel});
        QTest::mouseClick(w->Combo1, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo1->view()->isVisible(), 2000);
        chooseListItem(w->Combo1, 5);
        QCOMPARE(fx->messages.size(), 1);
        QCOMPARE(fx->messages[0].text, QString("Change frequency channel list will remove, sure?"));
        QCOMPARE(fx->messages[0].title, QString("Attention!"));
        QCOMPARE(fx->messages[0].defaultButton, QString("Cancel"));
        QCOMPARE(w->Combo1->currentText(), QString("136-174MHz"));
        QCOMPARE(cell(*w, 1, 1), QString("435.00000"));
        fx->answerMessages({q716::ResultOk});
        typeIntoCell(*w, 3, 1, "435");
        QCOMPARE(fx->messages.size(), 2);
        QCOMPARE(fx->messages[1].text, QString("Beyond the frequency range"));
        typeIntoCell(*w, 3, 1, "150");
        QCOMPARE(cell(*w, 3, 1), QString("150.00000"));

        // OK: every row is emptied.
        fx->answerMessages({q716::ResultOk});
        QTest::mouseClick(w->Combo1, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo1->view()->isVisible(), 2000);
        chooseListItem(w->Combo1, 2);
        QCOMPARE(fx->messages.size(), 3);
        QCOMPARE(w->Combo1->currentText(), QString("400-430MHz"));
        for (int r = 1; r <= 16; ++r)
            QVERIFY(cell(*w, r, 1).isEmpty());

        // The same band again asks nothing.
        QTest::mouseClick(w->Combo1, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo1->view()->isVisible(), 2000);
        chooseListItem(w->Combo1, 2);
        QCOMPARE(fx->messages.size(), 3);
        QCOMPARE(fx->unscriptedMessages, 0);
    }

    // The commit sees exactly the typed text: Qt's completion from the list
    // must not turn a prefix into an entry.
    void typedTonesAreTakenAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("88 is no 88.5") << "88"
                                       << "88.0";
        QTest::newRow("25 is no 250.3") << "25"
                                        << "Off";
        QTest::newRow("15 is no 151.4") << "15"
                                        << "Off";
        QTest::newRow("D12 is no D122N") << "D12"
                                         << "Off";
        QTest::newRow("D7 is no D703N") << "D7"
                                        << "Off";
        QTest::newRow("d7 is no D703N") << "d7"
                                        << "Off";
        QTest::newRow("D02 is no D023N") << "D02"
                                         << "Off";
        QTest::newRow("small letters") << "d23n"
                                       << "D023N";
        QTest::newRow("one decimal") << "100"
                                     << "100.0";
        QTest::newRow("rounded") << "88.46"
                                 << "88.5";
        QTest::newRow("lowest") << "67"
                                << "67.0";
        QTest::newRow("highest") << "254.1"
                                 << "254.1";
        QTest::newRow("above") << "254.2"
                               << "Off";
        QTest::newRow("clamped code") << "D1000I"
                                      << "D777I";
    }

    void typedTonesAreTakenAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        // Typed into an emptied field: the list closed, every character
        // erased by hand.
        clickCell(*w, 1, 2);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        w->Combo8->hidePopup(); // as a click into the field closes it
        typeKey(Qt::Key_End);
        for (int i = 0; i < 5; ++i)
            typeKey(Qt::Key_Backspace);
        QCOMPARE(w->Combo8->currentText(), QString());
        typeKeys(typed);
        QCOMPARE(w->Combo8->currentText(), typed.toUpper());
        typeKey(Qt::Key_Return);
        QCOMPARE(cell(*w, 1, 2), stored);
        QCOMPARE(w->state.form1.grid.index[1][2], 0);
        QVERIFY(!w->Combo8->isVisible());

        // The same typed straight into the list that opens.
        typeIntoCell(*w, 2, 1, "436");
        typeIntoCell(*w, 2, 2, typed);
        QCOMPARE(cell(*w, 2, 2), stored);
    }

    void toneListOpensOnTheCellsOwnEntry() {
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        typeIntoCell(*w, 2, 1, "436");
        const auto openedOn = [this](int row, int col) {
            clickCell(*w, row, col);
            [&] { QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000); }();
            const QModelIndex current = w->Combo8->view()->currentIndex();
            const int entry = current.isValid() ? current.row() : -1;
            w->Combo8->hidePopup();
            w->Grid1->setFocus();
            return entry;
        };
        QCOMPARE(openedOn(1, 2), 0);
        typeIntoCell(*w, 1, 2, "88.5");
        QCOMPARE(openedOn(1, 2), 9);
        typeIntoCell(*w, 1, 2, "88");
        QCOMPARE(openedOn(1, 2), -1);

        // A pick in one row is no default for another.
        clickCell(*w, 1, 4);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        chooseListItem(w->Combo8, 260);
        QCOMPARE(cell(*w, 1, 4), QString("D754I"));
        QCOMPARE(openedOn(2, 2), 0);
        QCOMPARE(openedOn(1, 2), -1);
        QCOMPARE(openedOn(1, 4), 260);
    }

    void enterOnAnUntouchedListKeepsTheCell_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("an entry") << "88.5"
                                  << "88.5";
        QTest::newRow("no entry") << "88"
                                  << "88.0";
        QTest::newRow("no tone") << ""
                                 << "Off";
    }

    // Enter opens the list; a second Enter, with nothing moved, is no choice.
    void enterOnAnUntouchedListKeepsTheCell() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        typeIntoCell(*w, 2, 1, "436");
        // A pick elsewhere first: its entry must not come back.
        clickCell(*w, 2, 4);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        chooseListItem(w->Combo8, 260);
        if (!typed.isEmpty())
            typeIntoCell(*w, 1, 2, typed);
        QCOMPARE(cell(*w, 1, 2), kept);

        w->Grid1->setCurrentCell(0, 2);
        w->Grid1->setFocus();
        QTest::keyClick(w->Grid1, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        typeKey(Qt::Key_Return);
        QVERIFY(!w->Combo8->isVisible());
        QCOMPARE(cell(*w, 1, 2), kept);
        QCOMPARE(w->state.form1.grid.index[1][2], 0);
        QVERIFY(w->Grid1->hasFocus());

        // Moving in the list makes Enter a choice.
        QTest::keyClick(w->Grid1, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        typeKey(Qt::Key_Home);
        typeKey(Qt::Key_Down);
        typeKey(Qt::Key_Return);
        QCOMPARE(cell(*w, 1, 2), QString("67.0"));
        QCOMPARE(w->state.form1.grid.index[1][2], 1);
    }

    // The first character typed after the list opens replaces the cell's
    // text, as in the frequency editor; a placed cursor adds to it.
    void typingRightAfterTheListOpensReplacesTheText() {
        startIn(0);
        typeIntoCell(*w, 1, 1, "435");
        clickCell(*w, 1, 2);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        QCOMPARE(w->Combo8->currentText(), QString("关闭"));
        typeKeys("100");
        QCOMPARE(w->Combo8->currentText(), QString("100"));
        typeKey(Qt::Key_Return);
        QCOMPARE(cell(*w, 1, 2), QString("100.0"));

        // Opened with Enter, a code in small letters.
        w->Grid1->setCurrentCell(0, 4);
        QTest::keyClick(w->Grid1, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        typeKeys("d23n");
        typeKey(Qt::Key_Return);
        QCOMPARE(cell(*w, 1, 4), QString("D023N"));

        // Backspace first empties the field, like a selected text.
        clickCell(*w, 1, 4);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        w->Combo8->hidePopup(); // as a click into the field closes it
        QVERIFY(w->Combo8->hasFocus());
        typeKey(Qt::Key_Backspace);
        QCOMPARE(w->Combo8->currentText(), QString());
        typeKey(Qt::Key_Return);
        QCOMPARE(cell(*w, 1, 4), QString("D023N"));

        // Home puts the cursor before the text: typing adds to it.
        clickCell(*w, 1, 2);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        w->Combo8->hidePopup(); // as a click into the field closes it
        typeKey(Qt::Key_Home);
        typeKeys("1");
        QCOMPARE(w->Combo8->currentText(), QString("1100.0"));
        typeKey(Qt::Key_Return);
        QCOMPARE(cell(*w, 1, 2), QString("100.0"));
        QVERIFY(fx->messages.isEmpty());
    }

    // A list opened by a press opens once the button is up: the release of
    // the press that opened it must not close it. Driven through the window
    // so that the release takes the way a real one takes to an open list.
    void aClickedListStaysOpen_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("tone") << 2 << 3 << "71.9";
        QTest::newRow("power") << 5 << 0 << "Low";
        QTest::newRow("forbid") << 6 << 1 << "Carrow";
        QTest::newRow("bandwidth") << 7 << 0 << "Narrow";
        QTest::newRow("scan") << 8 << 0 << "No";
    }

    void aClickedListStaysOpen() {
        QFETCH(int, col);
        QFETCH(int, item);
        QFETCH(QString, chosen);
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        QComboBox* editor = col == 2 ? w->Combo8 : w->Combo5(col);
        QWindow* window = w->windowHandle();
        const QPoint at = w->Grid1->viewport()->mapTo(w.get(), cellCentre(*w, 1, col));
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QVERIFY(editor->isVisible());
        QVERIFY(!editor->view()->isVisible());
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        QTRY_VERIFY_WITH_TIMEOUT(editor->view()->isVisible(), 5000);
        QCoreApplication::processEvents();
        QVERIFY(editor->view()->isVisible());

        // A click on an item chooses it.
        QAbstractItemView* view = editor->view();
        const QRect r = view->visualRect(view->model()->index(item, 0));
        const QPoint onItem(view->viewport()->width() / 2, r.center().y());
        QWindow* popup = view->window()->windowHandle();
        QVERIFY(popup);
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          view->viewport()->mapTo(view->window(), onItem));
        QTRY_COMPARE_WITH_TIMEOUT(cell(*w, 1, col), chosen, 5000);
        QCOMPARE(w->state.form1.grid.index[1][col], item);
        QVERIFY(!editor->isVisible());
    }

    // The press that leaves a refused frequency shows the message before the
    // list opens: the list waits for the button only if it is still down.
    void aListOpenedAfterAMessage_data() {
        QTest::addColumn<bool>("releasedDuringTheMessage");
        QTest::newRow("released after the message") << false;
        QTest::newRow("released during the message") << true;
    }

    void aListOpenedAfterAMessage() {
        QFETCH(bool, releasedDuringTheMessage);
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        clickCell(*w, 1, 3);
        typeKeys("500");
        QWindow* window = w->windowHandle();
        const QPoint at = w->Grid1->viewport()->mapTo(w.get(), cellCentre(*w, 1, 6));
        // The user lets go of the button while the box is up, or later.
        auto shown = std::make_shared<int>(0);
        q716::setMessageBoxAnswerer([=](QMessageBox&) {
            if (++*shown == 1 && releasedDuringTheMessage)
                QTest::mouseRelease(window, Qt::LeftButton, {}, at);
            return int(q716::ResultOk);
        });
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QCOMPARE(*shown, 1);
        QVERIFY(w->Combo5(6)->isVisible());
        if (!releasedDuringTheMessage) {
            QVERIFY(!w->Combo5(6)->view()->isVisible());
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        }
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo5(6)->view()->isVisible(), 5000);
    }

    void channelColumnIsAFixedHeading() {
        startIn(1);
        typeIntoCell(*w, 2, 1, "435");
        for (int r = 0; r < 16; ++r)
            QVERIFY(!(w->Grid1->item(r, 0)->flags() & Qt::ItemIsSelectable));
        w->Grid1->setCurrentCell(1, 1);
        w->Grid1->setFocus();

        // A click on it changes nothing and opens nothing.
        QTest::mouseClick(w->Grid1->viewport(), Qt::LeftButton, {}, cellCentre(*w, 2, 0));
        QCOMPARE(w->Grid1->currentRow(), 1);
        QCOMPARE(w->Grid1->currentColumn(), 1);
        QVERIFY(!w->Text1->isVisible());
        // The keyboard does not reach it either.
        QTest::keyClick(w->Grid1, Qt::Key_Left);
        QCOMPARE(w->Grid1->currentColumn(), 1);
        QTest::keyClick(w->Grid1, Qt::Key_Home);
        QCOMPARE(w->Grid1->currentColumn(), 1);

        // Painted as the heading row is, in a shaded row and a plain one.
        const QImage shot = w->Grid1->grab().toImage();
        const auto pixel = [&](QPoint inGrid) { return shot.pixelColor(inGrid); };
        QHeaderView* header = w->Grid1->horizontalHeader();
        const QPoint headingAt = header->mapTo(w->Grid1, QPoint(4, header->height() / 2));
        for (int row : {1, 2}) {
            const QRect c = w->Grid1->visualItemRect(w->Grid1->item(row - 1, 0));
            const QPoint cellAt =
                w->Grid1->viewport()->mapTo(w->Grid1, QPoint(c.left() + 4, c.center().y()));
            const QColor heading = pixel(headingAt), number = pixel(cellAt);
            QVERIFY2(qAbs(heading.red() - number.red()) <= 4 &&
                         qAbs(heading.green() - number.green()) <= 4 &&
                         qAbs(heading.blue() - number.blue()) <= 4,
                     qPrintable(QString("row %1: heading %2, number cell %3")
                                    .arg(row)
                                    .arg(heading.name(), number.name())));
        }
        QCOMPARE(cell(*w, 2, 0), QString("02"));
    }

    // Another program's window taking over is no leaving of the editor; a
    // window of this program is.
    void switchingToAnotherProgramCommitsNothing() {
        startIn(1);
        typeIntoCell(*w, 1, 1, "435");
        clickCell(*w, 1, 3);
        typeKeys("500");
        QApplication::setActiveWindow(nullptr);
        QVERIFY(fx->messages.isEmpty());
        QVERIFY(w->Text1->isVisible());
        QCOMPARE(cell(*w, 1, 3), QString("435.00000"));

        QApplication::setActiveWindow(w.get());
        QVERIFY(w->Text1->hasFocus());
        QCOMPARE(w->Text1->text(), QString("500"));
        fx->answerMessages({q716::ResultOk});
        clickCell(*w, 1, 5);
        QCOMPARE(fx->messages.size(), 1);
        QCOMPARE(fx->messages[0].text, QString("Beyond the frequency range"));
        QCOMPARE(cell(*w, 1, 3), QString("435.00000"));

        // The tone editor keeps its text the same way.
        clickCell(*w, 1, 4);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo8->view()->isVisible(), 5000);
        typeKeys("77");
        QApplication::setActiveWindow(nullptr);
        QVERIFY(w->Combo8->isVisible());
        QCOMPARE(cell(*w, 1, 4), QString("Off"));
        QApplication::setActiveWindow(w.get());
        QCOMPARE(w->Combo8->currentText(), QString("77"));
        typeKey(Qt::Key_Return);
        QCOMPARE(cell(*w, 1, 4), QString("77.0"));

        // A list editor too.
        clickCell(*w, 1, 6);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo5(6)->view()->isVisible(), 5000);
        w->Combo5(6)->hidePopup();
        QApplication::setActiveWindow(nullptr);
        QVERIFY(w->Combo5(6)->isVisible());
        QApplication::setActiveWindow(w.get());
        QVERIFY(w->Combo5(6)->hasFocus());

        // A dialog of this program coming up leaves the editor as before.
        QApplication::setActiveWindow(w.get());
        clickCell(*w, 2, 1);
        typeKeys("500");
        fx->answerMessages({q716::ResultOk});
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QCOMPARE(fx->messages.size(), 2);
        QCOMPARE(fx->messages[1].text, QString("Beyond the frequency range"));
        QVERIFY(!w->Text1->isVisible());
    }

    void passwordBoxFiltersAndTrims() {
        startIn(0);
        w->Text2->setFocus();
        QTest::keyClicks(w->Text2, "ab#1 2.");
        QCOMPARE(w->Text2->text(), QString("ab12."));
        QCOMPARE(w->state.values.commPassword, QString("ab12."));
        QCOMPARE(w->Text2->echoMode(), QLineEdit::Password);
    }

    void lockFreezesTheEditingAreas() {
        startIn(0);
        w->mnulock->trigger();
        QVERIFY(w->mnulock->isChecked());
        QVERIFY(!w->Grid1->isEnabled());
        QVERIFY(!w->Frame1->isEnabled());
        QVERIFY(!w->Frame2->isEnabled());
        clickCell(*w, 1, 1);
        QVERIFY(!w->Text1->isVisible());
        w->mnulock->trigger();
        QVERIFY(w->Grid1->isEnabled() && w->Frame1->isEnabled() && w->Frame2->isEnabled());
    }
};

QTEST_MAIN(TestGrid)
#include "tst_form1_grid.moc"
