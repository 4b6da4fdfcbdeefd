#pragma once
// Starts q716-sim on a memory file for end-to-end tests and runs q716-cli
// against it. Waits are on conditions with generous timeouts, never on sleeps.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace q716::e2e {

class SimRadio {
  public:
    // extraArgs: e.g. {"--fault", "split"} or {"--baud-pace"}.
    SimRadio(const QString& memoryFile, const QString& logFile, const QStringList& extraArgs = {});
    ~SimRadio();

    // Starts the simulator and waits for the device path it prints.
    bool start();
    // Stops it (it saves its memory on the way out) and waits for the exit.
    bool stop();
    QString devicePath() const { return device_; }
    QString errorText() const { return error_; }

    // The messages of the log in one direction ('>' received, '<' sent).
    QList<QByteArray> logged(char direction) const;
    // The whole memory file.
    QByteArray memory() const;

  private:
    QString memoryFile_;
    QString logFile_;
    QStringList extraArgs_;
    QProcess process_;
    QString device_;
    QString error_;
};

// The addresses of the write blocks (20-byte 'W' messages) among messages
// the radio received, in order.
QList<int> writeBlockAddresses(const QList<QByteArray>& received);

// A memory file of `size` erased bytes with `image` placed at 0x0010.
bool writeMemoryFile(const QString& path, const QByteArray& image, int size = 0x0410);

} // namespace q716::e2e
