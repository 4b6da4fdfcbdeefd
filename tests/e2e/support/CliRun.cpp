#include "CliRun.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace q716::e2e {

namespace {
constexpr int RunTimeoutMs = 120000;
} // namespace

CliBytes runCliBytes(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(Q716_CLI), args);
    CliBytes r;
    if (!cli.waitForFinished(RunTimeoutMs)) {
        cli.kill();
        cli.waitForFinished();
        r.err = "q716-cli did not finish";
        return r;
    }
    r.status = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    r.out = cli.readAllStandardOutput();
    r.err = cli.readAllStandardError();
    return r;
}

CliResult runCli(const QStringList& args) {
    const CliBytes bytes = runCliBytes(args);
    return {bytes.status, QString::fromLocal8Bit(bytes.out), QString::fromLocal8Bit(bytes.err)};
}

QByteArray readFileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

} // namespace q716::e2e
