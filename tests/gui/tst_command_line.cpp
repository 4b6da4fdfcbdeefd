// q716's command line: at most one channel file, and no unknown options.

#include "shell/CommandLine.h"

#include <QtTest>

class tst_command_line : public QObject {
    Q_OBJECT

  private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("file");
        QTest::newRow("nothing") << QStringList{"q716"} << true << QString();
        QTest::newRow("a file") << QStringList{"q716", "plan.DAT"} << true << "plan.DAT";
        QTest::newRow("a file with blanks") << QStringList{"q716", "/home/ann/my plans/a.DAT"}
                                            << true << "/home/ann/my plans/a.DAT";
        QTest::newRow("a file named like an option")
            << QStringList{"q716", "--", "-x.DAT"} << true << "-x.DAT";
        QTest::newRow("two files") << QStringList{"q716", "a.DAT", "b.DAT"} << false << QString();
        QTest::newRow("unknown option")
            << QStringList{"q716", "--open", "a.DAT"} << false << QString();
    }

    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        QFETCH(QString, file);
        QString parsed;
        QString error;
        QCOMPARE(q716::parseCommandLine(arguments, &parsed, &error), accepted);
        if (accepted) {
            QCOMPARE(parsed, file);
            QVERIFY(error.isEmpty());
        } else {
            QVERIFY(!error.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(tst_command_line)
#include "tst_command_line.moc"
