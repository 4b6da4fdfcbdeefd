// q716-cli read and write against the simulated radio through a real
// pseudo-terminal: the image that arrives, the blocks that are written and in
// which order, how each fault of the radio ends, a line that hangs up and a
// port another program holds.

#include "support/CliRun.h"
#include "support/SamplePlan.h"
#include "support/SimRadio.h"

#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

using namespace q716;
using namespace q716::e2e;

class TestLinkCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

  private slots:
    void readBringsTheRadioImageIntoAFile();
    void writeSendsThePlanBlocksInOrder();
    void byteStoredWrongIsNotNoticed();
    void faultsEndAsTheRadioDictates_data();
    void faultsEndAsTheRadioDictates();
    void portThatCannotBeOpenedSaysWhy();
    void sessionsFollowEachOtherOnOneSimulator();
    void hungUpLineEndsTheSessionAtOnce_data();
    void hungUpLineEndsTheSessionAtOnce();
    void portHeldByAnotherProgramSaysItIsInUse();
    void portsListsTheSlotsAndPortTakesTheirOtherNames();
};

void TestLinkCli::readBringsTheRadioImageIntoAFile() {
    const QByteArray image = buildImageBytes(samplePlan());
    QVERIFY(writeMemoryFile(path("read.mem"), image));
    SimRadio sim(path("read.mem"), path("read.log"));
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    const CliResult r = runCli({"read", "--port", sim.devicePath(), path("read.dat")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.trimmed(), QStringLiteral("Read frequency success!"));
    const ChannelFileRead file = readChannelFile(path("read.dat"));
    QVERIFY(file.result.ok());
    QCOMPARE(file.imageHex.left(2 * 848),
             QString::fromLatin1(sim.memory().mid(0x10, 848).toHex().toUpper()));
    // Sixteen read requests, 0x0010 to 0x03D0, in order.
    QList<QByteArray> requests;
    for (const QByteArray& m : sim.logged('>'))
        if (m.size() == 4 && m.at(0) == 'R')
            requests.append(m);
    QCOMPARE(requests.size(), 16);
    for (int i = 0; i < 16; ++i) {
        const int a = 0x0010 + 0x40 * i;
        QCOMPARE(requests[i], QByteArray::fromHex(QByteArray::number(0x52000040 | (a << 8), 16)));
    }
    QCOMPARE(sim.logged('>').last(), QByteArray("E"));
}

void TestLinkCli::writeSendsThePlanBlocksInOrder() {
    const EditorState plan = samplePlan();
    QVERIFY(saveChannelFile(plan, path("plan.dat")).ok());
    const QByteArray built = buildImageBytes(plan);
    SimRadio sim(path("write.mem"), path("write.log"));
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    const CliResult r = runCli({"write", "--port", sim.devicePath(), path("plan.dat")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.trimmed(), QStringLiteral("Write frequency success!"));
    QVERIFY(sim.stop());

    QList<int> expected;
    for (int a = 0x0010; a < 0x0180; a += 0x10)
        expected.append(a);
    expected << 0x01B0 << 0x0300 << 0x0310 << 0x0320 << 0x0330 << 0x0340;
    QCOMPARE(writeBlockAddresses(sim.logged('>')), expected);

    const QByteArray memory = sim.memory();
    for (int a : expected)
        QCOMPARE(memory.mid(a, 16), built.mid(a - 0x10, 16));
    // Calibration, password, DTMF memories and test frequencies stay as they were.
    QCOMPARE(memory.mid(0x0180, 0x30), QByteArray(0x30, char(0xFF)));
    QCOMPARE(memory.mid(0x01C0, 0x140), QByteArray(0x140, char(0xFF)));
}

void TestLinkCli::byteStoredWrongIsNotNoticed() {
    // The radio acknowledges every block before it checks what it stored; a
    // byte it stores wrong is invisible to the protocol.
    const EditorState plan = samplePlan();
    QVERIFY(saveChannelFile(plan, path("flip.dat")).ok());
    const QByteArray built = buildImageBytes(plan);
    SimRadio sim(path("flip.mem"), path("flip.log"), {"--fault", "flip-stored=3@5"});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    const CliResult r = runCli({"write", "--port", sim.devicePath(), path("flip.dat")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(sim.stop());
    QByteArray expected = built.left(0x170);
    expected[0x0050 - 0x10 + 3] = char(~uchar(expected.at(0x0050 - 0x10 + 3)));
    QCOMPARE(sim.memory().mid(0x10, 0x170), expected);
}

void TestLinkCli::faultsEndAsTheRadioDictates_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("silent after the identification") << "silent-after=2" << false;
    QTest::newRow("silent in the data phase") << "silent-after=6" << false;
    QTest::newRow("wrong address") << "wrong-address" << false;
    QTest::newRow("replies in pieces") << "split" << true;
    // A pseudo-terminal carries no break, so the junk byte is never dropped and
    // nothing matches the reply it precedes.
    QTest::newRow("break and junk") << "break" << false;
    QTest::newRow("one byte at a time") << "bytewise" << true;
    QTest::newRow("a read reply cut after its first byte") << "split=1@4" << true;
    QTest::newRow("junk before a read reply") << "junk-before@4" << false;
    QTest::newRow("NAK") << "nak@3" << false;
    QTest::newRow("a read reply sent twice") << "repeat@4" << false;
    QTest::newRow("a reply late within the watchdog") << "delay=1000@5" << true;
    QTest::newRow("a reply late beyond the watchdog") << "delay=4500@5" << false;
}

void TestLinkCli::faultsEndAsTheRadioDictates() {
    QFETCH(QString, fault);
    QFETCH(bool, succeeds);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
    QVERIFY(writeMemoryFile(path(name + ".mem"), buildImageBytes(samplePlan())));
    SimRadio sim(path(name + ".mem"), path(name + ".log"), {"--fault", fault});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    const QString out = path(name + ".dat");
    const CliResult r = runCli({"read", "--port", sim.devicePath(), out});
    if (succeeds) {
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readChannelFile(out).result.ok());
    } else {
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(CommunicationError), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
        // The session still says goodbye to the radio.
        QTRY_VERIFY_WITH_TIMEOUT(!sim.logged('>').isEmpty() && sim.logged('>').last() == "E",
                                 30000);
    }
}

void TestLinkCli::portThatCannotBeOpenedSaysWhy() {
    const CliResult r = runCli({"read", "--port", path("no-such-port"), path("never.dat")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Cannot open serial port")), qPrintable(r.err));
    QVERIFY(!QFile::exists(path("never.dat")));
    QVERIFY(saveChannelFile(samplePlan(), path("plan2.dat")).ok());
    const CliResult w = runCli({"write", "--port", path("no-such-port"), path("plan2.dat")});
    QCOMPARE(w.exitCode, 1);
    const CliResult missing = runCli({"write", "--port", path("no-such-port"), path("none.dat")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(!missing.err.isEmpty());
}

void TestLinkCli::sessionsFollowEachOtherOnOneSimulator() {
    QVERIFY(saveChannelFile(samplePlan(), path("again.dat")).ok());
    SimRadio sim(path("again.mem"), path("again.log"));
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    QCOMPARE(runCli({"write", "--port", sim.devicePath(), path("again.dat")}).exitCode, 0);
    QCOMPARE(runCli({"read", "--port", sim.devicePath(), path("back.dat")}).exitCode, 0);
    const ChannelFileRead original = readChannelFile(path("again.dat"));
    const ChannelFileRead back = readChannelFile(path("back.dat"));
    QVERIFY(back.result.ok());
    // Everything a write carries comes back; the rest reads as the radio had it.
    QCOMPARE(back.imageHex.left(2 * 0x170), original.imageHex.left(2 * 0x170));
}

void TestLinkCli::hungUpLineEndsTheSessionAtOnce_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("hangUpAfter"); // messages the radio receives before it hangs up
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("read, in the handshake") << "read" << 2 << false;
    QTest::newRow("read, in the data phase") << "read" << 5 << false;
    QTest::newRow("write, in the data phase") << "write" << 10 << false;
    // Open, Identify, Ack, 16 requests and their acknowledgements, End.
    QTest::newRow("read, after the end byte") << "read" << 36 << true;
    // Open, Identify, Ack, 29 blocks, End.
    QTest::newRow("write, after the end byte") << "write" << 33 << true;
}

void TestLinkCli::hungUpLineEndsTheSessionAtOnce() {
    QFETCH(QString, command);
    QFETCH(int, hangUpAfter);
    QFETCH(bool, succeeds);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
    QVERIFY(writeMemoryFile(path(name + ".mem"), buildImageBytes(samplePlan())));
    QVERIFY(saveChannelFile(samplePlan(), path(name + ".plan.dat")).ok());
    SimRadio sim(path(name + ".mem"), path(name + ".log"),
                 {"--fault", QStringLiteral("hangup-after=%1").arg(hangUpAfter)});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    const QString file = command == "read" ? path(name + ".dat") : path(name + ".plan.dat");
    // runCli waits for the process to finish: a program spinning on the dead
    // line would never get there.
    const CliResult r = runCli({command, "--port", sim.devicePath(), file});
    if (succeeds) {
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readChannelFile(file).result.ok());
        return;
    }
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Serial port %1 hung up").arg(sim.devicePath())),
             qPrintable(r.err));
    QVERIFY2(r.err.contains(CommunicationError), qPrintable(r.err));
    if (command == "read")
        QVERIFY(!QFile::exists(file));
}

void TestLinkCli::portHeldByAnotherProgramSaysItIsInUse() {
    SimRadio sim(path("held.mem"), path("held.log"));
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    QSerialPort holder(sim.devicePath());
    QVERIFY(holder.open(QIODevice::ReadWrite));
    const CliResult r = runCli({"read", "--port", sim.devicePath(), path("held.dat")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Cannot open serial port %1: The port is in use by "
                                           "another program")
                                .arg(sim.devicePath())),
             qPrintable(r.err));
    QVERIFY2(!r.err.contains(QStringLiteral("usermod")), qPrintable(r.err));
    QVERIFY(!QFile::exists(path("held.dat")));
    // Once the other program lets go, the port opens.
    holder.close();
    QCOMPARE(runCli({"read", "--port", sim.devicePath(), path("held.dat")}).exitCode, 0);
}

QTEST_GUILESS_MAIN(TestLinkCli)
#include "tst_link_cli.moc"

// `ports` lists what the port dialog would; --port takes a link or USB ids,
// and a port given under two names is refused before any radio is touched.
void TestLinkCli::portsListsTheSlotsAndPortTakesTheirOtherNames() {
    const QString link = path("usb-cable-by-id");
    SimRadio sim(path("ports.mem"), path("ports.log"), {QStringLiteral("--link"), link});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    qputenv("Q716_PORTS", (link + ':' + path("unplugged")).toLocal8Bit());
    const CliResult listed = runCli({"ports"});
    QCOMPARE(listed.exitCode, 0);
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1].simplified(),
             QStringLiteral("COM1 %1 %2 - - yes").arg(sim.devicePath(), link));
    QCOMPARE(lines[2].simplified(),
             QStringLiteral("COM2 %1 - - - no: not there").arg(path("unplugged")));

    QVERIFY(saveChannelFile(samplePlan(), path("twice.dat")).ok());
    const CliResult twice =
        runCli({"write", "--port", link, "--port", sim.devicePath(), path("twice.dat")});
    QCOMPARE(twice.exitCode, 1);
    QVERIFY2(
        twice.err.contains(
            QStringLiteral("a port is given twice: %1 (as %2 and %1)").arg(sim.devicePath(), link)),
        qPrintable(twice.err));
    const CliResult usb = runCli({"read", "--port", "usb:0403:6001", path("usb.dat")});
    QCOMPARE(usb.exitCode, 1);
    QVERIFY2(usb.err.contains(QStringLiteral("no USB serial adapter 0403:6001 is connected")),
             qPrintable(usb.err));
    qunsetenv("Q716_PORTS");
    QVERIFY(sim.logged('>').isEmpty());
}
