#pragma once
// The programming cable between a program and an in-process Radio, on a
// VirtualClock. Each direction keeps its order and carries bytes at 9600 baud
// 8N1 (about 1 ms a byte) plus a fixed latency, so a session takes as long in
// virtual time as on a real cable and the program's timers tick in between.
// The radio's pauses, breaks and hang-up reach the program when they are due.

#include "Radio.h"
#include "VirtualClock.h"

#include <QByteArray>

#include <functional>
#include <set>

namespace q716sim {

class VirtualCable {
  public:
    // What the program's end of the cable reports.
    struct ProgramEnd {
        std::function<void(const QByteArray&)> received;
        std::function<void()> lineBreak;
        std::function<void()> hungUp;
    };

    VirtualCable(VirtualClock& clock, Radio& radio, ProgramEnd end, int latencyMs = 0);
    ~VirtualCable();
    VirtualCable(const VirtualCable&) = delete;
    VirtualCable& operator=(const VirtualCable&) = delete;

    // The program writes: the radio gets the bytes once they have crossed.
    // Nothing is carried once the hang-up has reached the program.
    void write(const QByteArray& bytes);
    // Until the radio's hang-up has reached the program.
    bool isOpen() const { return open_; }
    // Whether everything the program wrote has reached the radio.
    bool deliveredToRadio() const { return toRadio_ == 0; }

    // The time `bytes` bytes take on the wire: ten bits each at 9600 baud.
    static qint64 wireMs(qsizetype bytes) { return (bytes * 10 * 1000 + 9599) / 9600; }

  private:
    void radioReceives(const QByteArray& bytes);
    void at(qint64 time, std::function<void()> event);

    VirtualClock& clock_;
    Radio& radio_;
    ProgramEnd end_;
    int latency_;
    bool open_ = true;
    // When each direction's wire is free again.
    qint64 toRadioFree_ = 0;
    qint64 toProgramFree_ = 0;
    int toRadio_ = 0; // writes on their way to the radio
    std::set<VirtualClock::Id> pending_;
};

} // namespace q716sim
