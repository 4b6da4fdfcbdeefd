// q716's command line: at most one channel file or --manual zh|en, and no
// unknown options.

#include "shell/CommandLine.h"

#include <QtTest>

class tst_command_line : public QObject {
    Q_OBJECT

  private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("manual");
        QTest::newRow("nothing") << QStringList{"q716"} << true << QString() << -1;
        QTest::newRow("a file") << QStringList{"q716", "plan.DAT"} << true << "plan.DAT" << -1;
        QTest::newRow("a file with blanks") << QStringList{"q716", "/home/ann/my plans/a.DAT"}
                                            << true << "/home/ann/my plans/a.DAT" << -1;
        QTest::newRow("a file named like an option")
            << QStringList{"q716", "--", "-x.DAT"} << true << "-x.DAT" << -1;
        QTest::newRow("two files")
            << QStringList{"q716", "a.DAT", "b.DAT"} << false << QString() << -1;
        QTest::newRow("unknown option")
            << QStringList{"q716", "--open", "a.DAT"} << false << QString() << -1;
        QTest::newRow("Chinese manual")
            << QStringList{"q716", "--manual", "zh"} << true << QString() << 0;
        QTest::newRow("English manual")
            << QStringList{"q716", "--manual=en"} << true << QString() << 1;
        QTest::newRow("manual in no language")
            << QStringList{"q716", "--manual"} << false << QString() << -1;
        QTest::newRow("manual in another language")
            << QStringList{"q716", "--manual", "de"} << false << QString() << -1;
        QTest::newRow("manual and a file")
            << QStringList{"q716", "--manual", "zh", "a.DAT"} << false << QString() << -1;
    }

    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        QFETCH(QString, file);
        QFETCH(int, manual);
        q716::CommandLine parsed;
        QString error;
        QCOMPARE(q716::parseCommandLine(arguments, &parsed, &error), accepted);
        if (accepted) {
            QCOMPARE(parsed.file, file);
            QCOMPARE(parsed.manualLanguage, manual);
            QVERIFY(error.isEmpty());
        } else {
            QVERIFY(!error.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(tst_command_line)
#include "tst_command_line.moc"
