#pragma once
// The simulated radio's memory from address 0x0000. Addresses past the end
// read as erased memory; a write past the end makes the memory grow.

#include <QByteArray>

namespace q716sim {

class RadioMemory {
  public:
    static constexpr int MinimumSize = 0x0410;

    // An erased memory holding only the identification text and the band code.
    static RadioMemory erased(int bandCode);
    // The given bytes, filled up with erased memory to MinimumSize.
    explicit RadioMemory(QByteArray bytes = {});

    QByteArray read(int address, int length) const;
    void write(int address, const QByteArray& data);
    char at(int address) const { return read(address, 1).at(0); }
    const QByteArray& bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
};

} // namespace q716sim
