#pragma once
// The simulated radio's memory, kept in a file from address 0x0000.

#include <QByteArray>
#include <QString>

namespace q716sim {

class RadioMemory {
  public:
    static constexpr int MinimumSize = 0x0410;

    // Loads the file, or creates an erased memory with the identification text
    // and the band code when it does not exist. Returns false with a reason.
    bool open(const QString& path, int bandCode, QString* error);
    // Writes the memory back through a temporary file, replacing it at once.
    bool save(QString* error) const;

    QByteArray read(int address, int length) const;
    void write(int address, const QByteArray& data);
    char at(int address) const { return bytes_.at(address); }

  private:
    QString path_;
    QByteArray bytes_;
};

} // namespace q716sim
