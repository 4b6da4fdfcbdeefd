// The main window's safe writes against the simulated radio through a real
// pseudo-terminal: backups of every read and write, pruning at start-up, the
// backups folder, the read-back check after a write (clean, with a byte
// stored wrong, never touching the editor), the comparisons with the radio
// and with a file, and the communication log beside the simulator's own.

#include "RandomEdits.h"
#include "support/AppFixture.h"
#include "support/CliRun.h"
#include "support/LogStreams.h"
#include "support/SamplePlan.h"
#include "support/SimRadio.h"
#include "support/SimWindow.h"

#include "channels/ChannelTable.h"
#include "compare/EditorFields.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "link/FormUsePass.h"
#include "link/SessionController.h"
#include "safety/CompareWindow.h"
#include "safety/LinkSafety.h"
#include "safety/LogWindow.h"
#include "safety/VerifyWindow.h"
#include "shell/UrlOpener.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>

using namespace q716;
using namespace q716::e2e;
using q716test::AppFixture;

namespace {

struct Row {
    QString channel, field, editor, other;
    bool operator==(const Row&) const = default;
};

QList<Row> rowsOf(const CompareWindow& c) {
    const int other = c.CompareList->isColumnHidden(CompareWindow::RadioColumn)
                          ? CompareWindow::FileColumn
                          : CompareWindow::RadioColumn;
    QList<Row> rows;
    for (int r = 0; r < c.CompareList->rowCount(); ++r) {
        const auto text = [&](int col) { return c.CompareList->item(r, col)->text(); };
        rows.append({text(0), text(1), text(2), text(other)});
    }
    return rows;
}

// The rows the window should show for these edits, in the order it lists.
QList<Row> expectedRows(QList<FieldRef> edited, const EditorState& editor, const EditorState& other,
                        int lang) {
    QList<Row> rows;
    for (const FieldRef& f : imageFields()) {
        if (!edited.removeOne(f))
            continue;
        const int ch = fieldChannel(f);
        rows.append({ch ? QStringLiteral("%1").arg(ch, 2, 10, QChar('0')) : QString(),
                     fieldName(f, lang), fieldText(editor, f, lang), fieldText(other, f, lang)});
    }
    return rows;
}

QString describe(const QList<Row>& rows) {
    QStringList s;
    for (const Row& r : rows)
        s << r.channel + "|" + r.field + "|" + r.editor + "|" + r.other;
    return s.join("\n");
}

} // namespace

class TestSafeWindow : public QObject, private SimWindow {
    Q_OBJECT

    QStringList backups() const {
        return QDir(app->backupDir()).entryList(QDir::Files, QDir::Name);
    }

    // Ticks the menu item as a user does.
    void turnVerifyOn() {
        QVERIFY(!w->mnuVerifyAfterWrite->isChecked());
        w->mnuVerifyAfterWrite->trigger();
        QVERIFY(w->mnuVerifyAfterWrite->isChecked());
    }

  private slots:
    void init() { openFixture(); }
    void cleanup() { closeAll(); }

    void backupsOfAReadAndOfAWrite();
    void pruningAtStartUpKeepsTheNewestTwenty();
    void aBackupThatFailsIsToldOnceInTheStatusLine();
    void backupFolderOpensOnTheDesktop();
    void verifyAfterWritingIsOffUntilTickedAndRemembered();
    void cleanWriteIsVerifiedWithoutTouchingTheEditor();
    void aByteStoredWrongIsReportedWithItsMeaning();
    void aWriteWhoseCheckCannotRunSaysItWentThrough_data();
    void aWriteWhoseCheckCannotRunSaysItWentThrough();
    void eachVerifiedWriteChecksItsOwnPlan();
    void readTheRadioBeforeWriting_data();
    void readTheRadioBeforeWriting();
    void compareWithRadioListsExactlyTheEdits();
    void compareWithFile();
    void communicationLogIsTheSimulatorsTrafficWithThePasswordMasked();
    void passwordChangeIsLoggedWithBothPasswordsMasked();
};

void TestSafeWindow::backupsOfAReadAndOfAWrite() {
    start("backup", buildImageBytes(windowPlan()));
    QVERIFY(backups().isEmpty());
    clickToolbar("read");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Read frequency success!"), Timeout);
    QStringList names = backups();
    QCOMPARE(names.size(), 1);
    QVERIFY(names[0].endsWith("_read.DAT"));
    QCOMPARE(readFileBytes(QDir(app->backupDir()).filePath(names[0])),
             ChannelFileSignature + sim->memory().mid(0x10, 848));
    waitUntilIdle();

    w->state.form1.combo9 = 2;
    w->refreshFromState();
    const QByteArray toWrite = buildImageBytes(w->state);
    clickToolbar("write");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Write frequency success!"),
                              Timeout);
    names = backups();
    QCOMPARE(names.size(), 2);
    const QString write = names.filter("_write").value(0);
    QCOMPARE(readFileBytes(QDir(app->backupDir()).filePath(write)), ChannelFileSignature + toWrite);
    QCOMPARE(app->messages.size(), 0);
}

void TestSafeWindow::pruningAtStartUpKeepsTheNewestTwenty() {
    QVERIFY(QDir().mkpath(app->backupDir()));
    const QDateTime now = QDateTime::currentDateTime();
    QStringList newestFirst;
    for (int i = 0; i < 3; ++i)
        newestFirst << now.addDays(-i).toString("yyyy-MM-dd_HHmmss") + "_write.DAT";
    for (int i = 0; i < 24; ++i)
        newestFirst << now.addDays(-366 - i).toString("yyyy-MM-dd_HHmmss") + "_read.DAT";
    for (const QString& name : newestFirst) {
        QFile f(QDir(app->backupDir()).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    w = app->start();
    QStringList left = backups();
    std::reverse(left.begin(), left.end());
    QCOMPARE(left, newestFirst.mid(0, 20));
}

void TestSafeWindow::aBackupThatFailsIsToldOnceInTheStatusLine() {
    QVERIFY(QDir().mkpath(app->dataDir() + "/q716/q716"));
    QFile blocker(app->backupDir());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    start("blocked", buildImageBytes(windowPlan()));
    clickToolbar("read");
    QTRY_VERIFY_WITH_TIMEOUT(w->Label->text().startsWith("Read frequency success! (backup not "
                                                         "saved: "),
                             Timeout);
    QCOMPARE(w->Label->text().count("backup not saved"), 1);
    QCOMPARE(buildImageBytes(w->state), sim->memory().mid(0x10, 848));
    waitUntilIdle();
    // A write goes on without its backup and says so after its result.
    clickToolbar("write");
    QTRY_VERIFY_WITH_TIMEOUT(w->Label->text().startsWith("Write frequency success! (backup not "
                                                         "saved: "),
                             Timeout);
    QCOMPARE(w->Label->text().count("backup not saved"), 1);
    waitUntilIdle();
    // A write without its safety copy stays told until the next session.
    QVERIFY(w->Label->isVisible());
    QVERIFY(w->Label->text().contains("backup not saved"));
    QCOMPARE(app->messages.size(), 0);
}

void TestSafeWindow::backupFolderOpensOnTheDesktop() {
    w = app->start();
    QCOMPARE(w->mnuBackupFolder->text(), QStringLiteral("备份文件夹(&B)…"));
    w->mnuEnglish->trigger();
    QCOMPARE(w->mnuBackupFolder->text(), QStringLiteral("&Backup folder…"));
    QCOMPARE(w->mnuCommLog->text(), QStringLiteral("&Communication log…"));
    QCOMPARE(w->mnuCompareFile->text(), QStringLiteral("&Compare with file…"));
    QCOMPARE(w->mnuCompareRadio->text(), QStringLiteral("&Compare with radio"));
    QCOMPARE(w->mnuVerifyAfterWrite->text(), QStringLiteral("&Verify after writing"));
    w->mnuBackupFolder->trigger();
    QCOMPARE(app->openedUrls, QList<QUrl>{QUrl::fromLocalFile(app->backupDir())});
    QVERIFY(QFileInfo(app->backupDir()).isDir());
    QCOMPARE(app->messages.size(), 0);
    // Without a file manager the program says where the folder is.
    setUrlOpener([](const QUrl&) { return false; });
    w->mnuBackupFolder->trigger();
    QCOMPARE(app->messages.size(), 1);
    QVERIFY2(app->messages[0].text.endsWith(QDir::toNativeSeparators(app->backupDir())),
             qPrintable(app->messages[0].text));
}

void TestSafeWindow::verifyAfterWritingIsOffUntilTickedAndRemembered() {
    w = app->start();
    QVERIFY(w->mnupro->actions().contains(w->mnuVerifyAfterWrite));
    QVERIFY(w->mnuVerifyAfterWrite->isCheckable());
    turnVerifyOn();
    QVERIFY(QSettings().value("verifyAfterWrite").toBool());
    w.reset();
    w = app->start();
    QVERIFY(w->mnuVerifyAfterWrite->isChecked());
    w->mnuVerifyAfterWrite->trigger();
    w.reset();
    w = app->start();
    QVERIFY(!w->mnuVerifyAfterWrite->isChecked());
}

void TestSafeWindow::cleanWriteIsVerifiedWithoutTouchingTheEditor() {
    // The radio holds what a write never sends (DTMF memories, test
    // frequencies, a password) otherwise than the editor: a verify read that
    // reached the editor would change them.
    EditorState radio = windowPlan();
    radio.values.testFrequencies[3] = QStringLiteral("455.00000");
    radio.values.dtmfMemories[2] = QStringLiteral("999");
    radio.values.commPassword = QStringLiteral("other");
    QVERIFY(saveChannelFile(windowPlan(), path("plan.dat")).ok());
    start("clean", buildImageBytes(radio), {}, {path("plan.dat")});
    turnVerifyOn();
    // The engine of the write counts its blinks down until the countdown ends.
    QStringList events;
    connect(w->link, &SessionController::sessionStarted, this, [&](const QString& kind) {
        events << kind + (w->link->session().SessionEnded ? " in the countdown" : "");
    });
    connect(w->link, &SessionController::sessionFinished, this,
            [&](bool ok) { events << (ok ? "succeeded" : "failed"); });
    const EditorState before = w->state;
    clickToolbar("write");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Write frequency success!"),
                              Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Verify OK"), Timeout);
    waitUntilIdle();
    // After the write's countdown, a read of the whole memory.
    QCOMPARE(events, (QStringList{"write", "succeeded", "scratch", "succeeded"}));
    QCOMPARE(app->messages.size(), 0);
    QVERIFY(w->state == before);
    QCOMPARE(w->Text2->text(), QStringLiteral("abc123"));
    const QList<QByteArray> received = sim->logged('>');
    QCOMPARE(received.count(QByteArray("TQ-PROG")), 2);
    QCOMPARE(received.count(QByteArray::fromHex("520010"
                                                "40")),
             1);
    QCOMPARE(backups().filter("_read").size(), 1);
    QCOMPARE(backups().filter("_write").size(), 1);
}

void TestSafeWindow::aByteStoredWrongIsReportedWithItsMeaning() {
    // Every block written (29) is stored with its first data byte inverted:
    // every line is listed, and kept in the log.
    QVERIFY(saveChannelFile(windowPlan(), path("plan.dat")).ok());
    start("flip", {}, {"--fault", "flip-stored"}, {path("plan.dat")}, true);
    turnVerifyOn();
    const EditorState before = w->state;
    clickToolbar("write");
    VerifyWindow* v = w->safety->verifyWindow();
    QTRY_VERIFY_WITH_TIMEOUT(v->isVisible(), 2 * Timeout);
    const QByteArray built = buildImageBytes(before);
    const QString line = QStringLiteral("0x0010  信道 1 接收频率（写入 %1，读回 %2）")
                             .arg(uchar(built.at(0)), 2, 16, QChar('0'))
                             .arg(uchar(~built.at(0)), 2, 16, QChar('0'));
    const QString first = line.toUpper().replace("0X", "0x");
    QCOMPARE(v->VerifyList->count(), 29);
    QCOMPARE(v->VerifyList->item(0)->text(), first);
    QCOMPARE(v->Headline->text(), QStringLiteral("校验失败：对讲机读回的数据与写入的不同。"));
    QCOMPARE(v->windowTitle(), QStringLiteral("写频后校验"));
    QCOMPARE(w->Label->text(), QStringLiteral("校验失败！"));
    waitUntilIdle();
    QCOMPARE(app->messages.size(), 0);
    QVERIFY(w->state == before);
    w->mnuCommLog->trigger();
    const QString log = w->safety->logWindow()->LogText->toPlainText();
    QVERIFY2(log.contains("Result: 校验失败！\n  " + first + "\n"), qPrintable(log));
    QCOMPARE(log.count("0x0"), 29);
    w->mnuEnglish->trigger();
    QVERIFY(v->VerifyList->item(0)->text().startsWith("0x0010  channel 1 RX frequency (written "));
}

void TestSafeWindow::aWriteWhoseCheckCannotRunSaysItWentThrough_data() {
    // The write takes 32 replies and 33 messages (with the end byte).
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("silent") << "silent-after=32"
                            << "Communication error, please check";
    QTest::newRow("hung up") << "hangup-after=33"
                             << "the serial port closed after the write.";
}

void TestSafeWindow::aWriteWhoseCheckCannotRunSaysItWentThrough() {
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    start(fault.section('=', 0, 0), {}, {"--fault", fault});
    turnVerifyOn();
    clickToolbar("write");
    QTRY_COMPARE_WITH_TIMEOUT(app->messages.size(), 1, 2 * Timeout);
    const QString text = app->messages[0].text;
    QVERIFY2(text.startsWith("Write frequency success! The check after writing could not run: " +
                             reason),
             qPrintable(text));
    QCOMPARE(w->Label->text(), QStringLiteral("Write frequency success! (not verified)"));
    QVERIFY(w->Label->isVisible());
    QCOMPARE(writeBlockAddresses(sim->logged('>')).size(), 29);
}

// Each write is checked against its own blocks only.
void TestSafeWindow::eachVerifiedWriteChecksItsOwnPlan() {
    start("twice", {});
    turnVerifyOn();
    for (const char* frequency : {"435.12500", "446.00625"}) {
        w->state.form1.grid.cell(1, 1) = QString::fromLatin1(frequency);
        applyNewChannelDefaults(w->state.form1.grid, 1, w->state.values.languageCode);
        w->refreshFromState();
        clickToolbar("write");
        QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Verify OK"), 2 * Timeout);
        waitUntilIdle();
    }
    QCOMPARE(app->messages.size(), 0);
    QVERIFY(!w->safety->verifyWindow()->isVisible());
}

void TestSafeWindow::readTheRadioBeforeWriting_data() {
    QTest::addColumn<bool>("answers");
    QTest::newRow("the radio answers") << true;
    QTest::newRow("the radio is silent") << false;
}

// What the radio held is kept before the write replaces it; without it no
// write starts.
void TestSafeWindow::readTheRadioBeforeWriting() {
    QFETCH(bool, answers);
    EditorState radio = windowPlan();
    radio.form1.combo9 = 3;
    start(answers ? "first" : "mute", buildImageBytes(radio),
          answers ? QStringList() : QStringList{"--fault", "silent-after=0"});
    QVERIFY(w->mnupro->actions().contains(w->mnuReadBeforeWrite));
    QCOMPARE(w->mnuReadBeforeWrite->text(), QStringLiteral("Read the radio before writing"));
    QVERIFY(!w->mnuReadBeforeWrite->isChecked());
    w->mnuReadBeforeWrite->trigger();
    QVERIFY(QSettings().value("readBeforeWrite").toBool());
    const EditorState editor = w->state;
    clickToolbar("write");
    if (answers) {
        QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Write frequency success!"),
                                  2 * Timeout);
        waitUntilIdle();
        const QStringList kept = backups().filter("_before-write");
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readFileBytes(QDir(app->backupDir()).filePath(kept[0])),
                 ChannelFileSignature + buildImageBytes(radio));
        QCOMPARE(app->messages.size(), 0);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(app->messages.size(), 1, 2 * Timeout);
        QCOMPARE(app->messages[0].text,
                 "Reading the radio before writing failed; nothing was written: " +
                     CommunicationError);
        waitUntilIdle();
        QVERIFY(backups().isEmpty());
    }
    QVERIFY(w->state == editor);
    QVERIFY(sim->stop());
    QCOMPARE(writeBlockAddresses(sim->logged('>')).size(), answers ? 29 : 0);
}

void TestSafeWindow::compareWithRadioListsExactlyTheEdits() {
    const EditorState radio = windowPlan();
    QVERIFY(saveChannelFile(radio, path("plan.dat")).ok());
    // A byte no value stands for, which every write sets back: listed after the values.
    QByteArray held = buildImageBytes(radio);
    held[0x0118 - 0x10] = 0x00;
    start("compare", held, {}, {path("plan.dat")});
    CompareWindow* c = w->safety->compareWindow();
    const EditorState opened = w->state;
    std::mt19937 rng(2026);
    for (int round = 0; round < 3; ++round) {
        w->state = opened;
        const QList<FieldRef> edited = q716test::applyRandomEdits(w->state, rng, 2 + 2 * round);
        w->refreshFromState();
        const EditorState editor = w->state;
        c->hide();
        w->mnuCompareRadio->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(c->isVisible(), Timeout);
        const QList<Row> want =
            expectedRows(edited, stateAsImage(editor), stateOfImage(buildImageBytes(radio), 1), 1)
            << Row{QString(), QStringLiteral("0x0118  fixed data"), QStringLiteral("FF"),
                   QStringLiteral("00")};
        QVERIFY2(rowsOf(*c) == want, qPrintable(describe(rowsOf(*c)) + "\n---\n" + describe(want)));
        QVERIFY(!c->CompareList->isColumnHidden(CompareWindow::RadioColumn));
        QVERIFY(c->CompareList->isColumnHidden(CompareWindow::FileColumn));
        QVERIFY(!c->NoDifferences->isVisible());
        QVERIFY(w->state == editor);
        waitUntilIdle();
    }
    QCOMPARE(c->windowTitle(), QStringLiteral("Compare"));
    QCOMPARE(c->CompareList->horizontalHeaderItem(3)->text(), QStringLiteral("Radio"));
    // The list follows a language switch while it is open.
    const QString englishField = c->CompareList->item(0, 1)->text();
    w->mnuChinese->trigger();
    QCOMPARE(c->windowTitle(), QStringLiteral("比较"));
    QCOMPARE(c->CompareList->horizontalHeaderItem(3)->text(), QStringLiteral("对讲机"));
    QVERIFY(c->CompareList->item(0, 1)->text() != englishField);
    QCOMPARE(app->messages.size(), 0);
    QCOMPARE(sim->logged('>').count(QByteArray("TQ-PROG")), 3);
}

void TestSafeWindow::compareWithFile() {
    app->writeParameter(QByteArray("\x00\x00\x01", 3));
    w = app->start();
    CompareWindow* c = w->safety->compareWindow();
    std::mt19937 rng(7);
    const EditorState editor = w->state;
    QVERIFY(saveChannelFile(editor, path("same.dat")).ok());
    EditorState file = editor;
    const QList<FieldRef> edited = q716test::applyRandomEdits(file, rng, 6);
    QVERIFY(saveChannelFile(file, path("other.dat")).ok());

    app->answerFileDialogs({path("other.dat")});
    w->mnuCompareFile->trigger();
    QVERIFY(c->isVisible());
    const QList<Row> want = expectedRows(edited, stateAsImage(editor), stateAsImage(file), 1);
    QVERIFY2(rowsOf(*c) == want, qPrintable(describe(rowsOf(*c)) + "\n---\n" + describe(want)));
    QVERIFY(c->CompareList->isColumnHidden(CompareWindow::RadioColumn));
    QVERIFY(!c->CompareList->isColumnHidden(CompareWindow::FileColumn));
    QCOMPARE(c->CompareList->horizontalHeaderItem(4)->text(), QStringLiteral("File"));
    QVERIFY(c->Source->text().endsWith("other.dat"));

    app->answerFileDialogs({path("same.dat")});
    w->mnuCompareFile->trigger();
    QCOMPARE(c->CompareList->rowCount(), 0);
    QVERIFY(c->NoDifferences->isVisible());
    QCOMPARE(c->NoDifferences->text(), QStringLiteral("No differences."));

    QFile junk(path("junk.dat"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("junk");
    junk.close();
    app->answerFileDialogs({path("junk.dat"), QString()});
    w->mnuCompareFile->trigger();
    w->mnuCompareFile->trigger(); // Cancel in the dialog: nothing at all
    QCOMPARE(app->messages.size(), 1);
    QCOMPARE(app->messages[0].text, QStringLiteral("Document type not to open."));
    QVERIFY(w->state == editor);
}

void TestSafeWindow::communicationLogIsTheSimulatorsTrafficWithThePasswordMasked() {
    // The password "abc123" is in the radio's block at 0x0190.
    start("log", buildImageBytes(windowPlan()));
    turnVerifyOn();
    clickToolbar("read");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Read frequency success!"), Timeout);
    waitUntilIdle();
    clickToolbar("write");
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(), QStringLiteral("Verify OK"), 2 * Timeout);
    waitUntilIdle();
    QVERIFY(sim->stop());

    w->mnuCommLog->trigger();
    LogWindow* log = w->safety->logWindow();
    QVERIFY(log->isVisible());
    QCOMPARE(log->windowTitle(), QStringLiteral("Communication log"));
    const QString text = log->LogText->toPlainText();
    const LogStreams ours = programLog(text);
    const LogStreams theirs = simulatorLog(path("log.log"));
    QCOMPARE(ours.sessions, 3);
    QCOMPARE(theirs.sessions, 3);
    QCOMPARE(hexOf(ours.sent), hexOf(theirs.sent));
    QCOMPARE(hexOf(ours.received), hexOf(theirs.received));
    QCOMPARE(ours.received.count(-1), 2 * 16);
    QVERIFY(!text.contains("61 62 63 31 32 33"));
    QVERIFY(text.contains(QRegularExpression("Session 1: read on .*\n(.*\n)*Session 2: write on "
                                             ".*\n(.*\n)*Session 3: verify on ")));
    QVERIFY(text.contains("Result: Verify OK"));

    // Saved for a support request; an existing file is only replaced on Yes.
    QFile existing(path("support.txt"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    app->answerFileDialogs({path("support.txt"), path("support.txt")});
    app->answerMessages({ResultNo, ResultYes});
    QTest::mouseClick(log->SaveButton, Qt::LeftButton);
    QCOMPARE(app->fileDialogsShown, 2);
    QCOMPARE(app->messages.size(), 2);
    QCOMPARE(QString::fromUtf8(readFileBytes(path("support.txt"))), text);
    // A name typed without a suffix gets ".txt".
    app->answerFileDialogs({path("support2")});
    QTest::mouseClick(log->SaveButton, Qt::LeftButton);
    QCOMPARE(QString::fromUtf8(readFileBytes(path("support2.txt"))), text);
    QVERIFY(!QFileInfo::exists(path("support2")));
}

void TestSafeWindow::passwordChangeIsLoggedWithBothPasswordsMasked() {
    start("pass", buildImageBytes(windowPlan()));
    w->mnuPass->trigger();
    FormUsePass* f = w->formUsePass;
    QTest::keyClicks(f->Text1, QStringLiteral("abc123"));
    QTest::keyClicks(f->Text2, QStringLiteral("zz9"));
    QTest::keyClicks(f->Text3, QStringLiteral("zz9"));
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(w->Label->text(),
                              QStringLiteral("Communications password is changed successfully!"),
                              Timeout);
    waitUntilIdle();
    QVERIFY(sim->stop());
    w->mnuCommLog->trigger();
    const QString text = w->safety->logWindow()->LogText->toPlainText();
    const LogStreams ours = programLog(text);
    QCOMPARE(hexOf(ours.sent), hexOf(simulatorLog(path("pass.log")).sent));
    QCOMPARE(hexOf(ours.received), hexOf(simulatorLog(path("pass.log")).received));
    // The old password in the radio's reply, the new one in the block written.
    QCOMPARE(ours.received.count(-1), 16);
    QCOMPARE(ours.sent.count(-1), 16);
    QVERIFY(text.contains("Session 1: password on "));
    QVERIFY(!text.contains("61 62 63 31 32 33"));
    QVERIFY(!text.contains("7A 7A 39"));
}

QTEST_MAIN(TestSafeWindow)
#include "tst_safe_window.moc"
