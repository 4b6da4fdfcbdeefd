// Form6 (side keys), Form7 (embedded information) and Form2 (calibration).
#include "dialogs/DialogSet.h"
#include "dialogs/Form2.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "shell/ApplyCaptions.h"
#include "state/InitDefaults.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <memory>

using namespace q716;

class TestSmallDialogs : public QObject {
    Q_OBJECT

    EditorState state;
    std::unique_ptr<QWidget> mainWindow;
    DialogSet* dialogs = nullptr;

    void start(int languageCode = 0) {
        mainWindow = std::make_unique<QWidget>();
        state.values.languageCode = languageCode;
        dialogs = new DialogSet(state, mainWindow.get());
        applyAllCaptions(dialogs->windowsInCaptionOrder(), languageCode);
    }
    template <typename T> T* child(QWidget* window, const char* name) const {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    void showWindow(QWidget* w) {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

  private slots:
    void init() { state = freshEditorState(); }
    void cleanup() { mainWindow.reset(); }

    void keysShowTheirFunctionsAndCancelStoresNothing() {
        start(1);
        Form6* f = dialogs->form6();
        auto* combo1 = child<QComboBox>(f, "Combo1");
        auto* combo2 = child<QComboBox>(f, "Combo2");
        QCOMPARE(combo1->count(), 12);
        QCOMPARE(combo1->currentText(), QStringLiteral("Instant cancel static noise"));
        QCOMPARE(combo2->currentIndex(), 0);
        showWindow(f);
        combo1->setFocus();
        QTest::keyClick(combo1, Qt::Key_Down);
        QCOMPARE(combo1->currentIndex(), 11);
        child<QPushButton>(f, "Command2")->click();
        QCOMPARE(state.values.keyFunctionPF1, 10);
        showWindow(f);
        QCOMPARE(combo1->currentIndex(), 10);
        combo1->setFocus();
        QTest::keyClick(combo1, Qt::Key_Down);
        applyAllCaptions(dialogs->windowsInCaptionOrder(), 0);
        QCOMPARE(combo1->currentText(), QStringLiteral("暂时删除"));
        child<QPushButton>(f, "Command1")->click();
        QCOMPARE(state.values.keyFunctionPF1, 11);
    }

    void keysOutsideTheListShowOff() {
        state.values.keyFunctionPF1 = 12;
        state.values.keyFunctionPF2 = -1;
        start();
        QCOMPARE(child<QComboBox>(dialogs->form6(), "Combo1")->currentText(),
                 QStringLiteral("OFF"));
        QCOMPARE(child<QComboBox>(dialogs->form6(), "Combo2")->currentText(),
                 QStringLiteral("OFF"));
    }

    void thePictureMarksTheKeyWhoseListHasTheFocus() {
        start();
        Form6* f = dialogs->form6();
        showWindow(f);
        auto* image = child<QLabel>(f, "Image1");
        const QImage pf1 = child<QLabel>(f, "Picture1")->pixmap().toImage();
        const QImage pf2 = child<QLabel>(f, "Picture2")->pixmap().toImage();
        QVERIFY(pf1 != pf2);
        child<QComboBox>(f, "Combo1")->setFocus();
        QCOMPARE(image->pixmap().toImage(), pf1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Combo2"));
        QCOMPARE(image->pixmap().toImage(), pf2);
        // Leaving both lists keeps the last picture.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(image->pixmap().toImage(), pf2);
    }

    void linesStopAtThirtyTwoTypedCharactersButNotPastedOnes() {
        state.values.embeddedInfo = {QStringLiteral("HELLO"), QString()};
        start();
        Form7* f = dialogs->form7();
        showWindow(f);
        auto* text1 = child<QLineEdit>(f, "Text1");
        auto* text2 = child<QLineEdit>(f, "Text2");
        QCOMPARE(text1->text(), QStringLiteral("HELLO"));
        text1->setFocus();
        text1->selectAll();
        QTest::keyClicks(text1, QString(33, QLatin1Char('x')));
        QCOMPARE(text1->text(), QString(32, QLatin1Char('x')));
        QTest::keyClick(text1, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClicks(text1, QStringLiteral("y"));
        QCOMPARE(text1->text(), QString(31, QLatin1Char('x')) + QLatin1Char('y'));
        QInputMethodEvent wide;
        wide.setCommitString(QStringLiteral("汉"));
        QApplication::sendEvent(text1, &wide);
        QCOMPARE(text1->text().size(), 32);
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(text1->text().size(), 31);
        QApplication::sendEvent(text1, &wide);
        QCOMPARE(text1->text().size(), 32);
        QVERIFY(text1->text().endsWith(QStringLiteral("汉")));
        QTest::keyClick(text1, Qt::Key_Backspace);

        QApplication::clipboard()->setText(QString(40, QLatin1Char('p')));
        text2->setFocus();
        QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text2->text().size(), 40);
        child<QPushButton>(f, "Command1")->click();
        QCOMPARE(state.values.embeddedInfo[1], QString(40, QLatin1Char('p')));
        QCOMPARE(state.values.embeddedInfo[0], QString(31, QLatin1Char('x')));
    }

    // An earlier version took 31 characters + "对讲机" as 34.
    void inputMethodCommitsAreCutToThirtyTwo() {
        start();
        Form7* f = dialogs->form7();
        showWindow(f);
        auto* text1 = child<QLineEdit>(f, "Text1");
        auto* text2 = child<QLineEdit>(f, "Text2");
        auto commit = [](QLineEdit* target, const QString& text) {
            QInputMethodEvent input;
            input.setCommitString(text);
            QApplication::sendEvent(target, &input);
        };
        text1->setFocus();
        QTest::keyClicks(text1, QString(31, QLatin1Char('x')));
        commit(text1, QStringLiteral("对讲机"));
        QCOMPARE(text1->text(), QString(31, QLatin1Char('x')) + QStringLiteral("对"));
        // A commit replaces the selection and fills what it frees.
        QTest::keyClick(text1, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(text1, Qt::Key_Left, Qt::ShiftModifier);
        commit(text1, QStringLiteral("对讲机"));
        QCOMPARE(text1->text(), QString(30, QLatin1Char('x')) + QStringLiteral("对讲"));
        text2->setFocus();
        commit(text2, QString(40, QChar(0x6C49)));
        QCOMPARE(text2->text(), QString(32, QChar(0x6C49)));
        child<QPushButton>(f, "Command1")->click();
        QCOMPARE(state.values.embeddedInfo[0].size(), 32);
        QCOMPARE(state.values.embeddedInfo[1].size(), 32);
    }

    void aWideCharacterBringsTheHintInTheCurrentLanguage() {
        start();
        Form7* f = dialogs->form7();
        showWindow(f);
        auto* hint = child<QLabel>(f, "LblHint");
        auto* text2 = child<QLineEdit>(f, "Text2");
        QVERIFY(hint->isHidden());
        text2->setFocus();
        // Chinese arrives from the input method, not as key presses.
        QInputMethodEvent input;
        input.setCommitString(QStringLiteral("对讲"));
        QApplication::sendEvent(text2, &input);
        QVERIFY(!hint->isHidden());
        QVERIFY(hint->text().contains(QStringLiteral("“?”")));
        state.values.languageCode = 1;
        dialogs->refreshFromState();
        QVERIFY(hint->text().startsWith(QStringLiteral("Note")));
        QCOMPARE(text2->text(), QStringLiteral("对讲"));
        child<QPushButton>(f, "Command2")->click();
        QVERIFY(state.values.embeddedInfo[1].isEmpty());
        text2->clear();
        QVERIFY(hint->isHidden());
    }

    void slidersMoveOnlyWhenUnlockedAndTheCloseBoxStoresNothing() {
        start(1);
        Form2* f = dialogs->form2();
        auto* slider1 = child<QSlider>(f, "Slider1");
        auto* slider3 = child<QSlider>(f, "Slider3");
        QCOMPARE(f->windowTitle(), QStringLiteral("Debug"));
        QCOMPARE(child<QLabel>(f, "Label8")->text(), QStringLiteral("Hight"));
        QCOMPARE(slider1->value(), 208);
        QCOMPARE(child<QLabel>(f, "Lblpower3")->text(), QStringLiteral("92"));
        QVERIFY(!slider1->isEnabled());
        QVERIFY(!slider3->isEnabled());

        state.values.debugUnlocked = true;
        state.form2.slidersEnabled = true;
        dialogs->refreshFromState();
        showWindow(f);
        slider1->setFocus();
        QTest::keyClick(slider1, Qt::Key_PageUp);
        QCOMPARE(slider1->value(), 213);
        QCOMPARE(child<QLabel>(f, "Lblpower1")->text(), QStringLiteral("213"));
        f->close();
        QVERIFY(f->isHidden());
        QCOMPARE(state.values.highPowerLevel, 208);

        showWindow(f);
        QCOMPARE(slider1->value(), 208);
        slider3->setFocus();
        QTest::keyClick(slider3, Qt::Key_Home);
        QCOMPARE(child<QLabel>(f, "Lblpower3")->text(), QStringLiteral("0"));
        child<QPushButton>(f, "Command1")->click();
        QVERIFY(f->isHidden());
        QCOMPARE(state.values.highPowerLevel, 208);
        QCOMPARE(state.values.lowPowerLevel, 0);
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "tst_dialog_keys_info_debug.moc"
