// q716-cli's file commands run as a user runs them: new, resave, dump, build,
// and every kind of bad input ending with one line and no output file.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(Q716_CLI), args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(10000);
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT

  private slots:
    void newResaveAndDumpAgree() {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.DAT"), b = dir.filePath("b.DAT");
        QCOMPARE(cli({"new", a}).status, 0);
        const QByteArray fresh = readAll(a);
        QCOMPARE(fresh.size(), 853);
        QVERIFY(fresh.startsWith("NXR54"));
        QCOMPARE(cli({"resave", a, b}).status, 0);
        QCOMPARE(readAll(b), fresh);

        const Run zh = cli({"dump", a});
        QCOMPARE(zh.status, 0);
        const QJsonObject state = QJsonDocument::fromJson(zh.out).object();
        QCOMPARE(state["channels"].toArray().size(), 16);
        QCOMPARE(state["settings"]["timeOut"]["index"].toInt(), 11);
        QCOMPARE(state["settings"]["voiceLanguage"]["text"].toString(), QString("中文"));
        const Run en = cli({"dump", a, "--english"});
        QCOMPARE(QJsonDocument::fromJson(en.out)["settings"]["voiceLanguage"]["text"].toString(),
                 QString("Chinese"));
    }

    void buildValidatesLikeTheEditor() {
        QTemporaryDir dir;
        const QString plan = dir.filePath("plan.json"), out = dir.filePath("out.DAT");
        writeAll(plan, R"({"band": 5, "channels": [
            {"channel": 2, "rxFrequency": "146.013", "rxTone": "d23n", "txTone": "100",
             "power": "Low", "scan": "无"}],
            "password": "1234", "keys": {"pf2": 3}})");
        const Run built = cli({"build", plan, out});
        QVERIFY2(built.status == 0, built.err.constData());
        const QJsonObject s = QJsonDocument::fromJson(cli({"dump", out, "--english"}).out).object();
        const QJsonObject ch = s["channels"].toArray().at(1).toObject();
        QCOMPARE(ch["rxFrequency"].toString(), QString("146.01250"));
        QCOMPARE(ch["txFrequency"].toString(), QString("146.01250"));
        QCOMPARE(ch["rxTone"].toString(), QString("D023N"));
        QCOMPARE(ch["txTone"].toString(), QString("100.0"));
        QCOMPARE(ch["power"].toString(), QString("Low"));
        QCOMPARE(ch["scan"].toString(), QString("No"));
        QCOMPARE(ch["bandwidth"].toString(), QString("Wide"));
        QCOMPARE(s["band"]["index"].toInt(), 5);
        QCOMPARE(s["password"].toString(), QString("1234"));
        QCOMPARE(s["keys"]["pf2"].toInt(), 3);

        // A dump is itself a plan that rebuilds the same file.
        const QString again = dir.filePath("again.DAT");
        writeAll(plan, cli({"dump", out}).out);
        QCOMPARE(cli({"build", plan, again}).status, 0);
        QCOMPARE(readAll(again), readAll(out));
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
        QTest::newRow("flag text")
            << "build"
            << QByteArray(R"({"channels":[{"channel":1,"rxFrequency":"435","power":"Max"}]})")
            << "neither";
    }

    void badInputLeavesNoOutput() {
        QFETCH(QString, command);
        QFETCH(QByteArray, input);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString in = dir.filePath("in.file"), out = dir.filePath("out.DAT");
        writeAll(in, input);
        QStringList args{command, in};
        if (command != "dump")
            args << out;
        const Run r = cli(args);
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        const QString err = QString::fromLocal8Bit(r.err);
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.contains(in) && err.contains(reason), qPrintable(err));
        QVERIFY(!QFile::exists(out));
    }

    void failureKeepsAnExistingOutputFile() {
        QTemporaryDir dir;
        const QString out = dir.filePath("keep.DAT");
        writeAll(out, "precious");
        const Run missing = cli({"resave", dir.filePath("missing.DAT"), out});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains("missing.DAT"));
        QCOMPARE(readAll(out), QByteArray("precious"));
        const Run dirInput = cli({"dump", dir.path()});
        QCOMPARE(dirInput.status, 1);
        QVERIFY(dirInput.err.contains("directory"));
        const Run unwritable = cli({"new", dir.filePath("no/such/dir/x.DAT")});
        QCOMPARE(unwritable.status, 1);
        QVERIFY(unwritable.err.contains("x.DAT"));
        const Run usage = cli({"resave", out});
        QCOMPARE(usage.status, 1);
        QVERIFY(usage.err.contains("usage"));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
