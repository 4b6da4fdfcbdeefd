// The main window against the simulated radio through a real pseudo-terminal:
// reads and writes started from the toolbar and the shortcuts, the password
// change, a closed port, a radio that falls silent, a question of the load
// that stays open, a line that hangs up (and a fresh radio afterwards) and a
// port another program holds.

#include "support/AppFixture.h"
#include "support/SamplePlan.h"
#include "support/SimRadio.h"
#include "support/SimWindow.h"

#include "SoakPlan.h"

#include "channels/DropDownCombo.h"
#include "dialogs/DialogSet.h"
#include "dialogs/Form2.h"
#include "dialogs/Form4.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/ImageLayout.h"
#include "image/LoadImage.h"
#include "link/FormCOM.h"
#include "link/FormUsePass.h"
#include "link/SessionController.h"
#include "shell/LocalMsgBox.h"
#include "state/InitDefaults.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>

using namespace q716;
using namespace q716::e2e;
using q716test::AppFixture;

namespace {

// The addresses of the write blocks of each session, split at the end bytes.
QList<QList<int>> writeSessions(const QList<QByteArray>& received) {
    QList<QList<int>> sessions{{}};
    for (const QByteArray& m : received) {
        if (m == "E")
            sessions.append(QList<int>());
        else if (m.size() == 20 && m.at(0) == 'W' && m.at(3) == 0x10)
            sessions.last().append((uchar(m.at(1)) << 8) | uchar(m.at(2)));
    }
    sessions.removeAll(QList<int>{});
    return sessions;
}

QByteArray lastReceived(const SimRadio& sim) {
    const QList<QByteArray> received = sim.logged('>');
    return received.isEmpty() ? QByteArray() : received.last();
}

int openMessages(const QList<QByteArray>& received) {
    return int(received.count(QByteArray("TQ-PROG")));
}

int endBytes(const SimRadio& sim) {
    return int(sim.logged('>').count(QByteArray("E")));
}

// The load's question when the scan priority is "Fixed" and no channel is in use.
const QString FixedNeedsAChannel = QStringLiteral("当设定为‘固定’时信道不可为空，请重设！");

// Messages received by a full read: Open, Identify, Ack, 16 requests and
// their 16 acknowledgements, End.
constexpr int ReadMessages = 36;

// The tool tip a slot shows, asked for as the mouse would.
QString toolTipShown(QWidget* widget) {
    const QPoint at(2, 2);
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &event);
    return widget->toolTip();
}

QString dialogText(QWidget* dialog, const char* name) {
    return dialog->findChild<QLineEdit*>(QLatin1String(name))->text();
}

} // namespace

class TestLinkWindow : public QObject, private SimWindow {
    Q_OBJECT

    // The simulator on `memory` (created erased when missing), the window
    // started in English with COM1 remembered and COM1 the simulator's device.
    void start(const QString& name, const QStringList& simArgs = {},
               const QStringList& windowArgs = {}) {
        SimWindow::start(name, {}, simArgs, windowArgs);
        QVERIFY(w->formCOM->OptionCOM[0]->isChecked());
    }

    // The countdown after a successful end gives the controls back.
    void waitUntilIdle() {
        SimWindow::waitUntilIdle();
        QVERIFY(!w->Label->isVisible());
        QVERIFY(!w->ProgressBar1->isVisible());
    }

  private slots:
    void init() { openFixture(); }
    void cleanup() { closeAll(); }

    void readFillsTheTableAndTheDialogs();
    void writesSendThePlannedBlocksAndCalibrationOnlyWhenUnlocked();
    void passwordChangeWithTheRightOldPassword();
    void passwordChangeWithAWrongOldPassword();
    void closedPortChangesNothing();
    void silentRadioEndsWithTheCommunicationError();
    void questionOfTheLoadLetsNoWatchdogFireBehindIt();
    void hungUpLineEndsTheSessionAtOnce();
    void hungUpLineAfterTheEndClosesThePortQuietly();
    void hungUpLineMidSessionThenAFreshRadioWorks_data();
    void hungUpLineMidSessionThenAFreshRadioWorks();
    void portHeldByAnotherProgramSaysItIsInUse();
    void closingDuringASessionAsksAndEndsIt();
    void aReplugMovesTheCableAndTheNextReadFollowsIt();
};

void TestLinkWindow::readFillsTheTableAndTheDialogs() {
    const QByteArray image = buildImageBytes(windowPlan());
    QVERIFY(writeMemoryFile(path("read.mem"), image));
    start(QStringLiteral("read"));
    QVERIFY(!w->Label->isVisible());
    QCOMPARE(w->Grid1->item(0, 1)->text(), QString());

    w->mnulock->trigger();
    QVERIFY(!w->Frame1->isEnabled());
    clickToolbar("read");
    QVERIFY(!w->Toolbar1->isEnabled());
    QVERIFY(!w->mnupro->isEnabled());
    // A session opens the model frame of a locked window and focuses the band.
    QVERIFY(w->Frame1->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w->Combo1->hasFocus(), Timeout);
    QCOMPARE(w->Label->text(), QStringLiteral("Is communication, please later……"));
    // The shortcut of the disabled menu starts no second session.
    QTest::keyClick(w.get(), Qt::Key_R, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Read frequency success!"), Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(lastReceived(*sim), QByteArray("E"), Timeout);
    waitUntilIdle();
    QCOMPARE(openMessages(sim->logged('>')), 1);
    QCOMPARE(app->messages.size(), 0);

    // What the radio holds, spread over a fresh editor by the codec.
    EditorState expected = freshEditorState();
    expected.values.languageCode = 1;
    LoadImage(expected, QString::fromLatin1(sim->memory().mid(0x10, 0x400).toHex().toUpper()),
              [](const Message&) { return 1; });
    for (int r = 1; r <= ChannelCount; ++r)
        for (int c = 0; c < GridColumns; ++c)
            QCOMPARE(w->Grid1->item(r - 1, c)->text(), expected.form1.grid.cells[r][c]);
    QCOMPARE(w->Grid1->item(0, 1)->text(), QStringLiteral("435.12500"));
    QCOMPARE(w->Grid1->item(1, 2)->text(), QStringLiteral("D023N"));
    QCOMPARE(w->Combo9->currentIndex(), 7);
    QCOMPARE(w->Text2->text(), QStringLiteral("abc123"));
    QCOMPARE(dialogText(w->dialogs->form7(), "Text1"), QStringLiteral("FIELD UNIT 7"));
    QCOMPARE(dialogText(w->dialogs->form7(), "Text2"), QStringLiteral("Q716"));
    QCOMPARE(w->dialogs->form6()->findChild<QComboBox*>("Combo2")->currentIndex(), 3);
    QCOMPARE(w->dialogs->form2()->findChild<QSlider*>("Slider1")->value(), 200);
    auto* testGrid = w->dialogs->form4()->findChild<QTableWidget*>("mfgrid1");
    QCOMPARE(testGrid->item(0, 1)->text(), QStringLiteral("436.12500"));
    QCOMPARE(testGrid->item(0, 2)->text(), QStringLiteral("437.25000"));
    QCOMPARE(buildImageBytes(w->state), image);
    // The loaded editor keeps the window's lock.
    QVERIFY(!w->Frame1->isEnabled() && !w->Grid1->isEnabled());
}

void TestLinkWindow::writesSendThePlannedBlocksAndCalibrationOnlyWhenUnlocked() {
    QVERIFY(saveChannelFile(windowPlan(), path("plan.dat")).ok());
    start(QStringLiteral("write"), {}, {path("plan.dat")});
    QCOMPARE(w->Grid1->item(0, 1)->text(), QStringLiteral("435.12500"));
    const QByteArray built = buildImageBytes(w->state);

    QTest::keyClick(w.get(), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!w->Toolbar1->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Write frequency success!"),
                              Timeout);
    QCOMPARE(w->ProgressBar1->value(), 300);
    waitUntilIdle();

    w->state.values.debugUnlocked = true;
    w->state.values.highPowerLevel = 180;
    const QByteArray unlocked = buildImageBytes(w->state);
    clickToolbar("write");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Write frequency success!"),
                              Timeout);
    waitUntilIdle();
    QCOMPARE(app->messages.size(), 0);
    // Send repeats the send buffer, here the end byte of the last session.
    const auto ends = [this] { return sim->logged('>').count(QByteArray("E")); };
    const qsizetype endsBefore = ends();
    w->Send();
    QTRY_COMPARE_WITH_TIMEOUT(ends(), endsBefore + 1, Timeout);
    QVERIFY(sim->stop());

    const QList<QList<int>> sessions = writeSessions(sim->logged('>'));
    QCOMPARE(sessions.size(), 2);
    QCOMPARE(sessions[0], q716::soak::writeAddresses(false));
    QCOMPARE(sessions[1], q716::soak::writeAddresses(true));
    const QByteArray memory = sim->memory();
    for (int a : q716::soak::writeAddresses(false))
        QCOMPARE(memory.mid(a, 16), built.mid(a - 0x10, 16));
    QCOMPARE(memory.mid(0x0180, 16), unlocked.mid(0x0170, 16));
    QVERIFY(memory.mid(0x0180, 16) != built.mid(0x0170, 16));
    // Password, DTMF memories and test frequencies never travel in a write.
    QCOMPARE(memory.mid(0x01C0, 0x140), QByteArray(0x140, char(0xFF)));
}

void TestLinkWindow::passwordChangeWithTheRightOldPassword() {
    QVERIFY(writeMemoryFile(path("pass.mem"), buildImageBytes(windowPlan())));
    start(QStringLiteral("pass"));
    w->mnuPass->trigger();
    FormUsePass* f = w->formUsePass;
    QTRY_VERIFY_WITH_TIMEOUT(f->isVisible(), Timeout);
    QCOMPARE(f->Label1->text(), QStringLiteral("Old Password:"));
    QTest::keyClicks(f->Text1, QStringLiteral("abc123"));
    QTest::keyClicks(f->Text2, QStringLiteral("New.9x"));
    QTest::keyClicks(f->Text3, QStringLiteral("New.9x"));
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QCOMPARE(w->Text2->text(), QStringLiteral("abc123"));
    QCOMPARE(w->state.values.commPassword, QStringLiteral("New.9x"));
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(),
                              QStringLiteral("Communications password is changed successfully!"),
                              Timeout);
    waitUntilIdle();
    QCOMPARE(app->messages.size(), 0);
    QVERIFY(sim->stop());
    QByteArray expected("New.9x");
    expected.append(QByteArray(10, char(0xFF)));
    QCOMPARE(sim->memory().mid(0x01C0, 16), expected);
    // Nothing but the password block was written.
    QCOMPARE(writeSessions(sim->logged('>')), QList<QList<int>>{{0x01C0}});
}

void TestLinkWindow::passwordChangeWithAWrongOldPassword() {
    QVERIFY(writeMemoryFile(path("wrong.mem"), buildImageBytes(windowPlan())));
    start(QStringLiteral("wrong"));
    w->mnuPass->trigger();
    FormUsePass* f = w->formUsePass;
    QTest::keyClicks(f->Text1, QStringLiteral("abc124"));
    QTest::keyClicks(f->Text2, QStringLiteral("zzz"));
    QTest::keyClicks(f->Text3, QStringLiteral("zzz"));
    QTest::keyClick(f->Text3, Qt::Key_Return);
    QVERIFY(!f->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(app->messages.size(), 1, Timeout);
    QCOMPARE(app->messages[0].text, QStringLiteral("Password is not correct"));
    QVERIFY(!app->messages[0].hasIcon);
    QTRY_VERIFY_WITH_TIMEOUT(w->Toolbar1->isEnabled() && !w->link->Timer1->isActive() &&
                                 !w->link->Timer2->isActive(),
                             Timeout);
    QVERIFY(!w->Label->isVisible());
    // The end byte is on its way; the radio logs it when it arrives.
    QTRY_COMPARE_WITH_TIMEOUT(lastReceived(*sim), QByteArray("E"), Timeout);
    QVERIFY(sim->stop());
    QCOMPARE(sim->memory().mid(0x01C0, 16), buildImageBytes(windowPlan()).mid(0x01B0, 16));
    QCOMPARE(writeSessions(sim->logged('>')), QList<QList<int>>{});
}

void TestLinkWindow::closedPortChangesNothing() {
    // A device that is there but is no serial port.
    QVERIFY(writeMemoryFile(path("not-a-port"), {}));
    qputenv("Q716_PORTS", path("not-a-port").toLocal8Bit());
    app->writeParameter(QByteArray("\x00\x01\x01", 3));
    w = app->start();
    QVERIFY(!w->link->comm().isOpen());
    for (QRadioButton* b : w->formCOM->OptionCOM)
        QVERIFY(!b->isEnabled() && !b->isChecked());
    const QByteArray before = buildImageBytes(w->state);

    clickToolbar("read");
    QCOMPARE(app->messages.size(), 1);
    QCOMPARE(app->messages[0].text, PortNotOpen);
    QVERIFY(app->messages[0].hasIcon);
    QTest::keyClick(w.get(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(app->messages.size(), 2);
    QCOMPARE(app->messages[1].text, PortNotOpen);

    QVERIFY(w->Toolbar1->isEnabled());
    QVERIFY(w->mnupro->isEnabled());
    QVERIFY(!w->Label->isVisible());
    QVERIFY(!w->ProgressBar1->isVisible());
    QVERIFY(!w->link->Timer1->isActive() && !w->link->Timer2->isActive());
    QCOMPARE(buildImageBytes(w->state), before);
}

void TestLinkWindow::silentRadioEndsWithTheCommunicationError() {
    QVERIFY(writeMemoryFile(path("silent.mem"), buildImageBytes(windowPlan())));
    start(QStringLiteral("silent"), {QStringLiteral("--fault"), QStringLiteral("silent-after=6")});
    const QByteArray before = buildImageBytes(w->state);
    const QString firstCell = w->Grid1->item(0, 1)->text();

    clickToolbar("read");
    QTRY_COMPARE_WITH_TIMEOUT(app->messages.size(), 1, Timeout);
    QCOMPARE(app->messages[0].text, CommunicationError);
    QVERIFY(app->messages[0].hasIcon);
    QVERIFY(w->Toolbar1->isEnabled());
    QVERIFY(w->mnupro->isEnabled());
    QVERIFY(!w->Label->isVisible());
    QVERIFY(!w->ProgressBar1->isVisible());
    QVERIFY(!w->link->Timer1->isActive() && !w->link->Timer2->isActive());
    QCOMPARE(w->Grid1->item(0, 1)->text(), firstCell);
    QCOMPARE(buildImageBytes(w->state), before);
    // The session still says goodbye to the radio.
    QTRY_COMPARE_WITH_TIMEOUT(lastReceived(*sim), QByteArray("E"), Timeout);
}

void TestLinkWindow::questionOfTheLoadLetsNoWatchdogFireBehindIt() {
    EditorState plan = freshEditorState();
    plan.values.languageCode = 1;
    QByteArray image = buildImageBytes(plan);
    // No channel in use, and the scan priority "Fixed", which needs one.
    image.replace(0, 16 * ChannelRecordBytes, QByteArray(16 * ChannelRecordBytes, char(0xFF)));
    image[offsetOf(0x0160)] = 0x01;
    QVERIFY(writeMemoryFile(path("fixed.mem"), image));
    start(QStringLiteral("fixed"));

    QStringList shown;
    QByteArray lastSentWhenAsked;
    bool endArrivedWhileAsked = false;
    setMessageBoxAnswerer([&](QMessageBox& box) {
        shown.append(box.text());
        if (box.text() == FixedNeedsAChannel) {
            lastSentWhenAsked = w->link->session().SendBuffer;
            // The box's own event loop carries the end byte to the radio.
            endArrivedWhileAsked = QTest::qWaitFor([&] { return endBytes(*sim) == 1; }, Timeout);
            // The user takes more than three seconds to answer: the watchdog
            // and the blinker keep ticking behind the box.
            for (int i = 0; i < 7; ++i)
                w->link->timer1Tick();
            for (int i = 0; i < 3; ++i)
                w->link->timer2Tick();
            QCoreApplication::processEvents();
        }
        return int(ResultOk);
    });
    clickToolbar("read");
    QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, Timeout);
    QCOMPARE(shown.first(), FixedNeedsAChannel);
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Read frequency success!"), Timeout);
    waitUntilIdle();
    QCOMPARE(shown.size(), 1);
    // The session had ended before the question was asked, and ended once.
    QCOMPARE(lastSentWhenAsked, QByteArray("E"));
    QVERIFY(endArrivedWhileAsked);
    QCOMPARE(endBytes(*sim), 1);
    QCOMPARE(openMessages(sim->logged('>')), 1);
    // The load went on after the answer: "Fixed" without a channel became "No".
    QCOMPARE(w->state.form5.combo11, 0);
}

void TestLinkWindow::hungUpLineEndsTheSessionAtOnce() {
    QVERIFY(writeMemoryFile(path("hangup.mem"), buildImageBytes(windowPlan())));
    start(QStringLiteral("hangup"), {QStringLiteral("--fault"), QStringLiteral("hangup-after=5")});
    const QByteArray before = buildImageBytes(w->state);

    QStringList shown;
    bool portOpenAtTheMessage = true;
    setMessageBoxAnswerer([&](QMessageBox& box) {
        shown.append(box.text());
        portOpenAtTheMessage = w->link->comm().isOpen();
        return int(ResultOk);
    });
    clickToolbar("read");
    QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, Timeout);
    QCOMPARE(shown.first(), CommunicationError);
    // Reported because the port closed, not by the watchdog three seconds later.
    QVERIFY(!portOpenAtTheMessage);
    QVERIFY(!w->link->comm().isOpen());
    QVERIFY(w->Toolbar1->isEnabled() && w->mnupro->isEnabled());
    QVERIFY(!w->Label->isVisible());
    QVERIFY(!w->ProgressBar1->isVisible());
    QVERIFY(!w->link->Timer1->isActive() && !w->link->Timer2->isActive());
    QCOMPARE(buildImageBytes(w->state), before);

    clickToolbar("read");
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown.last().startsWith(CableGone));
}

void TestLinkWindow::hungUpLineAfterTheEndClosesThePortQuietly() {
    QVERIFY(writeMemoryFile(path("hangupend.mem"), buildImageBytes(windowPlan())));
    start(QStringLiteral("hangupend"),
          {QStringLiteral("--fault"), QStringLiteral("hangup-after=%1").arg(ReadMessages)});
    clickToolbar("read");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Read frequency success!"), Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(!w->link->comm().isOpen(), Timeout);
    waitUntilIdle();
    QCOMPARE(app->messages.size(), 0);
    QCOMPARE(buildImageBytes(w->state), buildImageBytes(windowPlan()));

    QTest::keyClick(w.get(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(app->messages.size(), 1);
    QVERIFY(app->messages[0].text.startsWith(CableGone));
}

void TestLinkWindow::hungUpLineMidSessionThenAFreshRadioWorks_data() {
    QTest::addColumn<bool>("read");
    QTest::addColumn<QStringList>("faults");
    // Messages received before the line closes: Open, Identify, Ack, then
    // requests and acknowledgements (read) or blocks (write).
    QTest::newRow("mid-read") << true << QStringList{"hangup-after=12"};
    QTest::newRow("mid-read, in the middle of a reply")
        << true << QStringList{"hangup-after=10", "hangup-cut=30"};
    QTest::newRow("mid-write") << false << QStringList{"hangup-after=15"};
    QTest::newRow("mid-write, the block never acknowledged")
        << false << QStringList{"hangup-after=20", "hangup-cut=0"};
}

void TestLinkWindow::hungUpLineMidSessionThenAFreshRadioWorks() {
    QFETCH(bool, read);
    QFETCH(QStringList, faults);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
    QVERIFY(writeMemoryFile(path(name + ".mem"), buildImageBytes(windowPlan())));
    QStringList simArgs;
    for (const QString& f : faults)
        simArgs << QStringLiteral("--fault") << f;
    start(name, simArgs);
    const QByteArray before = buildImageBytes(w->state);
    const QStringList gridBefore = [this] {
        QStringList texts;
        for (int r = 0; r < ChannelCount; ++r)
            for (int c = 0; c < GridColumns; ++c)
                texts << w->Grid1->item(r, c)->text();
        return texts;
    }();

    QStringList shown;
    bool portOpenAtTheMessage = true;
    setMessageBoxAnswerer([&](QMessageBox& box) {
        shown.append(box.text());
        portOpenAtTheMessage = w->link->comm().isOpen();
        return int(ResultOk);
    });
    if (read)
        clickToolbar("read");
    else
        QTest::keyClick(w.get(), Qt::Key_W, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, Timeout);
    QCOMPARE(shown.first(), CommunicationError);
    QVERIFY(!portOpenAtTheMessage);
    // Ended by the hang-up, not by the watchdog, which would also try an end byte.
    QVERIFY(w->link->session().SendBuffer != QByteArray("E"));
    // Idle, with nothing left that could report again: no timer runs and
    // the port is closed.
    QCoreApplication::processEvents();
    QCOMPARE(shown.size(), 1);
    QVERIFY(!w->link->comm().isOpen());
    QVERIFY(!w->link->Timer1->isActive() && !w->link->Timer2->isActive());
    QVERIFY(w->Toolbar1->isEnabled() && w->mnupro->isEnabled());
    QVERIFY(!w->Label->isVisible());
    QVERIFY(!w->ProgressBar1->isVisible());
    QCOMPARE(buildImageBytes(w->state), before);
    for (int r = 0, i = 0; r < ChannelCount; ++r)
        for (int c = 0; c < GridColumns; ++c, ++i)
            QCOMPARE(w->Grid1->item(r, c)->text(), gridBefore.at(i));
    // The simulator closed its side and ended, as an unplugged cable would.
    QTRY_VERIFY_WITH_TIMEOUT(sim->logged('>').size() >= faults.first().mid(13).toInt(), Timeout);
    QVERIFY(!sim->logged('>').contains(QByteArray("E")));

    // Another radio on a new pseudo-terminal (the system may reuse the old
    // one's name), chosen in the port dialog: the program was not restarted.
    EditorState otherPlan = windowPlan();
    otherPlan.form1.grid.cells[1][1] = QStringLiteral("446.00625");
    otherPlan.values.embeddedInfo[0] = QStringLiteral("FRESH RADIO");
    QVERIFY(writeMemoryFile(path(name + ".fresh.mem"), buildImageBytes(otherPlan)));
    SimRadio fresh(path(name + ".fresh.mem"), path(name + ".fresh.log"));
    QVERIFY2(fresh.start(), qPrintable(fresh.errorText()));
    qputenv("Q716_PORTS", fresh.devicePath().toLocal8Bit());
    w->mnucom->trigger();
    // The gone port keeps its slot, marked, unless the fresh one took its name.
    QList<QRadioButton*> enabled = w->formCOM->OptionCOM;
    enabled.removeIf([](QRadioButton* b) { return !b->isEnabled(); });
    QCOMPARE(enabled.size(), 1);
    QVERIFY(enabled.first()->text().contains(fresh.devicePath()));
    QTest::mouseClick(enabled.first(), Qt::LeftButton);
    QVERIFY(w->link->comm().isOpen());
    w->formCOM->hide();

    if (read) {
        clickToolbar("read");
        QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Read frequency success!"),
                                  Timeout);
        waitUntilIdle();
        QCOMPARE(buildImageBytes(w->state), buildImageBytes(otherPlan));
        QCOMPARE(w->Grid1->item(0, 1)->text(), QStringLiteral("446.00625"));
    } else {
        QTest::keyClick(w.get(), Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Write frequency success!"),
                                  Timeout);
        waitUntilIdle();
        QVERIFY(fresh.stop());
        const QByteArray memory = fresh.memory();
        for (int a : q716::soak::writeAddresses(false))
            QCOMPARE(memory.mid(a, 16), before.mid(a - 0x10, 16));
    }
    QCOMPARE(shown.size(), 1);
}

void TestLinkWindow::portHeldByAnotherProgramSaysItIsInUse() {
    sim = std::make_unique<SimRadio>(path("held.mem"), path("held.log"));
    QVERIFY2(sim->start(), qPrintable(sim->errorText()));
    QSerialPort holder(sim->devicePath());
    QVERIFY(holder.open(QIODevice::ReadWrite));
    qputenv("Q716_PORTS", sim->devicePath().toLocal8Bit());
    app->writeParameter(QByteArray("\x00\x01\x01", 3));
    w = app->start();
    QVERIFY(!w->link->comm().isOpen());
    QRadioButton* com1 = w->formCOM->OptionCOM[0];
    QVERIFY(!com1->isEnabled());
    QString tip = toolTipShown(com1);
    QVERIFY2(tip.contains(QStringLiteral("in use by another program")), qPrintable(tip));
    QVERIFY2(!tip.contains(QStringLiteral("usermod")), qPrintable(tip));
    // The tip follows the language.
    w->mnuChinese->trigger();
    tip = toolTipShown(com1);
    QVERIFY2(tip.contains(QStringLiteral("该端口正被其他程序占用")), qPrintable(tip));
    // A slot without a device has no tip.
    QCOMPARE(toolTipShown(w->formCOM->OptionCOM[1]), QString());
}

// Closing the window while a session runs asks first; closed anyway, the
// radio gets its end byte before the program goes, instead of staying in
// programming mode.
void TestLinkWindow::closingDuringASessionAsksAndEndsIt() {
    start(QStringLiteral("closing"), {QStringLiteral("--fault"), QStringLiteral("silent-after=3")});
    clickToolbar("read");
    QTRY_VERIFY_WITH_TIMEOUT(sim->logged('>').size() >= 4, Timeout);
    QVERIFY(w->link->running());
    app->answerMessages({ResultCancel, ResultOk});
    QVERIFY(!w->close());
    QVERIFY(w->link->running());
    QVERIFY(w->close());
    QCOMPARE(app->messages.size(), 2);
    QVERIFY(app->messages[0].text.contains("A session with the radio is running"));
    // The port goes with the window, as at the program's end.
    w.reset();
    QTRY_COMPARE_WITH_TIMEOUT(endBytes(*sim), 1, Timeout);
}

// A replugged cable comes back on another device under the same by-id link;
// the next read goes there without the port dialog.
void TestLinkWindow::aReplugMovesTheCableAndTheNextReadFollowsIt() {
    // The stable name of the cable, made as udev makes /dev/serial/by-id links.
    const QString link = path("usb-cable-by-id");
    sim = std::make_unique<SimRadio>(path("first.mem"), path("first.log"));
    QVERIFY2(sim->start(), qPrintable(sim->errorText()));
    QVERIFY(QFile::link(sim->devicePath(), link));
    qputenv("Q716_PORTS", link.toLocal8Bit());
    app->writeParameter(QByteArray("\x00\x01\x01", 3));
    w = app->start();
    QCOMPARE(w->link->comm().openLocation(), sim->devicePath());

    EditorState plan = windowPlan();
    plan.values.embeddedInfo[0] = QStringLiteral("REPLUGGED");
    QVERIFY(writeMemoryFile(path("second.mem"), buildImageBytes(plan)));
    // Started while the first still holds its device, so it gets another name.
    SimRadio second(path("second.mem"), path("second.log"));
    QVERIFY2(second.start(), qPrintable(second.errorText()));
    QVERIFY(second.devicePath() != sim->devicePath());
    QVERIFY(sim->stop());
    QTRY_VERIFY_WITH_TIMEOUT(!w->link->comm().isOpen(), Timeout);
    QVERIFY(QFile::remove(link) && QFile::link(second.devicePath(), link));

    clickToolbar("read");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Read frequency success!"), Timeout);
    SimWindow::waitUntilIdle();
    QCOMPARE(app->messages.size(), 0);
    QCOMPARE(buildImageBytes(w->state), buildImageBytes(plan));
    QCOMPARE(w->link->comm().openLocation(), second.devicePath());
    QVERIFY(w->Label->isVisible());
    QCOMPARE(w->Label->text(), QStringLiteral("Programming cable found again, now using COM1 (%1)")
                                   .arg(second.devicePath()));
    QVERIFY(second.stop());
}

QTEST_MAIN(TestLinkWindow)
#include "tst_link_window.moc"
