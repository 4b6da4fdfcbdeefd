#pragma once
// Cuts the programmer's byte stream into whole messages. A byte that cannot
// start a message is handed out alone as junk.

#include <QByteArray>

#include <optional>

namespace q716sim {

struct Incoming {
    enum Kind { Open, Ack, Identify, ReadRequest, WriteBlock, End, Junk };
    Kind kind;
    QByteArray bytes;
    int address = 0;
    int length = 0;
};

class MessageParser {
  public:
    void append(const QByteArray& bytes) { buffer_.append(bytes); }
    // The next complete message, or nothing until more bytes arrive.
    std::optional<Incoming> next();

  private:
    Incoming take(Incoming::Kind kind, int size);
    QByteArray buffer_;
};

} // namespace q716sim
