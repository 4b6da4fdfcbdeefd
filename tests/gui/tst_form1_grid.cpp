// The channel table edited through its in-place editors, and the band list.
#include "support/AppFixture.h"
#include "support/GridDriver.h"

#include "channels/DropDownCombo.h"

#include <QAction>
#include <QGroupBox>
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
        QCOMPARE(w->Text1->pos(), w->Grid1->viewport()->mapTo(w->centralWidget(), rx.topLeft()));
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
        const QRect r = w->Grid1->visualItemRect(w->Grid1->item(0, 3));
        QTest::mouseClick(w->Grid1->viewport(), Qt::RightButton, {}, r.center());
        QVERIFY(!w->Text1->isVisible());
        QVERIFY(w->Grid1->hasFocus());
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
