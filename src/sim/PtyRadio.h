#pragma once
// The radio on the pseudo-terminal: feeds it what the programmer sends and
// puts its answers on the line, keeping its pauses in real time and, on
// request, the pace of a 9600-baud cable.

#include "PseudoTerminal.h"
#include "Radio.h"

#include <QFile>

#include <chrono>

namespace q716sim {

class PtyRadio {
  public:
    // logFile: every message, one line each (may be null). memoryPath: where the
    // memory is saved at every end byte.
    PtyRadio(Radio& radio, PseudoTerminal& line, bool baudPace, QFile* logFile,
             const QString& memoryPath);

    void received(const QByteArray& bytes);

  private:
    using Clock = std::chrono::steady_clock;

    void transmit(const QByteArray& bytes);
    void log(char direction, const QByteArray& bytes, const char* note);

    Radio& radio_;
    PseudoTerminal& line_;
    bool baudPace_;
    QFile* log_;
    QString memoryPath_;
    // When the bytes received so far, and those sent so far, would have left
    // the wire at 9600 baud.
    Clock::time_point receiveDone_{};
    Clock::time_point sendDone_{};
};

} // namespace q716sim
