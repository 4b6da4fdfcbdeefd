#pragma once
// Running q716-cli as a user does, and the files it reads and writes.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace q716::e2e {

// What a run printed, byte for byte; status is -1 when it crashed or hung.
struct CliBytes {
    int status = -1;
    QByteArray out;
    QByteArray err;
};
CliBytes runCliBytes(const QStringList& args);

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};
CliResult runCli(const QStringList& args);

QByteArray readFileBytes(const QString& path);
// Fails the running test when the file cannot be written.
void writeFileBytes(const QString& path, const QByteArray& bytes);

} // namespace q716::e2e
