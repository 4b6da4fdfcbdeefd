#pragma once
// The line a session talks through: the serial port in the program and in
// q716-cli, the in-process radio in tests. What arrives is taken with input()
// when the line says bytes are waiting.

#include <QByteArray>

namespace q716 {

class SessionPort {
  public:
    virtual ~SessionPort() = default;
    virtual bool isOpen() const = 0;
    virtual void output(const QByteArray& bytes) = 0;
    // Every byte received so far and not yet taken.
    virtual QByteArray input() = 0;
    // Writes what output() still holds back, before the program ends.
    virtual void flush() {}
};

} // namespace q716
