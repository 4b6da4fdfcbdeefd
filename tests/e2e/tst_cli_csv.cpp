// q716-cli import-csv and export-csv as a user runs them: every exit status
// (0 all rows imported, 2 rows skipped but the file written, 1 a refused
// file or one that sets no channel and nothing written; export 2 when a
// channel is left out or changed), the band it chooses and prints, the
// report on stderr, --base and --band, and export then import giving the
// same file.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/CliRun.h"

using namespace q716::e2e;

namespace {

const QByteArray Header =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// A two-metre list as another programmer exports it.
const QByteArray VhfList =
    Header +
    "0,Repeater,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"
    "\r\n"
    "1,Calling,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,\r\n";

} // namespace

class TestCliCsv : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) { return dir_.filePath(QString::fromLatin1(name)); }

  private slots:
    void everyRowImportedExitsZeroAndPrintsTheBand() {
        writeFileBytes(path("vhf.csv"), VhfList);
        const CliBytes r = runCliBytes({"import-csv", path("vhf.csv"), path("vhf.DAT")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("band 5: 136-174MHz\n"));
        QVERIFY2(r.err.contains("Channels set: 2. Rows in the file: 2. Rows skipped: 0."), r.err);
        QVERIFY(r.err.contains("Names dropped (this radio has no channel names): 2."));
        QCOMPARE(readFileBytes(path("vhf.DAT")).size(), 853);

        // The file holds the channels: export gives them back.
        const CliBytes e = runCliBytes({"export-csv", path("vhf.DAT"), path("back.csv")});
        QCOMPARE(e.status, 0);
        QCOMPARE(readFileBytes(path("back.csv")),
                 Header +
                     "1,,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"
                     ",,,,\r\n"
                     "2,,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,"
                     "\r\n");
    }

    void exportThenImportWritesTheSameFile() {
        writeFileBytes(path("a.csv"), VhfList);
        QCOMPARE(runCliBytes({"import-csv", path("a.csv"), path("a.DAT")}).status, 0);
        QCOMPARE(runCliBytes({"export-csv", path("a.DAT"), path("a-out.csv")}).status, 0);
        QCOMPARE(runCliBytes({"import-csv", path("a-out.csv"), path("b.DAT")}).status, 0);
        QCOMPARE(readFileBytes(path("b.DAT")), readFileBytes(path("a.DAT")));
    }

    void skippedRowsExitTwoAndStillWriteTheFile() {
        writeFileBytes(path("mixed.csv"),
                       VhfList + "2,Tower,127.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,"
                                 "25.00,,High,,,,,\r\n");
        const CliBytes r = runCliBytes({"import-csv", path("mixed.csv"), path("mixed.DAT")});
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QByteArray("band 5: 136-174MHz\n"));
        QVERIFY2(r.err.contains("mixed.csv: Line 4 (Location 2): this radio has no mode \"AM\" "
                                "(only FM and NFM); row skipped."),
                 r.err);
        QVERIFY(r.err.contains("Rows skipped: 1."));
        QCOMPARE(readFileBytes(path("mixed.DAT")).size(), 853);
    }

    // No row fits: nothing is set, so nothing is written.
    void aBandGivenThatMissesEveryRowExitsOneAndNamesTheBandThatFits() {
        writeFileBytes(path("vhf2.csv"), VhfList);
        const CliBytes r =
            runCliBytes({"import-csv", path("vhf2.csv"), path("uhf.DAT"), "--band", "0"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QByteArray("band 0: 400-480MHz\n"));
        QVERIFY2(r.err.contains("Rows outside the band 400-480MHz: 2."), r.err);
        QVERIFY(r.err.contains("--band 5 (136-174MHz) holds them all."));
        QVERIFY(r.err.contains("No row can be imported, so the channel table stays as it is."));
        QVERIFY(!QFile::exists(path("uhf.DAT")));
    }

    void aChannelTheListCannotHoldIsReportedAndExitsTwo() {
        QCOMPARE(runCliBytes({"new", path("odd.DAT")}).status, 0);
        QByteArray odd = readFileBytes(path("odd.DAT"));
        odd.replace(5, 8, QByteArray::fromHex("000050430A008543")); // 435.00000 / 438.5000A
        odd.replace(5 + 16, 4, QByteArray::fromHex("0A008543"));
        writeFileBytes(path("odd.DAT"), odd);
        const CliBytes r = runCliBytes({"export-csv", path("odd.DAT"), path("odd.csv")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("odd.DAT: Channel 1 TX frequency \"438.5000A\" is no frequency, "
                                "so the channel is written receive-only (Duplex off)."),
                 r.err);
        QVERIFY(r.err.contains("odd.DAT: Channel 2 RX frequency \"438.5000A\" is no frequency, "
                               "so the channel is left out."));
        QVERIFY(readFileBytes(path("odd.csv")).contains("\r\n1,,435.000000,off,"));
    }

    void theBaseKeepsItsSettingsAndLosesItsChannels() {
        writeFileBytes(path("one.csv"), Header + "1,,435.000000,,0,,,,,,,,FM,,,,,,,,\r\n");
        // A base with a channel 5 and its own band: the list replaces the
        // channels, the chosen band the base's band.
        QCOMPARE(runCliBytes({"new", path("base.DAT")}).status, 0);
        QByteArray base = readFileBytes(path("base.DAT"));
        base.replace(5 + 4 * 16, 4, QByteArray::fromHex("00504543")); // channel 5 receive 434.55
        base.replace(5 + 4 * 16 + 4, 4, QByteArray::fromHex("00504543"));
        base[5 + 0x0134 - 0x0010] = 9; // squelch level
        writeFileBytes(path("base.DAT"), base);
        const CliBytes r = runCliBytes(
            {"import-csv", path("one.csv"), path("out.DAT"), "--base", path("base.DAT")});
        QCOMPARE(r.status, 0);
        const QByteArray out = readFileBytes(path("out.DAT"));
        QCOMPARE(out.size(), 853);
        QCOMPARE(out.mid(5 + 4 * 16, 4), QByteArray::fromHex("FFFFFFFF")); // channel 5 gone
        QCOMPARE(out.mid(5, 4), QByteArray::fromHex("00005043"));          // 435.00000
        // The base's settings stay: its squelch level 9 (a fresh start has 4).
        QCOMPARE(int(out.at(5 + 0x0134 - 0x0010)), 9);
    }

    void refusedFilesExitOneAndWriteNothing() {
        writeFileBytes(path("names.csv"), "Location,Name\r\n1,Home\r\n");
        writeFileBytes(path("empty.csv"), "");
        writeFileBytes(path("header.csv"), Header);
        writeFileBytes(path("existing.DAT"), "keep me");
        struct Case {
            QStringList args;
            const char* stderrHas;
        };
        const Case cases[] = {
            {{"import-csv", path("names.csv"), path("existing.DAT")},
             "names.csv: The file has no \"Frequency\" column"},
            {{"import-csv", path("empty.csv"), path("existing.DAT")},
             "empty.csv: The file is empty"},
            {{"import-csv", path("missing.csv"), path("existing.DAT")}, "missing.csv: "},
            {{"import-csv", path("header.csv"), path("existing.DAT")},
             "header.csv: The file holds a header line but no channel rows"},
            {{"import-csv", path("names.csv"), path("existing.DAT"), "--band", "7"},
             "--band: a band position 0..6, not '7'"},
            {{"import-csv", path("names.csv"), path("existing.DAT"), "--base", path("names.csv")},
             "names.csv: "},
            {{"import-csv", path("names.csv")}, "usage: q716-cli import-csv IN.csv OUT.DAT"},
            {{"export-csv", path("names.csv"), path("existing.DAT")}, "names.csv: "},
            {{"export-csv", path("missing.DAT"), path("existing.DAT")}, "missing.DAT: "},
        };
        for (const Case& c : cases) {
            const CliBytes r = runCliBytes(c.args);
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains(c.stderrHas), r.err);
            QCOMPARE(readFileBytes(path("existing.DAT")), QByteArray("keep me"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliCsv)
#include "tst_cli_csv.moc"
