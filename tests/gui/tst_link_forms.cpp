// The port dialog FormCOM over pseudo-terminals named in Q716_PORTS, and the
// password dialog FormUsePass with its key filter and checks.

#include "support/AppFixture.h"
#include "support/Pty.h"

#include "channels/ChannelTable.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "link/FormCOM.h"
#include "link/FormUsePass.h"
#include "link/SessionController.h"
#include "state/InitDefaults.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

using namespace q716;
using q716test::AppFixture;
using q716test::Pty;

namespace {

constexpr int Timeout = 20000;

} // namespace

class TestLinkForms : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    std::unique_ptr<Form1> w;

    void start(const QByteArray& ports, int rememberedPort, int language = 1) {
        qputenv("Q716_PORTS", ports);
        app->writeParameter(QByteArray(1, '\0') + char(rememberedPort) + char(language));
        w = app->start();
    }

  private slots:
    void init() { app = std::make_unique<AppFixture>(); }
    void cleanup() {
        w.reset();
        app.reset();
        qunsetenv("Q716_PORTS");
    }

    void portDialogShowsTheSlotsAndSelectingOpens() {
        Pty first, second;
        QVERIFY(!first.path().isEmpty() && !second.path().isEmpty());
        const QString missing = QDir::temp().filePath(QStringLiteral("q716-no-such-port"));
        start((first.path() + ':' + missing + ':' + second.path()).toLocal8Bit(), 1);
        FormCOM* f = w->formCOM;
        QVERIFY(!f->isVisible());
        QCOMPARE(f->windowTitle(), QStringLiteral("Com"));
        QCOMPARE(f->OptionCOM.size(), 20);
        QCOMPARE(f->OptionCOM[0]->text(), QStringLiteral("COM1 (%1)").arg(first.path()));
        QCOMPARE(f->OptionCOM[1]->text(), QStringLiteral("COM2 (%1)").arg(missing));
        QCOMPARE(f->OptionCOM[2]->text(), QStringLiteral("COM3 (%1)").arg(second.path()));
        for (int i = 3; i < 20; ++i)
            QCOMPARE(f->OptionCOM[i]->text(), QStringLiteral("COM%1").arg(i + 1));
        for (int i = 0; i < 20; ++i)
            QCOMPARE(f->OptionCOM[i]->isEnabled(), i == 0 || i == 2);
        QVERIFY(f->OptionCOM[0]->isChecked());
        QVERIFY(w->link->comm().isOpen());
        QCOMPARE(w->link->comm().commPort(), 1);

        w->mnucom->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QTest::mouseClick(f->OptionCOM[1], Qt::LeftButton);
        QCOMPARE(w->state.values.selectedPort, 1);
        QTest::mouseClick(f->OptionCOM[2], Qt::LeftButton);
        QVERIFY(f->OptionCOM[2]->isChecked());
        QCOMPARE(w->state.values.selectedPort, 3);
        QCOMPARE(w->link->comm().commPort(), 3);
        QVERIFY(w->link->comm().isOpen());
        // What the program sends now reaches the second device.
        w->link->comm().output("TQ");
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT((got += second.readAvailable()) == "TQ", Timeout);
        QCOMPARE(first.readAvailable(), QByteArray());

        // The port dialog keeps its caption in both languages; closing only hides it.
        w->mnuChinese->trigger();
        QCOMPARE(f->windowTitle(), QStringLiteral("Com"));
        f->close();
        QVERIFY(!f->isVisible());
        w->mnucom->trigger();
        QVERIFY(f->isVisible());
        QVERIFY(f->OptionCOM[2]->isChecked());

        // The chosen port is remembered at exit.
        w->close();
        QCOMPARE(app->parameterBytes().at(1), char(3));
    }

    void aGoneRememberedPortFallsToTheOnlyOne() {
        Pty only;
        const QString missing = QDir::temp().filePath(QStringLiteral("q716-no-such-port"));
        start((missing + ':' + only.path()).toLocal8Bit(), 1);
        QVERIFY(!w->formCOM->OptionCOM[0]->isEnabled());
        QVERIFY(w->formCOM->OptionCOM[1]->isEnabled());
        for (QRadioButton* b : w->formCOM->OptionCOM)
            QVERIFY(!b->isChecked());
        QCOMPARE(w->state.values.selectedPort, 2);
        QVERIFY(w->link->comm().isOpen());
        w->close();
        QCOMPARE(app->parameterBytes().at(1), char(2));
    }

    // A device the system does not list is typed under "Other device…",
    // opened, and remembered beside the 3-byte parameter file.
    void otherDeviceIsTypedOpenedAndRemembered() {
        Pty listed, typed;
        start(listed.path().toLocal8Bit(), 1);
        FormCOM* f = w->formCOM;
        QCOMPARE(f->OptionOther->text(), QStringLiteral("Other device…"));
        const QString missing = QDir::temp().filePath(QStringLiteral("q716-no-such-port"));
        QStringList answers{QString(), missing, typed.path()};
        f->setDeviceAsker([&](const QString&) { return answers.takeFirst(); });
        w->mnucom->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        for (int refused = 0; refused < 2; ++refused) {
            // Cancel, then a path that does not open: the port stays as it was.
            QTest::mouseClick(f->OptionOther, Qt::LeftButton);
            QVERIFY(f->OptionCOM[0]->isChecked() && !f->OptionOther->isChecked());
            QCOMPARE(w->link->comm().openLocation(), listed.path());
        }
        QCOMPARE(answers.size(), 1);
        QCOMPARE(app->messages.size(), 1);
        QVERIFY(app->messages[0].text.startsWith(missing +
                                                 QStringLiteral(" cannot be used as the port: ")));
        QTest::mouseClick(f->OptionOther, Qt::LeftButton);
        QVERIFY(f->OptionOther->isChecked() && !f->OptionCOM[0]->isChecked());
        QCOMPARE(f->OptionOther->text(), QStringLiteral("Other device… (%1)").arg(typed.path()));
        w->link->comm().output("TQ");
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT((got += typed.readAvailable()) == "TQ", Timeout);
        w->close();
        QCOMPARE(app->parameterBytes(), QByteArray("\x00\x01\x01", 3));
        w.reset();
        w = app->start();
        QVERIFY(w->formCOM->OptionOther->isChecked());
        QCOMPARE(w->link->comm().openLocation(), typed.path());
        // Choosing a slot forgets it.
        w->mnucom->trigger();
        QTest::mouseClick(w->formCOM->OptionCOM[0], Qt::LeftButton);
        w->close();
        w.reset();
        w = app->start();
        QVERIFY(!w->formCOM->OptionOther->isChecked());
        QCOMPARE(w->link->comm().openLocation(), listed.path());
    }

    // Communication port scans again each time it opens: a cable plugged in
    // after start-up is taken, one that went away is marked, and a read then
    // says the cable is not connected.
    void portDialogScansAgainEachTimeItOpens() {
        start(QByteArray(), 1);
        QVERIFY(!w->link->comm().isOpen());
        auto cable = std::make_unique<Pty>();
        const QString device = cable->path();
        qputenv("Q716_PORTS", device.toLocal8Bit());
        FormCOM* f = w->formCOM;
        w->mnucom->trigger();
        QCOMPARE(f->OptionCOM[0]->text(), QStringLiteral("COM1 (%1)").arg(device));
        QVERIFY(f->OptionCOM[0]->isEnabled() && f->OptionCOM[0]->isChecked());
        QCOMPARE(w->link->comm().openLocation(), device);
        f->hide();

        cable.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!w->link->comm().isOpen(), Timeout);
        qputenv("Q716_PORTS", QByteArray());
        w->mnucom->trigger();
        QCOMPARE(f->OptionCOM[0]->text(), QStringLiteral("COM1 (%1): not connected").arg(device));
        QVERIFY(!f->OptionCOM[0]->isEnabled() && f->OptionCOM[0]->isChecked());
        w->mnureadFre->trigger();
        QCOMPARE(app->messages.size(), 1);
        QVERIFY(app->messages[0].text.startsWith(
            QStringLiteral("The programming cable is not connected: COM1 (%1) is gone.")
                .arg(device)));
        QVERIFY(w->Toolbar1->isEnabled() && !w->link->Timer1->isActive());
    }

    void passwordDialogFiltersKeysAndChecksEntries() {
        start(QByteArray(), 0);
        w->mnuPass->trigger();
        FormUsePass* f = w->formUsePass;
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->windowTitle(), QStringLiteral("Set Used Password"));
        QCOMPARE(f->Label1->text(), QStringLiteral("Old Password:"));
        QCOMPARE(f->Command3->text(), QStringLiteral("Create New Password"));
        QCOMPARE(f->Text1->echoMode(), QLineEdit::Password);

        QTest::keyClicks(f->Text1, QStringLiteral("a-b c!9.Z_"));
        QCOMPARE(f->Text1->text(), QStringLiteral("abc9.Z"));
        QTest::keyClick(f->Text1, Qt::Key_Backspace);
        QCOMPARE(f->Text1->text(), QStringLiteral("abc9."));

        // An empty old password.
        f->Text1->selectAll();
        QTest::keyClick(f->Text1, Qt::Key_Backspace);
        QTest::keyClicks(f->Text2, QStringLiteral("new1"));
        QTest::mouseClick(f->Command3, Qt::LeftButton);
        QCOMPARE(app->messages.size(), 1);
        QCOMPARE(app->messages[0].text,
                 QStringLiteral("Password cannot be empty, please re-enter!"));
        QVERIFY(!app->messages[0].hasIcon);
        QVERIFY(f->isVisible());
        QCOMPARE(f->Text2->text(), QStringLiteral("new1"));

        // A confirmation that differs in letter case only.
        QTest::keyClicks(f->Text1, QStringLiteral("old"));
        QTest::keyClicks(f->Text3, QStringLiteral("NEW1"));
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(app->messages.size(), 2);
        QCOMPARE(app->messages[1].text,
                 QStringLiteral("Confirm password is incorrect, please rewrite!"));
        QCOMPARE(f->Text3->text(), QString());
        QCOMPARE(f->Text1->text(), QStringLiteral("old"));
        QCOMPARE(f->Text2->text(), QStringLiteral("new1"));
        QVERIFY(f->isVisible());
        QCOMPARE(w->state.values.commPassword, QString());

        // Accepted entries with no port: the boxes are taken, the cable message shown.
        QTest::keyClicks(f->Text3, QStringLiteral("new1"));
        QTest::mouseClick(f->Command3, Qt::LeftButton);
        QCOMPARE(app->messages.size(), 3);
        QVERIFY(app->messages[2].text.startsWith(
            QStringLiteral("The programming cable is not connected: the computer has no serial")));
        QCOMPARE(w->Text2->text(), QStringLiteral("old"));
        QCOMPARE(w->state.values.commPassword, QStringLiteral("new1"));
        QVERIFY(f->isVisible());
        QVERIFY(!w->link->Timer1->isActive());

        // Captions follow the language; Escape cancels and empties the boxes.
        w->mnuChinese->trigger();
        QCOMPARE(f->Label1->text(), QStringLiteral("原始通讯密码:"));
        QCOMPARE(f->Command2->text(), QStringLiteral("取消"));
        f->activateWindow();
        QTest::keyClick(f->Text1, Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        QCOMPARE(f->Text1->text(), QString());
        QCOMPARE(f->Text2->text(), QString());
        QCOMPARE(f->Text3->text(), QString());
        w->mnuPass->trigger();
        QVERIFY(f->isVisible());
        QCOMPARE(f->Label1->text(), QStringLiteral("原始通讯密码:"));
    }

    // An earlier version let Create New Password start a second session in
    // the middle of a read or of a comparison with the radio (which runs on a
    // second engine sharing the port): the running session was taken over
    // and never reported.
    void passwordChangeWaitsForARunningSession_data() {
        QTest::addColumn<bool>("scratch");
        QTest::newRow("read") << false;
        QTest::newRow("compare with the radio") << true;
    }
    void passwordChangeWaitsForARunningSession() {
        QFETCH(bool, scratch);
        Pty radio;
        start(radio.path().toLocal8Bit(), 1);
        QVERIFY(w->link->comm().isOpen());
        // No watchdog fires: the test ticks nothing.
        w->link->setTimerSwitch([](QTimer*, bool) {});
        (scratch ? w->mnuCompareRadio : w->mnureadFre)->trigger();
        QByteArray sent;
        QTRY_VERIFY_WITH_TIMEOUT((sent += radio.readAvailable()) == "TQ-PROG", Timeout);
        QVERIFY(!w->mnupro->isEnabled());
        const Session& running = scratch ? w->link->scratchSession() : w->link->session();
        QVERIFY(running.running());

        w->mnuPass->trigger();
        FormUsePass* f = w->formUsePass;
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QTest::keyClicks(f->Text1, QStringLiteral("old1"));
        QTest::keyClicks(f->Text2, QStringLiteral("new1"));
        QTest::keyClicks(f->Text3, QStringLiteral("new1"));
        QTest::mouseClick(f->Command3, Qt::LeftButton);
        QCOMPARE(app->messages.size(), 1);
        QCOMPARE(app->messages[0].text, QStringLiteral("Is communication, please later……"));
        QVERIFY(app->messages[0].hasIcon);
        QVERIFY(f->isVisible());
        // The passwords the read may still use are untouched.
        QCOMPARE(w->Text2->text(), QString());
        QCOMPARE(w->state.values.commPassword, QString());

        // The controller refuses too, whoever asks it.
        QVERIFY(!w->link->startPasswordChange());
        QCOMPARE(app->messages.size(), 2);
        QCOMPARE(app->messages[1].text, QStringLiteral("Is communication, please later……"));
        QVERIFY(running.running());
        QCOMPARE(running.SessionMode, QStringLiteral("R"));
        QVERIFY(!w->link->session().PasswordChangeMode);
        // Nothing more went to the radio.
        QCOMPARE(running.SendBuffer, QByteArray("TQ-PROG"));
        if (scratch)
            QVERIFY(w->link->session().SendBuffer.isEmpty());
    }

    // A file whose channel 1 receives at "438.5000A": its open says what a
    // save or a write would drop; Write and Save ask first, Cancel the default.
    void writeAndSaveAskBeforeStoringOtherwiseThanShown() {
        Pty radio;
        start(radio.path().toLocal8Bit(), 1);
        QVERIFY(w->link->comm().isOpen());
        w->link->setTimerSwitch([](QTimer*, bool) {});
        EditorState plan = freshEditorState();
        plan.form1.grid.cells[1][1] = QStringLiteral("435.12500");
        applyNewChannelDefaults(plan.form1.grid, 1, 1);
        QByteArray image = buildImageBytes(plan);
        image.replace(0, 4, QByteArray::fromHex("0A008543"));
        QFile file(app->tempPath(QStringLiteral("odd.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ChannelFileSignature + image);
        file.close();
        app->answerFileDialogs({file.fileName()});
        w->mnuOpen->trigger();
        const QString listed = QStringLiteral("channel 1 RX frequency: 438.5000A → (empty)");
        QCOMPARE(app->messages.size(), 1);
        QVERIFY(app->messages[0].text.startsWith(QStringLiteral("What was loaded holds values")));
        QVERIFY(app->messages[0].details.startsWith(listed));

        const auto click = [this](const char* key) {
            QTest::mouseClick(w->Toolbar1->widgetForAction(w->toolbarButton(key)), Qt::LeftButton);
        };
        app->answerMessages({ResultCancel, ResultCancel});
        click("write");
        click("save");
        QCOMPARE(app->messages.size(), 3);
        for (int i : {1, 2}) {
            const bool save = i == 2;
            QCOMPARE(app->messages[i].text,
                     QStringLiteral("These values cannot be stored and would be %1 as shown on "
                                    "the right:")
                         .arg(QLatin1String(save ? "saved" : "written")));
            QVERIFY(app->messages[i].buttons.contains(
                QLatin1String(save ? "Save anyway" : "Write anyway")));
            QCOMPARE(app->messages[i].defaultButton, QStringLiteral("Cancel"));
            QVERIFY(app->messages[i].details.startsWith(listed));
        }
        QVERIFY(!w->link->session().running());
        QCOMPARE(app->fileDialogsShown, 1);

        const QString saved = app->tempPath(QStringLiteral("saved.dat"));
        app->answerMessages({ResultOk, ResultOk});
        app->answerFileDialogs({saved});
        click("save");
        QCOMPARE(readChannelFile(saved).imageHex.left(8), QStringLiteral("FFFFFFFF"));
        click("write");
        QByteArray sent;
        QTRY_VERIFY_WITH_TIMEOUT((sent += radio.readAvailable()) == "TQ-PROG", Timeout);
        QCOMPARE(app->messages.size(), 5);
    }

    // An earlier version took 20 characters and started the change with
    // them, while the radio keeps 16.
    void passwordBoxesHoldSixteenFilteredCharactersTypedOrPasted() {
        start(QByteArray(), 0);
        w->mnuPass->trigger();
        FormUsePass* f = w->formUsePass;
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const QString twenty = QStringLiteral("abcdefghij0123456789");
        for (QLineEdit* box : {f->Text1, f->Text2, f->Text3}) {
            box->setFocus();
            QTest::keyClicks(box, twenty);
            QCOMPARE(box->text(), twenty.left(16));
            // The filter comes first, then the cut to 16.
            box->clear();
            QApplication::clipboard()->setText(QStringLiteral(" ABCDEFGH12345678"));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), QStringLiteral("ABCDEFGH12345678"));
            // Pasting meets the key filter, as the key presses do.
            box->clear();
            QApplication::clipboard()->setText(QStringLiteral("pa ss#1-x"));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), QStringLiteral("pass1x"));
            QInputMethodEvent input;
            input.setCommitString(QStringLiteral("密码ab"));
            QApplication::sendEvent(box, &input);
            QCOMPARE(box->text(), QStringLiteral("pass1xab"));
        }
        f->Text2->clear();
        f->Text3->clear();
        QTest::keyClicks(f->Text2, twenty);
        QTest::keyClicks(f->Text3, twenty);
        QTest::mouseClick(f->Command3, Qt::LeftButton);
        QCOMPARE(w->state.values.commPassword, twenty.left(16));
    }

    // An earlier version let Ctrl+V put spaces and "#" into the password.
    void theMainPasswordBoxFiltersPastedText() {
        start(QByteArray(), 0);
        QLineEdit* text2 = w->Text2;
        text2->setFocus();
        QApplication::clipboard()->setText(QStringLiteral(" se cret#7 "));
        QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text2->text(), QStringLiteral("secret7"));
        QCOMPARE(w->state.values.commPassword, QStringLiteral("secret7"));
        // Pasting from the context menu presses no key; the password follows.
        text2->clear();
        QApplication::clipboard()->setText(QStringLiteral("a b.c!"));
        text2->paste();
        QCOMPARE(text2->text(), QStringLiteral("ab.c"));
        QCOMPARE(w->state.values.commPassword, QStringLiteral("ab.c"));
        QApplication::clipboard()->setText(QString(20, QLatin1Char('z')));
        text2->paste();
        QCOMPARE(text2->text().size(), 16);
        text2->clear();
        QApplication::clipboard()->setText(QStringLiteral(" ABCDEFGH12345678"));
        text2->paste();
        QCOMPARE(w->state.values.commPassword, QStringLiteral("ABCDEFGH12345678"));
        QInputMethodEvent input;
        input.setCommitString(QStringLiteral("对讲机"));
        text2->clear();
        QApplication::sendEvent(text2, &input);
        QVERIFY(text2->text().isEmpty());
        QCOMPARE(w->state.values.commPassword, QString());
    }
};

QTEST_MAIN(TestLinkForms)
#include "tst_link_forms.moc"
