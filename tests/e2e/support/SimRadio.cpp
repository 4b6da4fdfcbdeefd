#include "SimRadio.h"

#include <QFile>
#include <QSaveFile>

namespace q716::e2e {

namespace {
constexpr int StartTimeoutMs = 30000;
} // namespace

SimRadio::SimRadio(const QString& memoryFile, const QString& logFile, const QStringList& extraArgs)
    : memoryFile_(memoryFile), logFile_(logFile), extraArgs_(extraArgs) {}

SimRadio::~SimRadio() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(StartTimeoutMs))
            process_.kill();
    }
}

bool SimRadio::start() {
    QStringList args{QStringLiteral("--memory"), memoryFile_};
    if (!logFile_.isEmpty())
        args << QStringLiteral("--log") << logFile_;
    process_.start(QStringLiteral(Q716_SIM), args + extraArgs_);
    if (!process_.waitForStarted(StartTimeoutMs)) {
        error_ = process_.errorString();
        return false;
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(StartTimeoutMs)) {
            error_ = QString::fromLocal8Bit(process_.readAllStandardError());
            return false;
        }
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return !device_.isEmpty();
}

bool SimRadio::stop() {
    process_.terminate();
    return process_.waitForFinished(StartTimeoutMs) &&
           process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QList<QByteArray> SimRadio::logged(char direction) const {
    QFile file(logFile_);
    QList<QByteArray> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    for (QByteArray line : file.readAll().split('\n')) {
        line = line.trimmed();
        if (line.size() < 3 || line.at(0) != direction || line.endsWith("(junk)") ||
            line.endsWith("break"))
            continue;
        messages.append(QByteArray::fromHex(line.mid(2).replace(' ', "")));
    }
    return messages;
}

QByteArray SimRadio::memory() const {
    QFile file(memoryFile_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<int> writeBlockAddresses(const QList<QByteArray>& received) {
    QList<int> addresses;
    for (const QByteArray& m : received)
        if (m.size() == 20 && uchar(m.at(0)) == 0x57 && m.at(3) == 0x10)
            addresses.append((uchar(m.at(1)) << 8) | uchar(m.at(2)));
    return addresses;
}

bool writeMemoryFile(const QString& path, const QByteArray& image, int size) {
    QByteArray bytes(size, char(0xFF));
    bytes.replace(0x0010, image.size(), image);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace q716::e2e
