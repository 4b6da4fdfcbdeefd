// q716-cli's file commands run as a user runs them: new, resave, dump, build,
// and every kind of bad input ending with one line and no output file.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "support/CliRun.h"

using namespace q716::e2e;

namespace {

// A channel file with the bytes at radio address `address` replaced.
QByteArray patched(QByteArray file, int address, const char* hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    return file.replace(5 + address - 0x0010, bytes.size(), bytes);
}

// A plan that sets every key, in the spellings a person types.
const char* const FullPlan = R"({
    "language": "en",
    "band": 1,
    "model": 0,
    "channels": [
        {"channel": 1, "rxFrequency": "450.0125", "rxTone": "67", "txTone": "D754I",
         "power": "Low", "forbid": "Carrow", "bandwidth": "Narrow", "scan": "No"},
        {"channel": 2, "rxFrequency": "489.99999", "txFrequency": "", "rxTone": "Off",
         "txTone": "d23i"},
        {"channel": 3, "rxFrequency": "465", "txFrequency": "470.00625", "rxTone": "254.1",
         "txTone": "关闭", "power": "高", "forbid": "关闭", "bandwidth": "宽带", "scan": "有"},
        {"channel": 16, "rxFrequency": "455.55", "rxTone": "D1000N", "txTone": "100"}
    ],
    "settings": {"voiceLanguage": 2, "timeOut": -1, "timeOutWarning": 10, "squelch": 0,
                 "batterySave": 0, "beep": 0, "voxFunction": 1, "voxGain": 10, "voxDelay": 5,
                 "cancelOperation": 1, "voxBannedWhileReceiving": 1},
    "password": "  Pw716  ",
    "optionValues": ["7", "7", "7", "2", "7", "7", "7", "7", "0", "0", "1", "16", "91", "0",
                     "3", "Q716\u00ffS", "Group-A", "0123456789abcdef", "300", "0",
                     "7", "7", "7", "7"],
    "dtmfValues": [3, 2, 18, 1, 16, 1, 6, 15],
    "dtmfMemories": ["1230", "", "ABCD*#", "0123456789ABCD*#", "9", "0", "#", "*"],
    "keys": {"pf1": 0, "pf2": 11},
    "embeddedInfo": ["Q716 dealer", "Tel 0755-1234567 ext 987654321"],
    "testFrequencies": [{"rx": "136.0123", "tx": "174"}, {"rx": "", "tx": ""},
                        {"rx": "999.99999", "tx": ""}],
    "powerLevels": {"high": 255, "low": 0}
})";

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT

  private slots:
    void newResaveAndDumpAgree() {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.DAT"), b = dir.filePath("b.DAT");
        QCOMPARE(runCliBytes({"new", a}).status, 0);
        const QByteArray fresh = readFileBytes(a);
        QCOMPARE(fresh.size(), 853);
        QVERIFY(fresh.startsWith("NXR54"));
        QCOMPARE(runCliBytes({"resave", a, b}).status, 0);
        QCOMPARE(readFileBytes(b), fresh);

        // Resave opens and saves: two extra bytes go, an unknown band code
        // becomes the band the program starts with, and an erased byte inside
        // the password is dropped.
        QByteArray odd = patched(fresh, 0x01BD, "99");
        odd = patched(odd, 0x034C, "99");
        odd = patched(odd, 0x01C0, "61FF62");
        writeFileBytes(a, odd + "\x01\x02");
        QCOMPARE(runCliBytes({"resave", a, b}).status, 0);
        QCOMPARE(readFileBytes(b), patched(fresh, 0x01C0, "6162"));

        const CliBytes zh = runCliBytes({"dump", a});
        QCOMPARE(zh.status, 0);
        const QJsonObject state = QJsonDocument::fromJson(zh.out).object();
        QCOMPARE(state["channels"].toArray().size(), 16);
        QCOMPARE(state["settings"]["timeOut"]["index"].toInt(), 11);
        QCOMPARE(state["settings"]["voiceLanguage"]["text"].toString(), QString("中文"));
        const CliBytes en = runCliBytes({"dump", a, "--english"});
        QCOMPARE(QJsonDocument::fromJson(en.out)["settings"]["voiceLanguage"]["text"].toString(),
                 QString("Chinese"));
    }

    void buildValidatesLikeTheEditor() {
        QTemporaryDir dir;
        const QString plan = dir.filePath("plan.json"), out = dir.filePath("out.DAT");
        writeFileBytes(plan, R"({"band": 5, "channels": [
            {"channel": 2, "rxFrequency": "146.013", "rxTone": "d23n", "txTone": "100",
             "power": "Low", "scan": "无"},
            {"channel": 3, "rxFrequency": "150", "txFrequency": "", "rxTone": "Off"}],
            "password": " 1234 ", "keys": {"pf2": 3}})");
        const CliBytes built = runCliBytes({"build", plan, out});
        QVERIFY2(built.status == 0, built.err.constData());
        const QJsonObject s =
            QJsonDocument::fromJson(runCliBytes({"dump", out, "--english"}).out).object();
        const QJsonObject ch = s["channels"].toArray().at(1).toObject();
        QCOMPARE(ch["rxFrequency"].toString(), QString("146.01250"));
        QCOMPARE(ch["txFrequency"].toString(), QString("146.01250"));
        QCOMPARE(ch["rxTone"].toString(), QString("D023N"));
        QCOMPARE(ch["txTone"].toString(), QString("100.0"));
        QCOMPARE(ch["power"].toString(), QString("Low"));
        QCOMPARE(ch["scan"].toString(), QString("No"));
        QCOMPARE(ch["bandwidth"].toString(), QString("Wide"));
        const QJsonObject receiveOnly = s["channels"].toArray().at(2).toObject();
        QCOMPARE(receiveOnly["rxFrequency"].toString(), QString("150.00000"));
        QCOMPARE(receiveOnly["txFrequency"].toString(), QString());
        QCOMPARE(receiveOnly["rxTone"].toString(), QString("Off"));
        QCOMPARE(receiveOnly["txTone"].toString(), QString());
        QCOMPARE(s["band"]["index"].toInt(), 5);
        QCOMPARE(s["password"].toString(), QString("1234"));
        QCOMPARE(s["keys"]["pf2"].toInt(), 3);

        // A dump is itself a plan that rebuilds the same file.
        const QString again = dir.filePath("again.DAT");
        writeFileBytes(plan, runCliBytes({"dump", out}).out);
        QCOMPARE(runCliBytes({"build", plan, again}).status, 0);
        QCOMPARE(readFileBytes(again), readFileBytes(out));
    }

    void badInputLeavesNoOutput_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("reason");
        QByteArray wrongSignature(853, '\xFF');
        wrongSignature.replace(0, 5, "NXR55");
        QByteArray shortFile(852, '\xFF');
        shortFile.replace(0, 5, "NXR54");
        QTest::newRow("wrong signature") << "resave" << wrongSignature << "not a channel file";
        QTest::newRow("short file") << "resave" << shortFile << "not a channel file";
        QTest::newRow("short file dump") << "dump" << shortFile << "not a channel file";
        QTest::newRow("malformed json") << "build" << QByteArray("{\"band\": ") << "malformed JSON";
        QTest::newRow("not an object") << "build" << QByteArray("[1]") << "JSON object";
        QTest::newRow("outside band")
            << "build" << QByteArray(R"({"channels":[{"channel":1,"rxFrequency":"480"}]})")
            << "outside the band";
        QTest::newRow("unknown tone")
            << "build"
            << QByteArray(R"({"channels":[{"channel":1,"rxFrequency":"435","txTone":"D089N"}]})")
            << "not a known tone";
        QTest::newRow("list range")
            << "build" << QByteArray(R"({"settings":{"squelch":10}})") << "outside 0..9";
        QTest::newRow("unknown key") << "build" << QByteArray(R"({"chanels":[]})") << "unknown key";
        QTest::newRow("cell of an empty channel")
            << "build" << QByteArray(R"({"channels":[{"channel":1,"power":"Low"}]})")
            << "without a receive frequency";
        QTest::newRow("channel twice")
            << "build"
            << QByteArray(R"({"channels":[{"channel":4,"rxFrequency":"435"},{"channel":4}]})")
            << "given twice";
        QTest::newRow("option range")
            << "build"
            << QByteArray(R"({"optionValues":["1","1","1","1","1","1","1","1","1","1","0","1",)"
                          R"("1","1","1","","1","2","301"]})")
            << "outside 0..300";
        QTest::newRow("dtmf key") << "build" << QByteArray(R"({"dtmfMemories":["12E"]})")
                                  << "not a DTMF key";
        QTest::newRow("test transmit alone")
            << "build" << QByteArray(R"({"testFrequencies":[{"rx":"","tx":"435"}]})")
            << "needs a receive frequency";
        QTest::newRow("flag text")
            << "build"
            << QByteArray(R"({"channels":[{"channel":1,"rxFrequency":"435","power":"Max"}]})")
            << "neither";
        // A "ÿ" is stored as FF, which these fields read back as an erased byte.
        QTest::newRow("erased byte in embedded information")
            << "build" << QByteArray(R"({"embeddedInfo":["A\u00ffB"]})") << "erased byte";
        QTest::newRow("erased byte in password")
            << "build" << QByteArray(R"({"password":"\u00ff1"})") << "erased byte";
        QTest::newRow("erased byte in option slot 16")
            << "build"
            << QByteArray(R"({"optionValues":["1","1","1","1","1","1","1","1","1","1","1","1",)"
                          R"("1","1","1","","\u00ff"]})")
            << "erased byte";
    }

    void badInputLeavesNoOutput() {
        QFETCH(QString, command);
        QFETCH(QByteArray, input);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString in = dir.filePath("in.file"), out = dir.filePath("out.DAT");
        writeFileBytes(in, input);
        QStringList args{command, in};
        if (command != "dump")
            args << out;
        const CliBytes r = runCliBytes(args);
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        const QString err = QString::fromLocal8Bit(r.err);
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.contains(in) && err.contains(reason), qPrintable(err));
        QVERIFY(!QFile::exists(out));
    }

    // docs/cli.md: for a file new or build wrote, dump then build writes the
    // same 853 bytes, from either language's dump.
    void dumpThenBuildGivesTheSameFile_data() {
        QTest::addColumn<QString>("dumpOption");
        QTest::newRow("Chinese") << QString();
        QTest::newRow("English") << QString("--english");
    }

    void dumpThenBuildGivesTheSameFile() {
        QFETCH(QString, dumpOption);
        QTemporaryDir dir;
        const QString plan = dir.filePath("plan.json"), again = dir.filePath("again.DAT");
        const QString fresh = dir.filePath("new.DAT"), full = dir.filePath("full.DAT");
        QCOMPARE(runCliBytes({"new", fresh}).status, 0);
        writeFileBytes(plan, FullPlan);
        const CliBytes built = runCliBytes({"build", plan, full});
        QVERIFY2(built.status == 0, built.err.constData());
        QVERIFY(readFileBytes(full) != readFileBytes(fresh));

        for (const QString& file : {fresh, full}) {
            QStringList dumpArgs{"dump", file};
            if (!dumpOption.isEmpty())
                dumpArgs << dumpOption;
            const CliBytes dumped = runCliBytes(dumpArgs);
            QCOMPARE(dumped.status, 0);
            writeFileBytes(plan, dumped.out);
            const CliBytes rebuilt = runCliBytes({"build", plan, again});
            QVERIFY2(rebuilt.status == 0, rebuilt.err.constData());
            QCOMPARE(readFileBytes(again).toHex(), readFileBytes(file).toHex());
        }
    }

    // docs/cli.md: a resaved radio file keeps values the editor never
    // produces; build lowers them to the raster, trims the password, or
    // refuses them.
    void resavedRadioValuesAreNotRebuiltAsTheyWere() {
        QTemporaryDir dir;
        const QString radio = dir.filePath("radio.DAT"), resaved = dir.filePath("resaved.DAT");
        const QString plan = dir.filePath("plan.json"), rebuilt = dir.filePath("rebuilt.DAT");
        QCOMPARE(runCliBytes({"new", radio}).status, 0);
        const QByteArray fresh = readFileBytes(radio);

        // Channel 1 at 435.01230 (off the raster) and the password " ab ".
        QByteArray offRaster = patched(fresh, 0x0010, "3012504330125043FFFFFFFFF8F0FCFF");
        offRaster = patched(offRaster, 0x01C0, "20616220");
        writeFileBytes(radio, offRaster);
        QCOMPARE(runCliBytes({"resave", radio, resaved}).status, 0);
        QCOMPARE(readFileBytes(resaved), offRaster);
        writeFileBytes(plan, runCliBytes({"dump", resaved}).out);
        QCOMPARE(runCliBytes({"build", plan, rebuilt}).status, 0);
        QByteArray lowered = patched(offRaster, 0x0010, "0010504300105043");
        lowered = patched(lowered, 0x01C0, "6162FFFF");
        QCOMPARE(readFileBytes(rebuilt).toHex(), lowered.toHex());

        const std::pair<const char*, const char*> refused[] = {
            {"0000003500000035FFFFFFFFF8F0FCFF", "outside the band"}, // 350 MHz in 400-480
            {"00250140FFFFFFFFF401FFFFF8F0FCFF", "not a known tone"}, // CTCSS 50.0
        };
        for (const auto& [record, reason] : refused) {
            QFile::remove(rebuilt);
            writeFileBytes(radio, patched(fresh, 0x0010, record));
            QCOMPARE(runCliBytes({"resave", radio, resaved}).status, 0);
            QCOMPARE(readFileBytes(resaved), readFileBytes(radio));
            writeFileBytes(plan, runCliBytes({"dump", resaved}).out);
            const CliBytes r = runCliBytes({"build", plan, rebuilt});
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains(reason), r.err.constData());
            QVERIFY(!QFile::exists(rebuilt));
        }
    }

    void failureKeepsAnExistingOutputFile() {
        QTemporaryDir dir;
        const QString out = dir.filePath("keep.DAT");
        writeFileBytes(out, "precious");
        const CliBytes missing = runCliBytes({"resave", dir.filePath("missing.DAT"), out});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains("missing.DAT"));
        QCOMPARE(readFileBytes(out), QByteArray("precious"));
        const CliBytes dirInput = runCliBytes({"dump", dir.path()});
        QCOMPARE(dirInput.status, 1);
        QVERIFY(dirInput.err.contains("directory"));
        const CliBytes unwritable = runCliBytes({"new", dir.filePath("no/such/dir/x.DAT")});
        QCOMPARE(unwritable.status, 1);
        QVERIFY(unwritable.err.contains("x.DAT"));
        const CliBytes usage = runCliBytes({"resave", out});
        QCOMPARE(usage.status, 1);
        QVERIFY(usage.err.contains("usage"));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
