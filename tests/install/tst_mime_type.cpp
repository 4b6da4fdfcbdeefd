// The channel file type as a desktop sees it: Qt resolves types through the
// shared MIME database, here the system's plus the package's type compiled
// by update-mime-database into a temporary folder.

#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_mime_type : public QObject {
    Q_OBJECT

    QTemporaryDir data_;
    QTemporaryDir files_;

    QString fileWith(const QString& name, const QByteArray& bytes) {
        const QString path = files_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

  private slots:
    void initTestCase() {
        QVERIFY(data_.isValid() && files_.isValid());
        const QString packages = data_.filePath(QStringLiteral("mime/packages"));
        QVERIFY(QDir().mkpath(packages));
        QVERIFY(
            QFile::copy(QStringLiteral(Q716_MIME_FILE), packages + QStringLiteral("/q716.xml")));
        QProcess compile;
        compile.start(QStringLiteral("update-mime-database"), {data_.filePath("mime")});
        QVERIFY(compile.waitForFinished(60000));
        QCOMPARE(compile.exitCode(), 0);
        // Before the first QMimeDatabase: it reads the folders once.
        qputenv("XDG_DATA_DIRS", (data_.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", data_.filePath(QStringLiteral("home")).toLocal8Bit());
    }

    void channelFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        const QByteArray channelFile = "NXR54" + QByteArray(848, '\xff');
        const QString q716 = QStringLiteral("application/x-q716-channels");
        QTest::newRow("upper-case name") << "plan.DAT" << channelFile << q716;
        QTest::newRow("lower-case name") << "plan.dat" << channelFile << q716;
        QTest::newRow("signature, any name") << "radio-backup" << channelFile << q716;
        QTest::newRow("signature, other extension") << "plan.bin" << channelFile << q716;
        QTest::newRow("name only") << "empty.DAT" << QByteArray() << q716;
        QTest::newRow("no signature, no name")
            << "random" << QByteArray("NXR53" + QByteArray(848, '\0'))
            << QStringLiteral("application/octet-stream");
    }

    void channelFiles() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        const QMimeType found = QMimeDatabase().mimeTypeForFile(fileWith(name, bytes));
        QCOMPARE(found.name(), type);
    }

    void describedInBothLanguages() {
        const QMimeType type =
            QMimeDatabase().mimeTypeForName(QStringLiteral("application/x-q716-channels"));
        QVERIFY(type.isValid());
        QCOMPARE(type.comment(), QStringLiteral("Q716 channel file"));
        QVERIFY(type.globPatterns().contains(QStringLiteral("*.dat")));
    }
};

QTEST_GUILESS_MAIN(tst_mime_type)
#include "tst_mime_type.moc"
