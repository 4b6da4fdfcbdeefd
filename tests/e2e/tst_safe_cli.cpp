// q716-cli's safe writes against the simulated radio through real
// pseudo-terminals: backups of reads and writes and their pruning, the
// read-back check, diff of files and of a file against the radio, the session
// log beside the simulator's own, and a write to several radios at once.

#include "RandomEdits.h"
#include "support/CliRun.h"
#include "support/LogStreams.h"
#include "support/SamplePlan.h"
#include "support/SimRadio.h"

#include "files/ChannelFile.h"
#include "image/BuildImage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace q716;
using namespace q716::e2e;

namespace {

QStringList lines(const QString& text) {
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The keys of diff's lines ("KEY: LEFT -> RIGHT").
QSet<QString> diffKeys(const QString& out) {
    QSet<QString> keys;
    for (const QString& l : lines(out))
        keys.insert(l.section(QStringLiteral(": "), 0, 0));
    return keys;
}

} // namespace

class TestSafeCli : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString& name) const { return dir->filePath(name); }
    QString backups() const { return path("data/q716/q716/backups"); }
    QStringList backupNames() const { return QDir(backups()).entryList(QDir::Files, QDir::Name); }

    std::unique_ptr<SimRadio> startSim(const QString& name, const QByteArray& image = {},
                                       const QStringList& args = {}) {
        if (!image.isEmpty())
            writeMemoryFile(path(name + ".mem"), image);
        auto sim = std::make_unique<SimRadio>(path(name + ".mem"), path(name + ".log"), args);
        if (!sim->start())
            qWarning("%s", qPrintable(sim->errorText()));
        return sim;
    }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        // The program's per-user data folder, where the backups go.
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
    }
    void cleanup() { qunsetenv("XDG_DATA_HOME"); }

    void readAndWriteKeepBackupsOfTheirImages();
    void aWriteThatFailsIsBackedUpFirst();
    void noBackupKeepsNone();
    void aBackupThatCannotBeSavedStopsNothing();
    void pruningKeepsTheNewestTwenty();
    void verifyAfterACleanWrite();
    void verifyFindsAByteStoredWrong();
    void aReadBackThatFailsLeavesTheWriteUnchecked();
    void diffListsExactlyTheEditedFields();
    void diffAgainstTheRadio();
    void diffErrors();
    void valuesTheImageCannotHoldAreNotWrittenUnlessForced();
    void logIsTheSimulatorsTrafficWithThePasswordMasked();
    void fleetWithASilentRadio();
    void fleetVerifiesEachRadio();
    void backupFirstKeepsWhatEachRadioHeld();
    void anUnwritableLogIsFoundBeforeTheRadio();
};

void TestSafeCli::readAndWriteKeepBackupsOfTheirImages() {
    const QByteArray image = buildImageBytes(samplePlan());
    auto sim = startSim("read", image);
    QCOMPARE(runCli({"read", "--port", sim->devicePath(), path("read.dat")}).exitCode, 0);
    QStringList names = backupNames();
    QCOMPARE(names.size(), 1);
    QVERIFY2(
        QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d{6}_read\\.DAT$").match(names[0]).hasMatch(),
        qPrintable(names[0]));
    QCOMPARE(readFileBytes(QDir(backups()).filePath(names[0])),
             ChannelFileSignature + sim->memory().mid(0x10, 848));

    EditorState plan = samplePlan();
    plan.form1.combo9 = 2;
    QVERIFY(saveChannelFile(plan, path("plan.dat")).ok());
    QCOMPARE(runCli({"write", "--port", sim->devicePath(), path("plan.dat")}).exitCode, 0);
    names = backupNames();
    QCOMPARE(names.size(), 2);
    const QString write = names.filter("_write").value(0);
    QVERIFY(!write.isEmpty());
    QCOMPARE(readFileBytes(QDir(backups()).filePath(write)), channelFileBytes(plan));
}

void TestSafeCli::aWriteThatFailsIsBackedUpFirst() {
    auto sim = startSim("silent", {}, {"--fault", "silent-after=0"});
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    const CliResult r = runCli({"write", "--port", sim->devicePath(), path("plan.dat")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(CommunicationError), qPrintable(r.err));
    const QStringList names = backupNames();
    QCOMPARE(names.size(), 1);
    QVERIFY(names[0].endsWith("_write.DAT"));
    QCOMPARE(readFileBytes(QDir(backups()).filePath(names[0])), channelFileBytes(samplePlan()));
}

void TestSafeCli::noBackupKeepsNone() {
    auto sim = startSim("none", buildImageBytes(samplePlan()));
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    QCOMPARE(runCli({"read", "--no-backup", "--port", sim->devicePath(), path("r.dat")}).exitCode,
             0);
    QCOMPARE(
        runCli({"write", "--port", sim->devicePath(), path("plan.dat"), "--no-backup"}).exitCode,
        0);
    QVERIFY(!QFileInfo::exists(backups()));
}

void TestSafeCli::aBackupThatCannotBeSavedStopsNothing() {
    // A file where the folder should be.
    QVERIFY(QDir().mkpath(path("data/q716/q716")));
    QFile blocker(backups());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto sim = startSim("blocked", buildImageBytes(samplePlan()));
    const CliResult r = runCli({"read", "--port", sim->devicePath(), path("r.dat")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.trimmed(), QStringLiteral("Read frequency success!"));
    QCOMPARE(r.err.count("backup not saved"), 1);
    QVERIFY(readChannelFile(path("r.dat")).result.ok());
    // A write with its read-back fails to keep two backups, and says so once.
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    const CliResult w =
        runCli({"write", "--verify", "--port", sim->devicePath(), path("plan.dat")});
    QCOMPARE(w.exitCode, 0);
    QCOMPARE(w.err.count("backup not saved"), 1);
}

void TestSafeCli::pruningKeepsTheNewestTwenty() {
    QVERIFY(QDir().mkpath(backups()));
    const QDateTime now = QDateTime::currentDateTime();
    QStringList old;
    for (int i = 0; i < 25; ++i) {
        old << now.addDays(-400 - i).toString("yyyy-MM-dd_HHmmss") + "_read.DAT";
        QFile f(QDir(backups()).filePath(old.last()));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    auto sim = startSim("prune", buildImageBytes(samplePlan()));
    QCOMPARE(runCli({"read", "--port", sim->devicePath(), path("r.dat")}).exitCode, 0);
    const QStringList names = backupNames();
    QCOMPARE(names.size(), 21);
    for (int i = 0; i < 25; ++i)
        QCOMPARE(names.contains(old[i]), i < 20);
}

void TestSafeCli::verifyAfterACleanWrite() {
    auto sim = startSim("clean");
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    const CliResult r = runCli({"write", "--port", sim->devicePath(), path("plan.dat"), "--verify",
                                "--log", path("clean.txt")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(lines(r.out), (QStringList{"Write frequency success!", "Verify OK"}));
    // The write, then a read of the whole memory.
    const QString log = QString::fromUtf8(readFileBytes(path("clean.txt")));
    QVERIFY2(
        log.contains(QRegularExpression("Session 1: write on .*\n(.*\n)*Session 2: verify on")),
        qPrintable(log));
    QCOMPARE(backupNames().filter("_write").size(), 1);
    QCOMPARE(backupNames().filter("_read").size(), 1);
}

void TestSafeCli::verifyFindsAByteStoredWrong() {
    // The fifth block written (0x0050) is stored with its data byte 3 inverted.
    auto sim = startSim("flip", {}, {"--fault", "flip-stored=3@5"});
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    const CliResult r =
        runCli({"write", "--verify", "--port", sim->devicePath(), path("plan.dat")});
    QCOMPARE(r.exitCode, 3);
    QCOMPARE(lines(r.out), QStringList{"Write frequency success!"});
    const QByteArray built = buildImageBytes(samplePlan());
    const QString written = QStringLiteral("%1").arg(uchar(built.at(0x43)), 2, 16, QChar('0'));
    const QString read = QStringLiteral("%1").arg(uchar(~built.at(0x43)), 2, 16, QChar('0'));
    QVERIFY2(r.err.contains(QStringLiteral("0x0053  channel 5 RX frequency (written %1, read %2)")
                                .arg(written.toUpper(), read.toUpper())),
             qPrintable(r.err));
    QCOMPARE(r.err.count("0x"), 1);
}

// A write that went through says so, even when its check could not run.
void TestSafeCli::aReadBackThatFailsLeavesTheWriteUnchecked() {
    // The write takes 32 replies (open, identification, start, 29 blocks)
    // and 33 messages (with the end byte); the radio then falls silent, or
    // its line closes.
    const QList<std::pair<QString, QString>> cases = {
        {"silent-after=32", CommunicationError},
        {"hangup-after=33", "closed before the check"},
    };
    for (const auto& [fault, reason] : cases) {
        auto sim = startSim(fault.section('=', 0, 0), {}, {"--fault", fault});
        QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
        const CliResult r =
            runCli({"write", "--verify", "--port", sim->devicePath(), path("plan.dat")});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.contains("Write frequency success! The read-back failed: "),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QVERIFY(sim->stop());
        QCOMPARE(writeBlockAddresses(sim->logged('>')).size(), 29);
    }
}

void TestSafeCli::diffListsExactlyTheEditedFields() {
    std::mt19937 rng(13);
    const EditorState base = samplePlan();
    QVERIFY(saveChannelFile(base, path("a.dat")).ok());
    const CliResult same = runCli({"diff", path("a.dat"), path("a.dat")});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QString());
    for (int round = 0; round < 12; ++round) {
        EditorState edited = base;
        const QList<FieldRef> fields = q716test::applyRandomEdits(edited, rng, 1 + round % 6);
        QVERIFY(saveChannelFile(edited, path("b.dat")).ok());
        QStringList args{"diff", path("a.dat"), path("b.dat")};
        if (round % 2)
            args << "--english";
        const CliResult r = runCli(args);
        QCOMPARE(r.exitCode, 4);
        QSet<QString> expected;
        for (const FieldRef& f : fields)
            expected.insert(q716test::dumpKeyOf(f));
        QCOMPARE(diffKeys(r.out), expected);
    }
    // A line shows both values as dump does.
    EditorState b = base;
    b.form1.combo3 = 12;
    b.values.embeddedInfo[0] = QStringLiteral("SITE \"B\"");
    QVERIFY(saveChannelFile(b, path("b.dat")).ok());
    const CliResult r = runCli({"diff", "--english", path("a.dat"), path("b.dat")});
    QCOMPARE(lines(r.out), (QStringList{"embeddedInfo[0]: \"FIELD UNIT 7\" -> \"SITE \\\"B\\\"\"",
                                        "settings.timeOut: 11 \"180 S\" -> 12 \"195 S\""}));
    // The password only as asterisks, unless asked for.
    EditorState p = base;
    p.values.commPassword = QStringLiteral("zz9");
    QVERIFY(saveChannelFile(p, path("p.dat")).ok());
    QCOMPARE(lines(runCli({"diff", path("a.dat"), path("p.dat")}).out),
             QStringList{"password: \"******\" -> \"***\""});
    QCOMPARE(lines(runCli({"diff", "--show-password", path("a.dat"), path("p.dat")}).out),
             QStringList{"password: \"abc123\" -> \"zz9\""});
}

void TestSafeCli::diffAgainstTheRadio() {
    std::mt19937 rng(4);
    const EditorState radio = samplePlan();
    auto sim = startSim("diff", buildImageBytes(radio));
    QVERIFY(saveChannelFile(radio, path("same.dat")).ok());
    const CliResult same = runCli({"diff", "--port", sim->devicePath(), path("same.dat")});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QString());
    EditorState file = radio;
    const QList<FieldRef> fields = q716test::applyRandomEdits(file, rng, 5);
    QVERIFY(saveChannelFile(file, path("file.dat")).ok());
    const CliResult r = runCli({"diff", "--port", sim->devicePath(), path("file.dat")});
    QCOMPARE(r.exitCode, 4);
    QSet<QString> expected;
    for (const FieldRef& f : fields)
        expected.insert(q716test::dumpKeyOf(f));
    QCOMPARE(diffKeys(r.out), expected);
    // A comparison reads the radio: its image is kept like any read.
    QCOMPARE(backupNames().filter("_read").size(), 2);

    // A byte no value stands for: the values read alike, a write changes it.
    QByteArray odd = buildImageBytes(radio);
    odd[0x0134 - 0x10] = 77;
    auto oddSim = startSim("odd", odd);
    const CliResult byte =
        runCli({"diff", "--english", "--port", oddSim->devicePath(), path("same.dat")});
    QCOMPARE(byte.exitCode, 4);
    QCOMPARE(lines(byte.out), QStringList("0x0134  Squelch Grade = 4 Group (the radio holds 4D, a "
                                          "write sends 04)"));
}

// A file whose channel 1 receives at "438.5000A": a write would send it as
// an empty channel. A read of a radio holding it lists it; write (to each
// port of a fleet) and resave refuse with the list; --force goes on and still
// lists it.
void TestSafeCli::valuesTheImageCannotHoldAreNotWrittenUnlessForced() {
    QByteArray image = buildImageBytes(samplePlan());
    image.replace(0, 4, QByteArray::fromHex("0A008543"));
    writeFileBytes(path("odd.dat"), ChannelFileSignature + image);
    auto sim = startSim("radio", buildImageBytes(samplePlan()));
    auto odd = startSim("odd", image);
    const QString listed = "channel 1 RX frequency: 438.5000A → (empty)";

    const CliResult read = runCli({"read", "--port", odd->devicePath(), path("read.dat")});
    QCOMPARE(read.exitCode, 0);
    QVERIFY2(read.err.contains(listed), qPrintable(read.err));
    const qsizetype readTraffic = odd->logged('>').size();

    const QStringList ports{"--port", sim->devicePath(), "--port", odd->devicePath()};
    const CliResult refused = runCli(QStringList{"write"} + ports + QStringList{path("odd.dat")});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(listed), qPrintable(refused.err));
    QVERIFY2(refused.err.contains("nothing was written"), qPrintable(refused.err));
    QVERIFY(sim->logged('>').isEmpty());
    QCOMPARE(odd->logged('>').size(), readTraffic);
    QCOMPARE(backupNames().filter("_write").size(), 0);

    const CliResult forced =
        runCli(QStringList{"write", "--force"} + ports + QStringList{path("odd.dat")});
    QCOMPARE(forced.exitCode, 0);
    QVERIFY2(forced.err.contains(listed), qPrintable(forced.err));
    for (SimRadio* radio : {sim.get(), odd.get()}) {
        QVERIFY(radio->stop());
        QCOMPARE(radio->memory().mid(0x10, 4), QByteArray(4, '\xFF'));
    }

    const CliResult resave = runCli({"resave", path("odd.dat"), path("out.dat")});
    QCOMPARE(resave.exitCode, 1);
    QVERIFY2(resave.err.contains(listed), qPrintable(resave.err));
    QVERIFY(!QFile::exists(path("out.dat")));
    QCOMPARE(runCli({"resave", path("odd.dat"), path("out.dat"), "--force"}).exitCode, 0);
    QCOMPARE(readFileBytes(path("out.dat")).mid(5, 4), QByteArray(4, '\xFF'));
}

void TestSafeCli::diffErrors() {
    QVERIFY(saveChannelFile(samplePlan(), path("a.dat")).ok());
    QFile junk(path("junk.dat"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a channel file");
    junk.close();
    const QList<QStringList> bad = {
        {"diff", path("a.dat"), path("missing.dat")},
        {"diff", path("junk.dat"), path("a.dat")},
        {"diff", path("a.dat")},
        {"diff", "--port", path("no-port"), path("a.dat")},
        {"diff", "--log", path("l.txt"), path("a.dat"), path("a.dat")},
    };
    for (const QStringList& args : bad) {
        const CliResult r = runCli(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.err.isEmpty());
        QCOMPARE(r.out, QString());
    }
}

void TestSafeCli::logIsTheSimulatorsTrafficWithThePasswordMasked() {
    // The password "abc123" sits in the read block at 0x0190.
    auto sim = startSim("log", buildImageBytes(samplePlan()));
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    QCOMPARE(runCli({"read", "--port", sim->devicePath(), path("r.dat"), "--log", path("1.txt")})
                 .exitCode,
             0);
    QCOMPARE(runCli({"write", "--log", path("2.txt"), "--port", sim->devicePath(), path("plan.dat"),
                     "--verify"})
                 .exitCode,
             0);
    QVERIFY(sim->stop());
    const QString text = QString::fromUtf8(readFileBytes(path("1.txt"))) +
                         QString::fromUtf8(readFileBytes(path("2.txt")));
    const LogStreams ours = programLog(text);
    const LogStreams theirs = simulatorLog(path("log.log"));
    QCOMPARE(ours.sessions, 3);
    QCOMPARE(theirs.sessions, 3);
    QCOMPARE(hexOf(ours.sent), hexOf(theirs.sent));
    QCOMPARE(hexOf(ours.received), hexOf(theirs.received));
    QCOMPARE(ours.received.count(-1), 2 * 16); // the two reads of the block at 0x0190
    QVERIFY(!text.contains(QStringLiteral("61 62 63 31 32 33"))); // "abc123"
    QVERIFY(text.contains(QStringLiteral("Result: Read frequency success!")));
}

void TestSafeCli::fleetWithASilentRadio() {
    auto a = startSim("a");
    auto b = startSim("b", {}, {"--fault", "silent-after=1"});
    auto c = startSim("c");
    const EditorState plan = samplePlan();
    QVERIFY(saveChannelFile(plan, path("plan.dat")).ok());
    const CliResult r =
        runCli({"write", "--port", a->devicePath(), "--port", b->devicePath(), "--port",
                c->devicePath(), path("plan.dat"), "--log", path("fleet.txt")});
    QCOMPARE(r.exitCode, 1);
    const QStringList out = lines(r.out);
    QCOMPARE(out.size(), 3);
    const QRegularExpression timed(" \\(\\d+\\.\\d s\\)$");
    for (const auto* sim : {a.get(), c.get()}) {
        const QStringList line = out.filter(sim->devicePath() + ": ");
        QCOMPARE(line.size(), 1);
        QVERIFY2(line[0].startsWith(sim->devicePath() + ": Write frequency success! ("),
                 qPrintable(line[0]));
        QVERIFY(timed.match(line[0]).hasMatch());
    }
    const QStringList failed = out.filter(b->devicePath() + ": ");
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed[0].startsWith(b->devicePath() + ": failed: " + CommunicationError),
             qPrintable(failed[0]));
    QVERIFY2(r.err.contains("failed on 1 of 3 ports: " + b->devicePath()), qPrintable(r.err));

    const QByteArray built = buildImageBytes(plan);
    QList<int> planned;
    for (int at = 0x0010; at < 0x0180; at += 0x10)
        planned.append(at);
    planned << 0x01B0 << 0x0300 << 0x0310 << 0x0320 << 0x0330 << 0x0340;
    for (auto* sim : {a.get(), c.get()}) {
        QVERIFY(sim->stop());
        QCOMPARE(writeBlockAddresses(sim->logged('>')), planned);
        for (int at : planned)
            QCOMPARE(sim->memory().mid(at, 16), built.mid(at - 0x10, 16));
    }
    // Every port has its own backup and its own session in the log.
    QCOMPARE(backupNames().filter("_write").size(), 3);
    QCOMPARE(programLog(QString::fromUtf8(readFileBytes(path("fleet.txt")))).sessions, 3);
}

void TestSafeCli::fleetVerifiesEachRadio() {
    auto a = startSim("va");
    auto b = startSim("vb", {}, {"--fault", "flip-stored=0@1"});
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    const CliResult r = runCli({"write", "--verify", "--port", a->devicePath(), "--port",
                                b->devicePath(), path("plan.dat")});
    QCOMPARE(r.exitCode, 3);
    QVERIFY2(
        lines(r.out).filter(a->devicePath() + ": Write frequency success!, Verify OK (").size() ==
            1,
        qPrintable(r.out));
    QVERIFY2(lines(r.out)
                     .filter(b->devicePath() +
                             ": Write frequency success!, verify failed: 1 byte(s) differ (")
                     .size() == 1,
             qPrintable(r.out));
    QVERIFY2(r.err.contains(b->devicePath() + ": 0x0010  channel 1 RX frequency"),
             qPrintable(r.err));
    QCOMPARE(backupNames().filter("_read").size(), 2);
    // A radio whose line closes after the write holds it, unchecked.
    auto c = startSim("vc", {}, {"--fault", "hangup-after=33"});
    const CliResult u = runCli({"write", "--verify", "--port", a->devicePath(), "--port",
                                c->devicePath(), path("plan.dat")});
    QCOMPARE(u.exitCode, 1);
    QVERIFY2(lines(u.out)
                     .filter(c->devicePath() +
                             ": Write frequency success!, the read-back failed: Serial port ")
                     .size() == 1,
             qPrintable(u.out));
    QVERIFY2(u.err.contains("written but not checked on 1 of 2 ports: " + c->devicePath()),
             qPrintable(u.err));
    QVERIFY(!u.err.contains("failed on"));
}

// Each port reads its radio first and keeps what it held; a radio that
// cannot be read is not written.
void TestSafeCli::backupFirstKeepsWhatEachRadioHeld() {
    EditorState other = samplePlan();
    other.form1.combo9 = 4;
    auto a = startSim("fa", buildImageBytes(other));
    auto b = startSim("fb");
    auto mute = startSim("fm", {}, {"--fault", "silent-after=0"});
    const QByteArray heldA = a->memory(), heldB = b->memory();
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    const CliResult r = runCli({"write", "--backup-first", "--port", a->devicePath(), "--port",
                                b->devicePath(), "--port", mute->devicePath(), path("plan.dat")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(lines(r.out)
                     .filter(mute->devicePath() +
                             ": failed: Reading the radio before writing failed; nothing was "
                             "written: " +
                             CommunicationError)
                     .size() == 1,
             qPrintable(r.out));
    QSet<QByteArray> before;
    for (const QString& name : backupNames().filter("_before-write"))
        before.insert(readFileBytes(QDir(backups()).filePath(name)));
    QCOMPARE(before, (QSet<QByteArray>{ChannelFileSignature + heldA.mid(0x10, 848),
                                       ChannelFileSignature + heldB.mid(0x10, 848)}));
    QCOMPARE(backupNames().filter("_write").size(), 2);
    for (auto* sim : {a.get(), b.get(), mute.get()}) {
        QVERIFY(sim->stop());
        QCOMPARE(writeBlockAddresses(sim->logged('>')).size(), sim == mute.get() ? 0 : 29);
    }
    QCOMPARE(a->memory().mid(0x10, 848), buildImageBytes(samplePlan()));
    // It keeps a backup, so it cannot go with --no-backup.
    QCOMPARE(runCli({"write", "--backup-first", "--no-backup", "--port", a->devicePath(),
                     path("plan.dat")})
                 .exitCode,
             1);
}

// An unwritable --log is refused before the radio hears a byte.
void TestSafeCli::anUnwritableLogIsFoundBeforeTheRadio() {
    auto sim = startSim("quiet", buildImageBytes(samplePlan()));
    QVERIFY(saveChannelFile(samplePlan(), path("plan.dat")).ok());
    const QString log = path("no/such/folder/log.txt");
    const QList<QStringList> commands = {
        {"read", "--port", sim->devicePath(), path("r.dat"), "--log", log},
        {"write", "--port", sim->devicePath(), path("plan.dat"), "--log", log},
        {"diff", "--port", sim->devicePath(), path("plan.dat"), "--log", path("")},
    };
    for (const QStringList& args : commands) {
        const CliResult r = runCli(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("cannot write the log"), qPrintable(r.err));
    }
    QVERIFY(sim->stop());
    QVERIFY(sim->logged('>').isEmpty());
    QVERIFY(!QFileInfo::exists(path("r.dat")));
    QVERIFY(backupNames().isEmpty());
}

QTEST_GUILESS_MAIN(TestSafeCli)
#include "tst_safe_cli.moc"
