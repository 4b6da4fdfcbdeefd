#pragma once
// The radio's side of the programming protocol, with the faults a test or a
// demonstration may ask for.

#include "MessageParser.h"
#include "PseudoTerminal.h"
#include "RadioMemory.h"

#include <QFile>

#include <chrono>

namespace q716sim {

struct Faults {
    int silentAfter = -1;      // stop answering after this many replies
    bool wrongAddress = false; // read replies name another address
    bool split = false;        // every reply goes out in three pieces
    bool breakOnce = false;    // a break and a junk byte before one reply
    bool baudPace = false;     // never faster than 9600 baud 8N1, both directions
    int hangUpAfter = -1;      // hang up after this many messages received (junk not counted)
};

class SimRadio {
  public:
    SimRadio(RadioMemory& memory, PseudoTerminal& line, const Faults& faults, QFile* log)
        : memory_(memory), line_(line), faults_(faults), log_(log) {}

    void received(const QByteArray& bytes);
    // The line is to be hung up now, as an unplugged cable would.
    bool hangUpDue() const { return faults_.hangUpAfter >= 0 && messages_ >= faults_.hangUpAfter; }

  private:
    using Clock = std::chrono::steady_clock;

    void handle(const Incoming& m);
    void reply(const QByteArray& bytes);
    void transmit(const QByteArray& bytes);
    void log(char direction, const QByteArray& bytes, const char* note = nullptr);

    RadioMemory& memory_;
    PseudoTerminal& line_;
    Faults faults_;
    QFile* log_;
    MessageParser parser_;
    int replies_ = 0;
    int messages_ = 0;
    bool breakSent_ = false;
    // When the bytes received so far, and those sent so far, would have left
    // the wire at 9600 baud.
    Clock::time_point receiveDone_{};
    Clock::time_point sendDone_{};
};

} // namespace q716sim
