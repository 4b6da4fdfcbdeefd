// The dialogs inside the program: edits reach a saved channel file, and an
// opened file (or a read) brings them back into every dialog.
#include "support/AppFixture.h"
#include "support/GridDriver.h"

#include "dialogs/DialogSet.h"
#include "dialogs/Form2.h"
#include "dialogs/Form4.h"
#include "dialogs/Form5.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

using namespace q716test;

namespace {

template <typename T> T* child(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no %s in %s", name, qPrintable(window->objectName()));
    return w;
}

// Everything the dialogs show that a channel file carries.
QStringList dialogContents(q716::DialogSet& d) {
    QStringList texts;
    for (const char* combo :
         {"Combo4", "Combo9", "Combo10", "Combo11", "Combo12", "Combo13", "Combo14", "Combo15",
          "Combo0", "Combo16", "Combo18", "Combo17", "Combo19", "Combo20", "Combo22", "Combo21"})
        texts << QStringLiteral("%1=%2").arg(QLatin1String(combo),
                                             child<QComboBox>(d.form5(), combo)->currentText());
    texts << child<QLineEdit>(d.form5(), "Text5")->text()
          << child<QLineEdit>(d.form5(), "Text6")->text();
    auto* memories = child<QTableWidget>(d.form5(), "mfgrid1");
    for (int r = 0; r < memories->rowCount(); ++r)
        texts << memories->item(r, 1)->text();
    texts << child<QComboBox>(d.form6(), "Combo1")->currentText()
          << child<QComboBox>(d.form6(), "Combo2")->currentText();
    texts << child<QLineEdit>(d.form7(), "Text1")->text()
          << child<QLineEdit>(d.form7(), "Text2")->text();
    auto* tests = child<QTableWidget>(d.form4(), "mfgrid1");
    for (int r = 0; r < tests->rowCount(); ++r)
        texts << tests->item(r, 1)->text() << tests->item(r, 2)->text();
    texts << QString::number(child<QSlider>(d.form2(), "Slider1")->value())
          << child<QLabel>(d.form2(), "Lblpower1")->text()
          << QString::number(child<QSlider>(d.form2(), "Slider3")->value())
          << child<QLabel>(d.form2(), "Lblpower3")->text();
    return texts;
}

void pressKey(QWidget* w, Qt::Key key, int times = 1) {
    w->setFocus();
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w, key);
}

void typeInto(QWidget* w, const QString& text) {
    w->setFocus();
    QTest::keyClicks(w, text);
}

void typeIntoTestGrid(QTableWidget* grid, int row, int column, const QString& text) {
    const QRect rect = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Edits every dialog through its widgets and confirms each with OK.
void editEveryDialog(q716::Form1& w) {
    q716::DialogSet& d = *w.dialogs;
    w.mnudtmf->trigger();
    pressKey(child<QComboBox>(d.form5(), "Combo11"), Qt::Key_Down); // Fixed: channel 02
    pressKey(child<QComboBox>(d.form5(), "Combo4"), Qt::Key_Down);
    pressKey(child<QComboBox>(d.form5(), "Combo13"), Qt::Key_Down, 20);
    pressKey(child<QComboBox>(d.form5(), "Combo15"), Qt::Key_Up);
    typeInto(child<QLineEdit>(d.form5(), "Text5"), QStringLiteral("2"));
    // An empty delay would come back as "0": the radio keeps a number.
    typeInto(child<QLineEdit>(d.form5(), "Text6"), QStringLiteral("7"));
    child<QPushButton>(d.form5(), "Command1")->click();

    w.Key_enactment->trigger();
    pressKey(child<QComboBox>(d.form6(), "Combo2"), Qt::Key_Down, 4);
    child<QPushButton>(d.form6(), "Command1")->click();

    w.mnusetin->trigger();
    typeInto(child<QLineEdit>(d.form7(), "Text1"), QStringLiteral("DEALER 42"));
    typeInto(child<QLineEdit>(d.form7(), "Text2"), QStringLiteral("call 555"));
    child<QPushButton>(d.form7(), "Command1")->click();

    w.mnutestfre->trigger();
    auto* tests = child<QTableWidget>(d.form4(), "mfgrid1");
    typeIntoTestGrid(tests, 0, 1, QStringLiteral("435.0123"));
    typeIntoTestGrid(tests, 15, 1, QStringLiteral("145.005"));
    typeIntoTestGrid(tests, 15, 2, QStringLiteral("146.0037"));
    child<QPushButton>(d.form4(), "Command1")->click();

    // The service mode, as the hidden gesture leaves it.
    w.state.values.debugUnlocked = true;
    w.state.form2.slidersEnabled = true;
    d.refreshFromState();
    w.mnudebug->trigger();
    pressKey(child<QSlider>(d.form2(), "Slider1"), Qt::Key_PageUp, 3);
    pressKey(child<QSlider>(d.form2(), "Slider3"), Qt::Key_Left, 2);
    child<QPushButton>(d.form2(), "Command1")->click();
}

} // namespace

class TestDialogFiles : public QObject {
    Q_OBJECT

  private slots:
    void aSavedFileOpensIntoTheSameDialogs() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 2, 1, "435.125");
        editEveryDialog(*w);
        QVERIFY(fx.messages.isEmpty());
        const QStringList edited = dialogContents(*w->dialogs);
        QVERIFY(edited.contains(QStringLiteral("Combo12=02")));
        QVERIFY(edited.contains(QStringLiteral("146.00000")));
        QVERIFY(edited.contains(QStringLiteral("223")));
        const QString path = fx.tempPath("dialogs.DAT");
        fx.answerFileDialogs({path});
        w->mnuAssave->trigger();
        QCOMPARE(fx.messages.size(), 0);

        // Another program opens the file.
        AppFixture other;
        auto v = other.start();
        const QStringList fresh = dialogContents(*v->dialogs);
        QVERIFY(fresh != edited);
        v->openChannelFileNamed(path);
        QCOMPARE(dialogContents(*v->dialogs), edited);
        QCOMPARE(v->state.values.embeddedInfo[0], QStringLiteral("DEALER 42"));
        QCOMPARE(v->state.values.highPowerLevel, 223);
        QCOMPARE(other.messages.size(), 0);
    }

    void openingAFileOverwritesUnconfirmedEditsAndLocksTheSliders() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 2, 1, "435.125");
        editEveryDialog(*w);
        const QStringList saved = dialogContents(*w->dialogs);
        const QString path = fx.tempPath("plan.DAT");
        fx.answerFileDialogs({path});
        w->mnuAssave->trigger();

        // Changes left in the dialogs by Cancel are replaced by the file.
        q716::DialogSet& d = *w->dialogs;
        w->mnusetin->trigger();
        typeInto(child<QLineEdit>(d.form7(), "Text1"), QStringLiteral("XYZ"));
        child<QPushButton>(d.form7(), "Command2")->click();
        w->Key_enactment->trigger();
        pressKey(child<QComboBox>(d.form6(), "Combo1"), Qt::Key_Up);
        child<QPushButton>(d.form6(), "Command2")->click();
        QVERIFY(dialogContents(d) != saved);
        QVERIFY(child<QSlider>(d.form2(), "Slider1")->isEnabled());

        w->openChannelFileNamed(path);
        QCOMPARE(dialogContents(d), saved);
        QVERIFY(!w->state.values.debugUnlocked);
        QVERIFY(!child<QSlider>(d.form2(), "Slider1")->isEnabled());
        QVERIFY(!child<QSlider>(d.form2(), "Slider3")->isEnabled());
    }

    void aLanguageSwitchReachesShownDialogsAndKeepsTheirChoices() {
        AppFixture fx;
        auto w = fx.start();
        q716::DialogSet& d = *w->dialogs;
        w->mnudtmf->trigger();
        w->Key_enactment->trigger();
        pressKey(child<QComboBox>(d.form6(), "Combo1"), Qt::Key_Down);
        w->mnusetin->trigger();
        QInputMethodEvent chinese;
        chinese.setCommitString(QStringLiteral("对讲机"));
        QApplication::sendEvent(child<QLineEdit>(d.form7(), "Text1"), &chinese);
        QVERIFY(child<QLabel>(d.form7(), "LblHint")->text().contains(QStringLiteral("“?”")));
        w->mnuEnglish->trigger();
        QVERIFY(child<QLabel>(d.form7(), "LblHint")->text().startsWith(QStringLiteral("Note")));
        QCOMPARE(d.form5()->windowTitle(), QStringLiteral("Optional Function"));
        QCOMPARE(child<QComboBox>(d.form6(), "Combo1")->currentText(),
                 QStringLiteral("Delete temporary"));
        QCOMPARE(child<QComboBox>(d.form5(), "Combo13")->itemText(0), QStringLiteral("Empty"));
        w->mnuChinese->trigger();
        QCOMPARE(child<QComboBox>(d.form6(), "Combo1")->currentText(), QStringLiteral("暂时删除"));
        QCOMPARE(d.form6()->windowTitle(), QStringLiteral("键设定"));
    }
};

QTEST_MAIN(TestDialogFiles)
#include "tst_dialog_files.moc"
