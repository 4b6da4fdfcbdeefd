// The Edit menu with real keys and mouse: undo and redo of the band change,
// the read and the cells, the [*] mark and the quit question, channels
// selected through the heading column, the row operations from the keyboard
// and the context menu, and copy and paste through the clipboard.
#include "support/AppFixture.h"
#include "support/GridDriver.h"

#include "Radio.h"
#include "VirtualCable.h"
#include "VirtualClock.h"

#include "channels/ChannelClipboard.h"
#include "channels/ChannelTable.h"
#include "channels/DropDownCombo.h"
#include "channels/RowSelection.h"
#include "edit/EditHistory.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "link/SessionController.h"
#include "link/SessionPort.h"
#include "state/InitDefaults.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>

using namespace q716test;
using q716::ResultCancel;
using q716::ResultNo;
using q716::ResultOk;
using q716::ResultYes;

namespace {

// The radio's end of an in-process cable in MSComm1's place.
class InProcessPort : public q716::SessionPort {
  public:
    InProcessPort(q716sim::VirtualClock& clock, q716::SessionController& link,
                  const QByteArray& memory)
        : radio_(q716sim::RadioMemory(memory)), cable_(clock, radio_,
                                                       {[this, &link](const QByteArray& b) {
                                                            buffer_ += b;
                                                            link.received();
                                                        },
                                                        {},
                                                        [] {}}) {}
    bool isOpen() const override { return true; }
    void output(const QByteArray& bytes) override { cable_.write(bytes); }
    QByteArray input() override { return std::exchange(buffer_, {}); }

  private:
    q716sim::Radio radio_;
    q716sim::VirtualCable cable_;
    QByteArray buffer_;
};

// An open port that only keeps what is sent.
class OpenPort : public q716::SessionPort {
  public:
    bool isOpen() const override { return true; }
    void output(const QByteArray& bytes) override { sent += bytes; }
    QByteArray input() override { return {}; }
    QByteArray sent;
};

// The receive frequencies of the channel table, channel 1 first.
QStringList receiveColumn(q716::Form1& w) {
    QStringList rx;
    for (int row = 1; row <= q716::ChannelCount; ++row)
        rx << cell(w, row, 1);
    return rx;
}

} // namespace

class TestEdit : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;

    void startIn(int language) {
        fx.reset();
        w.reset();
        fx = std::make_unique<AppFixture>();
        fx->writeParameter(QByteArray("\0\0", 2) + char(language));
        w = fx->start();
    }
    void ctrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier | more);
    }
    void clickHeading(int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(w->Grid1->viewport(), Qt::LeftButton, mods, cellCentre(*w, row, 0));
    }
    // Opens the grid's context menu on a cell, and clicks `action` in it.
    void contextMenuChoice(int row, int col, QAction* action) {
        bool clicked = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(w->gridMenu->isVisible());
            QVERIFY(action->isEnabled());
            QTest::mouseClick(w->gridMenu, Qt::LeftButton, {},
                              w->gridMenu->actionGeometry(action).center());
            clicked = true;
        });
        const QPoint at = cellCentre(*w, row, col);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                w->Grid1->viewport()->mapToGlobal(at));
        QApplication::sendEvent(w->Grid1->viewport(), &event);
        QVERIFY(clicked);
        // The offscreen platform gives the window back no activation of its
        // own once the menu has closed, as a desktop does.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void fillChannels(std::initializer_list<int> rows) {
        for (int row : rows)
            typeIntoCell(*w, row, 1, QString::number(400 + row));
    }

  private slots:
    void cleanup() {
        w.reset();
        fx.reset();
    }

    // Ctrl+Z after a band change brings the cleared channels back.
    void undoBandChangeRestoresTheChannels() {
        startIn(1);
        fillChannels({1, 2, 16});
        const QByteArray before = q716::buildImageBytes(w->state);
        fx->answerMessages({ResultOk});
        QTest::mouseClick(w->Combo1, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->Combo1->view()->isVisible(), 2000);
        chooseListItem(w->Combo1, 5);
        QCOMPARE(fx->messages.size(), 1);
        QCOMPARE(cell(*w, 1, 1), QString());
        QCOMPARE(w->mnuUndo->text(), QString("&Undo Band change"));
        w->Grid1->setFocus();
        ctrl(Qt::Key_Z);
        QCOMPARE(receiveColumn(*w)[15], QString("416.00000"));
        QCOMPARE(cell(*w, 2, 1), QString("402.00000"));
        QCOMPARE(w->Combo1->currentIndex(), 0);
        QCOMPARE(q716::buildImageBytes(w->state), before);
        QCOMPARE(w->mnuRedo->text(), QString("&Redo Band change"));
        ctrl(Qt::Key_Z, Qt::ShiftModifier);
        QCOMPARE(cell(*w, 2, 1), QString());
        QCOMPARE(w->Combo1->currentIndex(), 5);
    }

    // Ctrl+Z after a read from the radio gives back the table of before.
    void undoReadRestoresTheEarlierTable() {
        startIn(1);
        fillChannels({3});
        const QByteArray before = q716::buildImageBytes(w->state);

        q716::EditorState radioState = w->state;
        radioState.form1.grid.cells[7][1] = QStringLiteral("446.00625");
        q716::applyNewChannelDefaults(radioState.form1.grid, 7, 1);
        radioState.form1.grid.cells[3][1].clear();
        q716sim::VirtualClock clock;
        q716sim::VirtualTimer timer1(clock, 500, [this] { w->link->timer1Tick(); });
        q716sim::VirtualTimer timer2(clock, 200, [this] { w->link->timer2Tick(); });
        w->link->setTimerSwitch([&](QTimer* timer, bool on) {
            q716sim::VirtualTimer& t = timer == w->link->Timer1 ? timer1 : timer2;
            on ? t.start() : t.stop();
        });
        InProcessPort port(clock, *w->link,
                           QByteArray(0x10, char(0xFF)) + q716::buildImageBytes(radioState));
        w->link->setPort(&port);
        bool finished = false;
        connect(w->link, &q716::SessionController::sessionFinished, this,
                [&](bool ok) { finished = ok; });
        w->Grid1->setFocus();
        fx->answerMessages({ResultNo}); // the filled channel is not saved
        ctrl(Qt::Key_R);
        for (int ms = 0; ms < 60000 && !finished; ms += 10)
            clock.advance(10);
        clock.advance(5000); // the countdown after the session
        w->link->setPort(nullptr);
        w->link->setTimerSwitch({});
        QVERIFY(finished);
        QCOMPARE(cell(*w, 7, 1), QString("446.00625"));
        QCOMPARE(cell(*w, 3, 1), QString());
        QCOMPARE(w->mnuUndo->text(), QString("&Undo Read from radio"));

        ctrl(Qt::Key_Z);
        QCOMPARE(cell(*w, 3, 1), QString("403.00000"));
        QCOMPARE(cell(*w, 7, 1), QString());
        QCOMPARE(q716::buildImageBytes(w->state), before);
        ctrl(Qt::Key_Y);
        QCOMPARE(cell(*w, 7, 1), QString("446.00625"));
    }

    // The caption marks unsaved changes: after an edit, not after a save, and
    // again after an undo past the save.
    void captionMarksUnsavedChanges() {
        startIn(1);
        QCOMPARE(shownTitle(*w), QString("Q716S Radio Software V1.00"));
        QVERIFY(!w->isWindowModified());
        fillChannels({1});
        QVERIFY(w->isWindowModified());
        QCOMPARE(shownTitle(*w), QString("Q716S Radio Software V1.00*"));

        const QString path = fx->tempPath("one.DAT");
        fx->answerFileDialogs({path});
        w->Grid1->setFocus();
        QTest::mouseClick(w->Grid1->viewport(), Qt::LeftButton, {}, cellCentre(*w, 1, 5));
        chooseListItem(w->Combo5(5), 0); // one more step before the save
        w->mnuAssave->trigger();
        QVERIFY(!w->isWindowModified());
        QCOMPARE(shownTitle(*w), "Q716A-" + QDir::toNativeSeparators(path));

        w->Grid1->setFocus();
        ctrl(Qt::Key_Z);
        QVERIFY(w->isWindowModified());
        QCOMPARE(shownTitle(*w), "Q716A-" + QDir::toNativeSeparators(path) + "*");
        ctrl(Qt::Key_Y);
        QVERIFY(!w->isWindowModified());

        // A language switch is no change.
        w->mnuChinese->trigger();
        QVERIFY(!w->isWindowModified());
        QCOMPARE(w->mnuUndo->text(), QString("撤销(&U) 信道 1 功率"));
    }

    // Quit, New, Open and Read with unsaved changes first ask Save, Discard
    // or Cancel; Cancel leaves the command undone, Save saves first.
    void unsavedChangesAreAskedAboutFirst() {
        struct Command {
            QAction* q716::Form1::*action;
            QString question;
        };
        struct Case {
            int answer;
            bool carriedOut;
            bool saved;
        };
        for (const Command& command : {Command{&q716::Form1::mnuQuit, "退出前要保存吗"},
                                       Command{&q716::Form1::mnuNew, "清除信道前要保存吗"},
                                       Command{&q716::Form1::mnuOpen, "打开另一个文件前要保存吗"},
                                       Command{&q716::Form1::mnureadFre, "读频前要保存吗"}}) {
            for (const Case c : {Case{ResultCancel, false, false}, Case{ResultNo, true, false},
                                 Case{ResultYes, true, true}}) {
                startIn(0);
                OpenPort port;
                w->link->setPort(&port);
                fillChannels({2});
                const QString path = fx->tempPath("unsaved.DAT");
                const QString other = fx->tempPath("other.DAT");
                QVERIFY(q716::saveChannelFile(q716::freshEditorState(), other).ok());
                fx->answerFileDialogs(c.saved ? QStringList{path, other} : QStringList{other});
                fx->answerMessages({c.answer});
                (w.get()->*command.action)->trigger();
                QCOMPARE(fx->messages.size(), 1);
                QStringList buttons = fx->messages[0].buttons;
                buttons.sort();
                QCOMPARE(buttons, (QStringList{"不保存", "保存", "取消"}));
                QCOMPARE(fx->messages[0].defaultButton, QString("保存"));
                QVERIFY(fx->messages[0].text.contains(command.question));
                QCOMPARE(QFileInfo::exists(path), c.saved);
                const bool carriedOut =
                    !w->isVisible() || cell(*w, 2, 1).isEmpty() || port.sent.startsWith("TQ-PROG");
                QCOMPARE(carriedOut, c.carriedOut);
                w->link->setPort(nullptr);
            }
        }
        // Nothing to lose: no question.
        startIn(1);
        w->close();
        QVERIFY(fx->messages.isEmpty());
        QVERIFY(!w->isVisible());
    }

    // Channels are selected through the heading column; a click on a cell
    // still opens its editor.
    void headingColumnSelectsChannels() {
        startIn(1);
        fillChannels({1, 2, 3, 4, 5});
        clickHeading(2);
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{2}));
        QVERIFY(!w->Text1->isVisible());
        clickHeading(4, Qt::ShiftModifier);
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{2, 3, 4}));
        clickHeading(3, Qt::ControlModifier);
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{2, 4}));
        QCOMPARE(w->selectedChannels(), (q716::ChannelRows{2, 4}));
        QVERIFY(!w->Text1->isVisible() && !w->Combo8->isVisible());

        clickHeading(1);
        QTest::keyClick(w->Grid1, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(w->Grid1, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{1, 2, 3}));
        QTest::keyClick(w->Grid1, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{1, 2}));

        // A cell click opens its editor as before and leaves the selection.
        clickCell(*w, 5, 3);
        QVERIFY(w->Text1->isVisible());
        QCOMPARE(w->EditRow, 5);
        QCOMPARE(w->EditCol, 3);
        QVERIFY(w->rowSelection->isEmpty());
        QTest::keyClick(w->Text1, Qt::Key_Return);
    }

    // The row operations from the keyboard, each one step to undo.
    void rowOperationsFromTheKeyboard() {
        startIn(1);
        fillChannels({1, 2, 3});
        w->state.values.optionValues.priorityMode.text = "1";
        w->state.values.optionValues.preferredChannel.text = "1";
        clickHeading(1);
        ctrl(Qt::Key_Down);
        ctrl(Qt::Key_Down);
        QCOMPARE(receiveColumn(*w).mid(0, 3), (QStringList{"402.00000", "403.00000", "401.00000"}));
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{3}));
        QCOMPARE(w->state.values.optionValues.preferredChannel.text,
                 QString("3"));                    // the priority channel follows
        QTest::keyClick(w->Grid1, Qt::Key_Delete); // clear
        QCOMPARE(cell(*w, 3, 1), QString());
        QCOMPARE(w->state.values.optionValues.preferredChannel.text,
                 QString("1")); // as for Delete: the first in use
        clickHeading(2);
        QTest::keyClick(w->Grid1, Qt::Key_Insert);
        QCOMPARE(w->history->stack()->count(), 3 + 4);
        QCOMPARE(w->mnuUndo->text(), QString("&Undo Insert empty channel"));
        clickHeading(1);
        QTest::keyClick(w->Grid1, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(receiveColumn(*w).mid(0, 2), (QStringList{"", "403.00000"}));
        for (int i = 0; i < 4; ++i)
            ctrl(Qt::Key_Z);
        QCOMPARE(receiveColumn(*w).mid(0, 3), (QStringList{"402.00000", "401.00000", "403.00000"}));
        QCOMPARE(w->state.values.optionValues.preferredChannel.text, QString("2"));
        // Moving channel 1 up is not offered.
        clickHeading(1);
        QVERIFY(!w->mnuMoveUp->isEnabled());
        QVERIFY(w->mnuMoveDown->isEnabled());

        // With channel 16 in use, Insert says why it inserts nothing.
        typeIntoCell(*w, 16, 1, "416");
        const int steps = w->history->stack()->count();
        const int shown = fx->messages.size();
        clickHeading(1);
        QTest::keyClick(w->Grid1, Qt::Key_Insert);
        QCOMPARE(fx->messages.size(), shown + 1);
        QVERIFY(fx->messages.last().text.startsWith("Channel 16 is in use"));
        QCOMPARE(w->history->stack()->count(), steps);
    }

    // The context menu sets a column on every selected channel in use, as
    // one step.
    void setColumnFromTheContextMenu() {
        startIn(1);
        fillChannels({1, 2, 4});
        clickHeading(1);
        clickHeading(4, Qt::ShiftModifier);
        const int steps = w->history->stack()->count();
        contextMenuChoice(2, 5, w->mnuSetColumn);
        QTRY_VERIFY(w->Combo5(5)->view()->isVisible());
        chooseListItem(w->Combo5(5), 0);
        for (int row : {1, 2, 4})
            QCOMPARE(cell(*w, row, 5), QString("Low"));
        QCOMPARE(cell(*w, 3, 5), QString());
        QCOMPARE(w->history->stack()->count(), steps + 1);
        QCOMPARE(w->mnuUndo->text(), QString("&Undo Set power"));
        ctrl(Qt::Key_Z);
        for (int row : {1, 2, 4})
            QCOMPARE(cell(*w, row, 5), QString("Hight"));

        // The tone list goes to the selected channels the same way.
        contextMenuChoice(1, 2, w->mnuSetColumn);
        QTRY_VERIFY(w->Combo8->view()->isVisible());
        chooseListItem(w->Combo8, 9);
        for (int row : {1, 2, 4})
            QCOMPARE(cell(*w, row, 2), QString("88.5"));
    }

    // Copy and paste in one window through the clipboard; a paste that does
    // not fit is refused and changes nothing.
    void copyAndPasteThroughTheClipboard() {
        startIn(1);
        fillChannels({1, 2, 3});
        clickHeading(1);
        clickHeading(3, Qt::ShiftModifier);
        ctrl(Qt::Key_C);
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime->hasFormat(q716::ChannelsMimeType));
        QVERIFY(mime->text().startsWith("Location\tName\tFrequency"));
        QCOMPARE(mime->text().count("\r\n"), 4);

        clickHeading(15);
        QVERIFY(w->mnuPaste->isEnabled());
        const q716::EditorState before = w->state;
        ctrl(Qt::Key_V);
        QCOMPARE(fx->messages.size(), 1);
        QVERIFY(fx->messages[0].text.contains("from channel 15 on only 2 fit"));
        QCOMPARE(w->state, before);

        contextMenuChoice(12, 0, w->mnuPaste);
        QCOMPARE(receiveColumn(*w).mid(10, 6),
                 (QStringList{"", "401.00000", "402.00000", "403.00000", "", ""}));
        QCOMPARE(w->rowSelection->rows(), (q716::ChannelRows{12, 13, 14}));

        // A spreadsheet's text: Cut, then the text alone pasted back.
        clickHeading(1);
        ctrl(Qt::Key_X);
        QCOMPARE(cell(*w, 1, 1), QString("402.00000"));
        const QString text = QApplication::clipboard()->mimeData()->text();
        QApplication::clipboard()->setText(text);
        clickHeading(16);
        ctrl(Qt::Key_V);
        QCOMPARE(cell(*w, 16, 1), QString("401.00000"));
        QCOMPARE(cell(*w, 16, 5), QString("Hight"));

        // Rows without the header line, or the header line alone: Paste is
        // there and says what it needs.
        const std::pair<const char*, const char*> texts[] = {
            {"435.125\t88.5\n", "has no header line"},
            {"Location\tFrequency\n", "but no channel rows"}};
        for (const auto& [text, says] : texts) {
            QApplication::clipboard()->setText(QString::fromLatin1(text));
            QVERIFY(w->mnuPaste->isEnabled());
            ctrl(Qt::Key_V);
            QVERIFY(fx->messages.last().text.contains(QLatin1String(says)));
        }
    }

    // A dialog's OK is one step. Undone, the dialog shows the stored value
    // again when it opens, and an OK that changes nothing is no step.
    void dialogOkIsOneStepAndReopensWithTheStoredValue() {
        struct Case {
            QAction* q716::Form1::*menu;
            const char* dialog;
            const char* control;
            QString step;
        };
        for (const Case& c :
             {Case{&q716::Form1::mnudtmf, "Form5", "Combo4", "Optional function"},
              Case{&q716::Form1::Key_enactment, "Form6", "Combo1", "Keys set"},
              Case{&q716::Form1::mnusetin, "Form7", "Text1", "Embedded information"}}) {
            startIn(1);
            auto* dialog = w->findChild<QDialog*>(c.dialog);
            auto* combo = dialog->findChild<QComboBox*>(c.control);
            auto* line = dialog->findChild<QLineEdit*>(c.control);
            const auto shown = [&] { return combo ? combo->currentText() : line->text(); };
            const auto open = [&] {
                (w.get()->*c.menu)->trigger();
                QTRY_VERIFY(dialog->isVisible());
            };
            const auto ok = [&] {
                QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            };
            open();
            const QString stored = shown();
            const QByteArray image = q716::buildImageBytes(w->state);
            if (combo)
                QTest::keyClick(combo, Qt::Key_Down);
            else
                QTest::keyClicks(line, "x");
            QVERIFY(shown() != stored);
            ok();
            QVERIFY(q716::buildImageBytes(w->state) != image);
            QCOMPARE(w->mnuUndo->text(), "&Undo " + c.step);
            w->activateWindow();
            w->Grid1->setFocus();
            ctrl(Qt::Key_Z);
            QCOMPARE(q716::buildImageBytes(w->state), image);

            open();
            QCOMPARE(shown(), stored);
            ok();
            QCOMPARE(q716::buildImageBytes(w->state), image);
            QVERIFY(w->history->stack()->canRedo());
            QVERIFY(!w->isWindowModified());
        }

        // A refused OK stores nothing and is no step either.
        w->mnudtmf->trigger();
        auto* text5 = w->findChild<QDialog*>("Form5")->findChild<QLineEdit*>("Text5");
        QTRY_VERIFY(text5->isVisible());
        text5->selectAll();
        QTest::keyClicks(text5, "999");
        QTest::mouseClick(w->findChild<QDialog*>("Form5")->findChild<QPushButton*>("Command1"),
                          Qt::LeftButton);
        QCOMPARE(fx->messages.size(), 1);
        QVERIFY(w->history->stack()->canRedo());
        QVERIFY(!w->isWindowModified());
    }
};

QTEST_MAIN(TestEdit)
#include "tst_form1_edit.moc"
