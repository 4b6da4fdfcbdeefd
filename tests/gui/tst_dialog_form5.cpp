// Form5, the optional functions, driven through its real widgets.
#include "dialogs/DialogSet.h"
#include "dialogs/Form2.h"
#include "dialogs/Form5.h"
#include "shell/ApplyCaptions.h"
#include "shell/LocalMsgBox.h"
#include "state/InitDefaults.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <memory>

using namespace q716;

class TestForm5 : public QObject {
    Q_OBJECT

    struct Shown {
        QString text;
        QString title;
        QMessageBox::Icon icon;
    };

    EditorState state;
    int now = 1000;
    std::unique_ptr<QWidget> mainWindow;
    DialogSet* dialogs = nullptr;
    QList<Shown> messages;

    // A fresh program whose channel table holds `filled` receive frequencies.
    void start(std::initializer_list<int> filled = {}) {
        state = freshEditorState();
        for (int row : filled)
            state.form1.grid.cell(row, 1) = QStringLiteral("435.02500");
        mainWindow = std::make_unique<QWidget>();
        dialogs = new DialogSet(state, mainWindow.get(), [this] { return now; });
        applyAllCaptions(dialogs->windowsInCaptionOrder(), state.values.languageCode);
        messages.clear();
    }

    Form5* form() const { return dialogs->form5(); }
    template <typename T> T* child(const char* name) const {
        T* w = form()->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    void showForm() {
        form()->show();
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }
    // Chooses the next entry of a closed list with the keyboard, as a user can.
    void chooseNext(const char* combo) {
        auto* c = child<QComboBox>(combo);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Down);
    }
    // The editor commits on Return through a queued call.
    static void pressReturn(QWidget* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QLineEdit* openCell(QTableWidget* grid, int row, int column) {
        const QRect cell = grid->visualItemRect(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }

  private slots:
    void init() {
        setMessageBoxAnswerer([this](QMessageBox& box) {
            messages.append({box.text(), box.windowTitle(), box.icon()});
            return int(ResultOk);
        });
    }
    void cleanup() {
        setMessageBoxAnswerer({});
        mainWindow.reset();
    }

    void fixedWithAllChannelsEmptyFallsBackToNo() {
        start();
        showForm();
        chooseNext("Combo11");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"));
        QCOMPARE(messages[0].title, QStringLiteral("提示"));
        QCOMPARE(messages[0].icon, QMessageBox::NoIcon);
        QCOMPARE(child<QComboBox>("Combo11")->currentIndex(), 0);
        QCOMPARE(state.form5.combo11, 0);
    }

    void fixedPicksTheFirstChannelInUse() {
        start({3, 7});
        state.values.languageCode = 1;
        applyAllCaptions(dialogs->windowsInCaptionOrder(), 1);
        showForm();
        chooseNext("Combo11");
        QVERIFY(messages.isEmpty());
        QCOMPARE(child<QComboBox>("Combo11")->currentText(), QStringLiteral("Fixed"));
        QCOMPARE(child<QComboBox>("Combo12")->currentText(), QStringLiteral("03"));
        // Under "Fixed" an empty channel is refused, in Chinese whatever the language.
        chooseNext("Combo12");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("不可选择空信道，请重新选择！"));
        QCOMPARE(child<QComboBox>("Combo12")->currentText(), QStringLiteral("03"));
        child<QPushButton>("Command1")->click();
        QCOMPARE(state.values.optionValues.priorityMode.text, QStringLiteral("1"));
        QCOMPARE(state.values.optionValues.preferredChannel.text, QStringLiteral("3"));
        QVERIFY(form()->isHidden());
    }

    void emptyChannelBeforeAnyFixedChoiceClearsTheSelection() {
        start({1});
        // "Fixed" arrived with a load, so no channel was ever chosen for it.
        state.values.optionValues.priorityMode.text = QStringLiteral("1");
        showForm();
        chooseNext("Combo12");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(child<QComboBox>("Combo12")->currentIndex(), -1);
        child<QPushButton>("Command1")->click();
        QCOMPARE(state.values.optionValues.preferredChannel.text, QStringLiteral("0"));
    }

    // Cancel and the close box store nothing, and the dialog opens again
    // with the stored values, so its next OK cannot store what was cancelled.
    void cancelStoresNothingAndReopensWithTheStoredValues() {
        start();
        showForm();
        const QString before = state.values.optionValues.pttId.text;
        chooseNext("Combo4");
        QVERIFY(QString::number(child<QComboBox>("Combo4")->currentIndex()) != before);
        child<QLineEdit>("Text5")->setFocus();
        QTest::keyClicks(child<QLineEdit>("Text5"), QStringLiteral("45"));
        child<QPushButton>("Command2")->click();
        QVERIFY(form()->isHidden());
        QCOMPARE(state.values.optionValues.pttId.text, before);
        QVERIFY(state.values.optionValues.scanReceiveDelay.text.isEmpty());
        showForm();
        QCOMPARE(QString::number(child<QComboBox>("Combo4")->currentIndex()), before);
        QVERIFY(child<QLineEdit>("Text5")->text().isEmpty());
        chooseNext("Combo4");
        const int chosen = child<QComboBox>("Combo4")->currentIndex();
        form()->close();
        QVERIFY(form()->isHidden());
        QCOMPARE(state.values.optionValues.pttId.text, before);
        showForm();
        child<QPushButton>("Command1")->click();
        QCOMPARE(state.values.optionValues.pttId.text, before);
        showForm();
        chooseNext("Combo4");
        child<QPushButton>("Command1")->click();
        QCOMPARE(state.values.optionValues.pttId.text, QString::number(chosen));
    }

    void scrollBarsStepTheDelaysFromZeroToThreeHundred() {
        start();
        showForm();
        auto* bar = child<QScrollBar>("VScroll1");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 300);
        QCOMPARE(bar->singleStep(), 1);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(child<QLineEdit>("Text5")->text(), QStringLiteral("300"));
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(child<QLineEdit>("Text6")->text(), QString());
        QCOMPARE(child<QLineEdit>("Text5")->text(), QStringLiteral("0"));
        child<QPushButton>("Command1")->click();
        QCOMPARE(state.values.optionValues.scanReceiveDelay.text, QStringLiteral("0"));
    }

    void retraceListsFollowTheLanguageAndKeepTheirSelection() {
        start();
        auto* combo13 = child<QComboBox>("Combo13");
        QCOMPARE(combo13->count(), 92);
        QCOMPARE(combo13->itemText(1), QStringLiteral("0.50 S"));
        QCOMPARE(combo13->itemText(91), QStringLiteral("5.00 S"));
        combo13->setCurrentIndex(0);
        applyAllCaptions(dialogs->windowsInCaptionOrder(), 1);
        QCOMPARE(combo13->currentText(), QStringLiteral("Empty"));
        QCOMPARE(combo13->itemText(91), QStringLiteral("5.00 S"));
        QCOMPARE(child<QLabel>("Label19")->text(), QStringLiteral("Scan receive delay time(S)"));
        applyAllCaptions(dialogs->windowsInCaptionOrder(), 0);
        QCOMPARE(combo13->currentText(), QStringLiteral("空"));
    }

    void dtmfMemoryKeysAreFilteredAndUpperCased() {
        start();
        child<QWidget>("HiddenControls")->show();
        showForm();
        auto* grid = child<QTableWidget>("mfgrid1");
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("编号"));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("自动拨号存储器"));
        QLineEdit* editor = openCell(grid, 0, 1);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("abcd*#9E zx"));
        pressReturn(editor);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("ABCD*#9"));
        QVERIFY(messages.isEmpty());
        // Row numbers are not editable.
        QVERIFY(!openCell(grid, 1, 0));
        child<QPushButton>("Command1")->click();
        QCOMPARE(state.values.dtmfMemories[0], QStringLiteral("ABCD*#9"));
    }

    void aMemoryOverSixteenDigitsWarnsOncePerEditAndIsKept() {
        start();
        child<QWidget>("HiddenControls")->show();
        showForm();
        auto* grid = child<QTableWidget>("mfgrid1");
        QLineEdit* editor = openCell(grid, 2, 1);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("0123456789ABCD*#1"));
        pressReturn(editor);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("存储器只能存储16位！"));
        QCOMPARE(messages[0].icon, QMessageBox::Critical);
        // Moving on to another cell is no second edit of this one.
        QVERIFY(openCell(grid, 3, 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(messages.size(), 1);
        child<QPushButton>("Command1")->click();
        QCOMPARE(state.values.dtmfMemories[2], QStringLiteral("0123456789ABCD*#1"));
    }

    void codeFieldsTakeDtmfCharactersUpToTheirLength() {
        start();
        child<QWidget>("HiddenControls")->show();
        showForm();
        auto* text1 = child<QLineEdit>("Text1");
        text1->setFocus();
        QTest::keyClicks(text1, QStringLiteral("12ab e#*9dc0"));
        QCOMPARE(text1->text(), QStringLiteral("12AB#*9DC0"));
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(text1->text(), QStringLiteral("12AB#*9DC"));
        auto* text3 = child<QLineEdit>("Text3");
        text3->setFocus();
        QTest::keyClicks(text3, QString(20, QLatin1Char('7')));
        QCOMPARE(text3->text(), QString(16, QLatin1Char('7')));
    }

    // An input method hands over whole words past the key filter.
    static void commit(QWidget* target, const QString& text) {
        QInputMethodEvent input;
        input.setCommitString(text);
        QApplication::sendEvent(target, &input);
    }

    void inputMethodCommitsAreFilteredAndCutToTheFields() {
        start();
        child<QWidget>("HiddenControls")->show();
        showForm();
        auto* grid = child<QTableWidget>("mfgrid1");
        QLineEdit* editor = openCell(grid, 4, 1);
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("12345678901234"));
        commit(editor, QStringLiteral("a 对b#c"));
        QCOMPARE(editor->text(), QStringLiteral("12345678901234AB"));
        commit(editor, QStringLiteral("9"));
        QCOMPARE(editor->text().size(), 16);
        pressReturn(editor);
        QVERIFY(messages.isEmpty());
        QCOMPARE(grid->item(4, 1)->text(), QStringLiteral("12345678901234AB"));

        auto* text1 = child<QLineEdit>("Text1");
        text1->setFocus();
        QTest::keyClicks(text1, QStringLiteral("1234567"));
        commit(text1, QStringLiteral("d对讲机*#0"));
        QCOMPARE(text1->text(), QStringLiteral("1234567D*#"));
        auto* text4 = child<QLineEdit>("Text4");
        text4->setFocus();
        commit(text4, QString(20, QLatin1Char('5')));
        QCOMPARE(text4->text(), QString(16, QLatin1Char('5')));
    }

    // An earlier version stored 500, which Save wrote as F4 01 and opening
    // the file then dropped.
    void scanDelaysOutsideZeroToThreeHundredAreRefusedAtOk() {
        state = freshEditorState();
        state.values.optionValues.scanReceiveDelay.text = QStringLiteral("5");
        mainWindow = std::make_unique<QWidget>();
        dialogs = new DialogSet(state, mainWindow.get(), [this] { return now; });
        showForm();
        auto* text5 = child<QLineEdit>("Text5");
        auto* text6 = child<QLineEdit>("Text6");
        auto* bar1 = child<QScrollBar>("VScroll1");
        QCOMPARE(text5->text(), QStringLiteral("5"));
        for (const QString& typed : {QStringLiteral("500"), QStringLiteral("abc"),
                                     QStringLiteral("-1"), QStringLiteral("12.5")}) {
            messages.clear();
            text5->setFocus();
            text5->selectAll();
            QTest::keyClicks(text5, typed);
            chooseNext("Combo4");
            child<QPushButton>("Command1")->click();
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].text.contains(QStringLiteral("300")), qPrintable(typed));
            QVERIFY(form()->isVisible());
            QCOMPARE(text5->text(), QStringLiteral("5"));
            QCOMPARE(bar1->value(), 5);
            QCOMPARE(QApplication::focusWidget(), text5);
            QCOMPARE(state.values.optionValues.scanReceiveDelay.text, QStringLiteral("5"));
            QCOMPARE(state.values.optionValues.pttId.text, QStringLiteral("1"));
        }
        text6->setFocus();
        QTest::keyClicks(text6, QStringLiteral("301"));
        child<QPushButton>("Command1")->click();
        QCOMPARE(messages.size(), 2);
        QVERIFY(text6->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), text6);
        // A delay in range goes in with the rest.
        QTest::keyClicks(text6, QStringLiteral("300"));
        child<QPushButton>("Command1")->click();
        QCOMPARE(messages.size(), 2);
        QVERIFY(form()->isHidden());
        QCOMPARE(state.values.optionValues.scanLaunchDelay.text, QStringLiteral("300"));
        QCOMPARE(state.values.optionValues.scanReceiveDelay.text, QStringLiteral("5"));
        QCOMPARE(state.values.optionValues.pttId.text, QStringLiteral("2"));
    }

    void threeLabelsWithinFiveSecondsUnlockTheCalibration() {
        start();
        showForm();
        QSignalSpy unlocks(dialogs, &DialogSet::debugUnlockRepeated);
        auto* slider1 = dialogs->form2()->findChild<QSlider*>(QStringLiteral("Slider1"));
        QVERIFY(!slider1->isEnabled());
        QTest::mouseClick(child<QLabel>("Label14"), Qt::LeftButton);
        now += 3;
        QTest::mouseClick(child<QLabel>("Label17"), Qt::LeftButton);
        QCOMPARE(unlocks.count(), 0);
        now += 2;
        QTest::mouseClick(child<QLabel>("Label18"), Qt::LeftButton);
        QCOMPARE(unlocks.count(), 1);
        QVERIFY(state.values.factoryMode);
        QVERIFY(state.values.debugUnlocked);
        QVERIFY(slider1->isEnabled());
        // Too late for the window: the gesture starts over.
        now += 1;
        QTest::mouseClick(child<QLabel>("Label14"), Qt::LeftButton);
        QCOMPARE(unlocks.count(), 1);
        QTest::mouseClick(child<QLabel>("Label17"), Qt::LeftButton);
        QCOMPARE(unlocks.count(), 2);
    }
};

QTEST_MAIN(TestForm5)
#include "tst_dialog_form5.moc"
