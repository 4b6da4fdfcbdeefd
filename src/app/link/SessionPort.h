#pragma once
// The line a session talks through: MSComm1 in the program. A test may put an
// in-process radio in its place; it then calls the controller's
// MSComm1_OnComm and MSComm1_HungUp as MSComm1's signals would.

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
