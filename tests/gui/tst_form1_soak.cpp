// The main window under the soak: the real Form1 with its SessionController
// against the in-process radio, Timer1 and Timer2 ticking on a virtual clock,
// sessions started from the toolbar, the shortcuts and the password dialog,
// each with a random fault schedule. Message boxes, the load's questions
// among them, stay open for a while as the clock goes on. After each session
// the controls, the timers, the messages shown, the editor and the radio must
// agree with how the engine ended it. Q716_WINDOW_SOAK_SESSIONS and
// Q716_WINDOW_SOAK_SEED choose how many and which.

#include "support/AppFixture.h"

#include "SoakPlan.h"
#include "SoakSteps.h"
#include "SoakTally.h"

#include "Radio.h"
#include "VirtualCable.h"
#include "VirtualClock.h"

#include "compare/StoredValues.h"
#include "edit/EditHistory.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "link/FormUsePass.h"
#include "link/LinkTexts.h"
#include "link/SessionController.h"
#include "link/SessionPort.h"
#include "shell/LocalMsgBox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include <cstdio>
#include <memory>
#include <utility>

using namespace q716;
using namespace q716::soak;
using q716sim::Radio;
using q716sim::RadioMemory;
using q716sim::VirtualCable;
using q716sim::VirtualClock;
using q716sim::VirtualTimer;
using q716test::AppFixture;

namespace {

// The offscreen platform says on every showing of the password dialog that
// it cannot raise it; hundreds of those lines hide what matters.
QtMessageHandler testHandler = nullptr;

void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        testHandler(type, context, text);
}

// The radio's end of a cable plugged into the window in MSComm1's place: it
// calls the controller as MSComm1's signals do. The program's serial port
// reports no breaks, so a break reaches the window as its junk byte only.
class InProcessPort : public SessionPort {
  public:
    InProcessPort(VirtualClock& clock, SessionController& link) : clock_(clock), link_(link) {}

    void plugIn(const QByteArray& memory, const SessionPlan& plan) {
        cable_.reset();
        radio_ = std::make_unique<Radio>(RadioMemory(memory), plan.faults);
        cable_ =
            std::make_unique<VirtualCable>(clock_, *radio_,
                                           VirtualCable::ProgramEnd{[this](const QByteArray& b) {
                                                                        buffer_ += b;
                                                                        link_.received();
                                                                    },
                                                                    {},
                                                                    [this] {
                                                                        open_ = false;
                                                                        link_.portLost();
                                                                    }},
                                           plan.latencyMs);
        open_ = true;
        buffer_.clear();
        sent.clear();
        sentWhileClosed = 0;
    }

    bool isOpen() const override { return open_; }
    void output(const QByteArray& bytes) override {
        if (!open_) {
            ++sentWhileClosed;
            return;
        }
        sent.append(bytes);
        cable_->write(bytes);
    }
    QByteArray input() override { return std::exchange(buffer_, {}); }

    const Radio& radio() const { return *radio_; }
    bool deliveredToRadio() const { return cable_->deliveredToRadio(); }

    QList<QByteArray> sent;
    int sentWhileClosed = 0;

  private:
    VirtualClock& clock_;
    SessionController& link_;
    std::unique_ptr<Radio> radio_;
    std::unique_ptr<VirtualCable> cable_;
    QByteArray buffer_;
    bool open_ = false;
};

QStringList gridTexts(const QTableWidget* grid) {
    QStringList texts;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            texts << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
    return texts;
}

} // namespace

class TestForm1Soak : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    std::unique_ptr<Form1> w;
    VirtualClock clock;
    std::unique_ptr<VirtualTimer> timer1, timer2;
    std::unique_ptr<InProcessPort> port;

    // What the current session showed and how it ended.
    QStringList shown;
    QStringList problems;
    int succeeded = 0;
    int failed = 0;
    qint64 succeededAt = -1;
    bool portOpenAtVerdict = true;
    int answerDelayMs = 0;
    int questionsAnswered = 0;
    SessionPlan plan;

    void problem(const QString& text) { problems << text; }

    bool controlsEnabled() const {
        return w->Toolbar1->isEnabled() && w->mnupro->isEnabled() &&
               w->toolbarButton(QStringLiteral("read"))->isEnabled() &&
               w->toolbarButton(QStringLiteral("write"))->isEnabled();
    }
    bool controlsDisabled() const {
        return !w->Toolbar1->isEnabled() && !w->mnupro->isEnabled() &&
               !w->toolbarButton(QStringLiteral("read"))->isEnabled() &&
               !w->toolbarButton(QStringLiteral("write"))->isEnabled();
    }
    bool gridShowsTheEditor() const {
        for (int r = 1; r <= ChannelCount; ++r)
            for (int c = 0; c < GridColumns; ++c)
                if (w->Grid1->item(r - 1, c)->text() != w->state.form1.grid.cells[r][c])
                    return false;
        return true;
    }
    bool qtTimersIdle() const {
        return !w->link->Timer1->isActive() && !w->link->Timer2->isActive();
    }

    // What the window shows the moment the engine has ended the session.
    void atVerdict(bool ok) {
        ++(ok ? succeeded : failed);
        if (ok)
            succeededAt = clock.now();
        portOpenAtVerdict = port->isOpen();
        if (!qtTimersIdle())
            problem(QStringLiteral("a QTimer runs beside the virtual clock"));
        if (w->ProgressBar1->isVisible())
            problem(QStringLiteral("the progress bar shows at the end"));
        if (timer1->isActive())
            problem(QStringLiteral("Timer1 runs after the end"));
        if (ok) {
            if (w->Label->text() != successCaption(plan))
                problem(QStringLiteral("Label reads \"%1\"").arg(w->Label->text()));
            // The countdown runs from the end byte on, ten ticks of 200 ms; a
            // question of the load that stayed open that long has seen it end.
            const bool countingDown = shown.size() * answerDelayMs < CountdownMs - 200;
            if (countingDown && !timer2->isActive())
                problem(QStringLiteral("no countdown after a success"));
            if (countingDown && plan.kind != SessionKind::Password && !controlsDisabled())
                problem(QStringLiteral("the controls are back before the countdown"));
            return;
        }
        if (timer2->isActive() || w->Label->isVisible())
            problem(QStringLiteral("the blinker runs after a failure"));
        if (!controlsEnabled())
            problem(QStringLiteral("the controls stay disabled after a failure"));
        if (shown.size() != 1)
            problem(QStringLiteral("%1 messages by the end of a failure").arg(shown.size()));
    }

    void startSession() {
        const int way = plan.latencyMs % 2; // toolbar or keyboard, spread over the sessions
        switch (plan.kind) {
        case SessionKind::Read:
        case SessionKind::Write: {
            const bool read = plan.kind == SessionKind::Read;
            // The soak keeps no channel file: what a read replaces counts as saved,
            // so no question about unsaved changes stands before the session.
            w->history->markSaved();
            if (way == 0) {
                QWidget* button = w->Toolbar1->widgetForAction(
                    w->toolbarButton(read ? QStringLiteral("read") : QStringLiteral("write")));
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                QTest::keyClick(w.get(), read ? Qt::Key_R : Qt::Key_W, Qt::ControlModifier);
            }
            break;
        }
        case SessionKind::Password: {
            w->mnuPass->trigger();
            FormUsePass* f = w->formUsePass;
            for (QLineEdit* box : {f->Text1, f->Text2, f->Text3})
                box->clear();
            QTest::keyClicks(f->Text1, plan.oldPassword);
            QTest::keyClicks(f->Text2, plan.newPassword);
            QTest::keyClicks(f->Text3, plan.newPassword);
            if (way == 0)
                QTest::mouseClick(f->Command3, Qt::LeftButton);
            else
                QTest::keyClick(f->Text3, Qt::Key_Return);
            if (f->isVisible())
                problem(QStringLiteral("the password dialog stayed open"));
            break;
        }
        }
    }

    // Runs the session; returns how it ended. `memory` becomes the radio's.
    Outcome runSession(QByteArray& memory, bool inCountdown, bool& leftInCountdown,
                       qint64& virtualMs);

  private slots:
    void windowUnderTheSoak();
};

Outcome TestForm1Soak::runSession(QByteArray& memory, bool inCountdown, bool& leftInCountdown,
                                  qint64& virtualMs) {
    shown.clear();
    problems.clear();
    succeeded = failed = 0;
    succeededAt = -1;
    questionsAnswered = 0;
    answerDelayMs = plan.answerDelayMs;
    const bool early = plan.startsDuringCountdown && inCountdown;
    if (!early && (!controlsEnabled() || timer1->isActive() || timer2->isActive() ||
                   w->Label->isVisible() || w->ProgressBar1->isVisible()))
        problem(QStringLiteral("the window is not idle before the start"));

    if (plan.newEditorImage) {
        loadImageBytes(w->state, *plan.newEditorImage, {});
        w->refreshFromState();
    }
    if (w->state.values.languageCode != plan.languageCode)
        (plan.languageCode == 1 ? w->mnuEnglish : w->mnuChinese)->trigger();
    if (plan.kind == SessionKind::Write)
        w->state.values.debugUnlocked = plan.debugUnlocked;
    const QByteArray memoryBefore = memory;
    port->plugIn(memory, plan);
    EditorState editorBefore = w->state;
    if (plan.kind == SessionKind::Password) {
        // What the dialog's Create sets before it starts the session.
        editorBefore.form1.text2 = plan.oldPassword;
        editorBefore.values.commPassword = plan.newPassword;
    }
    const QByteArray imageBefore = buildImageBytes(editorBefore);
    const QStringList gridBefore = gridTexts(w->Grid1);

    const qint64 startedAt = clock.now();
    startSession();
    // A write of values the image cannot hold asks first ("Write anyway").
    QStringList asked;
    if (const QList<FieldDifference> lost = valuesNotStored(editorBefore);
        plan.kind == SessionKind::Write && !lost.isEmpty())
        asked << notStoredQuestion(WayOut::Write, lost, plan.languageCode).text;
    if (shown.mid(0, asked.size()) != asked)
        problem(QStringLiteral("the start showed %1").arg(shown.join(QLatin1String(" | "))));
    shown = shown.mid(asked.size());
    if (port->sent != QList<QByteArray>{"TQ-PROG"} || !timer1->isActive() || !timer2->isActive())
        problem(QStringLiteral("the session did not start"));
    if (w->Label->text() != linktext::busy(plan.languageCode))
        problem(QStringLiteral("Label reads \"%1\" at the start").arg(w->Label->text()));
    if (plan.kind != SessionKind::Password && !controlsDisabled())
        problem(QStringLiteral("the controls stay enabled during a session"));
    if (buildImageBytes(w->state) != imageBefore)
        problem(QStringLiteral("the start changed the editor"));

    const ClockEnd end = runSessionClock(clock, plan, startedAt, [&] {
        return plan.passwordChangeDuringCountdownMs >= 0 && succeeded == 1 &&
               w->link->session().SessionEnded &&
               clock.nextDue() > succeededAt + plan.passwordChangeDuringCountdownMs &&
               port->deliveredToRadio();
    });
    leftInCountdown = end == ClockEnd::LeftInCountdown;
    if (end == ClockEnd::TimedOut)
        problem(QStringLiteral("still running %1 ms after the start").arg(sessionTimeLimit(plan)));
    virtualMs = clock.now() - startedAt;

    if (!leftInCountdown && (!controlsEnabled() || timer1->isActive() || timer2->isActive() ||
                             w->Label->isVisible() || w->ProgressBar1->isVisible()))
        problem(QStringLiteral("the window is not idle after the session"));
    if (!qtTimersIdle())
        problem(QStringLiteral("a QTimer runs beside the virtual clock"));
    if (port->sentWhileClosed > 0)
        problem(QStringLiteral("sent on a closed port"));
    const int ends = int(port->sent.count(QByteArray("E")));

    Outcome outcome = Outcome::CommunicationError;
    const QByteArray after = port->radio().memory().bytes();
    if (succeeded == 1 && failed == 0) {
        if (ends != 1 || port->sent.last() != "E")
            problem(QStringLiteral("%1 end bytes after a success").arg(ends));
        QStringList questions;
        EditorState expected = editorBefore;
        const QByteArray intended = afterSuccess(plan, memoryBefore, expected, questions);
        // The window then tells once what the read brought that a save or a
        // write cannot keep.
        if (plan.kind == SessionKind::Read)
            if (const QList<FieldDifference> lost = valuesNotStored(expected); !lost.isEmpty())
                questions << notStoredNotice(lost, plan.languageCode).text;
        questionsAnswered = int(questions.size());
        if (shown != questions)
            problem(QStringLiteral("a success showed %1").arg(shown.join(QLatin1String(" | "))));
        if (buildImageBytes(w->state) != buildImageBytes(expected))
            problem(QStringLiteral("the editor is not what the session brought"));
        if (!gridShowsTheEditor())
            problem(QStringLiteral("the table does not show the editor"));
        outcome = after == intended ? Outcome::Success : Outcome::UndetectedCorruption;
    } else if (failed == 1 && succeeded == 0) {
        const QString refused = linktext::passwordIncorrect(plan.languageCode).text;
        const QString error = linktext::communicationError(plan.languageCode).text;
        if (shown == QStringList{refused})
            outcome = Outcome::PasswordRefused;
        else if (shown != QStringList{error})
            problem(QStringLiteral("a failure showed %1").arg(shown.join(QLatin1String(" | "))));
        if (portOpenAtVerdict ? (ends != 1 || port->sent.last() != "E") : ends != 0)
            problem(QStringLiteral("%1 end bytes, port %2 at the failure")
                        .arg(ends)
                        .arg(portOpenAtVerdict ? "open" : "hung up"));
        if (buildImageBytes(w->state) != imageBefore || gridTexts(w->Grid1) != gridBefore)
            problem(QStringLiteral("a failed session changed the editor"));
    } else {
        problem(QStringLiteral("%1 successes and %2 failures").arg(succeeded).arg(failed));
    }
    if (!outcomeExpected(plan.expect, outcome))
        problem(QStringLiteral("ended as %1").arg(outcomeName(outcome)));
    memory = after;
    return outcome;
}

void TestForm1Soak::windowUnderTheSoak() {
    const int sessions = envNumber("Q716_WINDOW_SOAK_SESSIONS", 200);
    const quint32 seed = quint32(envNumber("Q716_WINDOW_SOAK_SEED", 716));
    testHandler = qInstallMessageHandler(quietOffscreenNotes);
    app = std::make_unique<AppFixture>();
    app->writeParameter(QByteArray("\x00\x00\x01", 3));
    w = app->start();
    timer1 = std::make_unique<VirtualTimer>(clock, 500, [this] { w->link->timer1Tick(); });
    timer2 = std::make_unique<VirtualTimer>(clock, 200, [this] { w->link->timer2Tick(); });
    w->link->setTimerSwitch([this](QTimer* timer, bool on) {
        VirtualTimer& t = timer == w->link->Timer1 ? *timer1 : *timer2;
        on ? t.start() : t.stop();
    });
    port = std::make_unique<InProcessPort>(clock, *w->link);
    w->link->setPort(port.get());
    connect(w->link, &SessionController::sessionFinished, this, [this](bool ok) { atVerdict(ok); });
    setMessageBoxAnswerer([this](QMessageBox& box) {
        shown << box.text();
        // The user reads the box for a while; the clock, the timers and the
        // line go on behind it.
        clock.advance(answerDelayMs);
        return int(ResultOk);
    });

    Planner planner(seed);
    SoakTally tally;
    QByteArray memory;
    bool inCountdown = false;
    for (int i = 1; i <= sessions; ++i) {
        plan = planner.next(memory);
        // The program's serial port reports no breaks: the junk byte that
        // comes with one is taken as part of the reply, which then fails.
        if (plan.mode == FaultMode::Break)
            plan.expect = Expect::Failure;
        if (plan.newRadioMemory)
            memory = *plan.newRadioMemory;
        const bool startsInCountdown = plan.startsDuringCountdown && inCountdown;
        qint64 virtualMs = 0;
        const Outcome outcome = runSession(memory, inCountdown, inCountdown, virtualMs);
        if (!problems.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, session %2: %3\n  %4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(plan.describe(), problems.join(QLatin1String("\n  ")))));
        tally.add(plan, outcome, virtualMs, startsInCountdown, questionsAnswered);
    }
    std::printf("%s", qPrintable(tally.table()));
    // The default seed's sessions ask the load's question, and start a
    // password change during a countdown.
    QVERIFY(tally.questions() > 0);
    qInstallMessageHandler(testHandler);
    setMessageBoxAnswerer({});
    w->link->setPort(nullptr);
    w->link->setTimerSwitch({});
    w.reset();
    app.reset();
}

QTEST_MAIN(TestForm1Soak)
#include "tst_form1_soak.moc"
