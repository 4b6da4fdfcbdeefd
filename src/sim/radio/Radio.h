#pragma once
// The radio's side of the programming protocol with no I/O of its own: fed the
// programmer's bytes, it answers with what goes back on the line, each piece
// with the pause before it. The pauses are for the caller to keep: q716-sim
// sleeps them, a test moves its own clock. Faults come from a schedule fixed
// when the radio is made.

#include "MessageParser.h"
#include "RadioFaults.h"
#include "RadioMemory.h"

#include <QList>

#include <functional>

namespace q716sim {

struct RadioOutput {
    enum Kind {
        Bytes, // bytes: send them
        Break, // send a break
        HangUp // close the line; nothing more comes
    };
    Kind kind = Bytes;
    QByteArray bytes;
    // The pause before this output, from the end of the one before it, or
    // from the arrival of the message it answers.
    int delayMs = 0;
};
using RadioOutputs = QList<RadioOutput>;

class Radio {
  public:
    static constexpr char Ack = 0x06;
    static constexpr char Nak = 0x15;
    static constexpr int SplitPauseMs = 5;
    static constexpr int BytewisePauseMs = 1;

    // One line per message received ('>') or sent ('<'); note: "(junk)",
    // "break" or nothing.
    using Log = std::function<void(char direction, const QByteArray& bytes, const char* note)>;

    explicit Radio(RadioMemory memory, Faults faults = {});

    RadioOutputs received(const QByteArray& bytes);
    // The line was closed by a hang-up fault: bytes received are dropped.
    bool hungUp() const { return hungUp_; }

    const RadioMemory& memory() const { return memory_; }
    const Faults& faults() const { return faults_; }
    int messages() const { return messages_; }
    int endsReceived() const { return ends_; }
    void setLog(Log log) { log_ = std::move(log); }

  private:
    void handle(const Incoming& m, RadioOutputs& out);
    void reply(QByteArray bytes, RadioOutputs& out);
    // Keeps only the first `bytes` bytes sent from outputs[from] on.
    static void cut(RadioOutputs& outputs, qsizetype from, int bytes);
    bool faulty(ReplyFault::Kind kind, int n, const ReplyFault** which = nullptr) const;
    void log(char direction, const QByteArray& bytes, const char* note = nullptr) const;

    RadioMemory memory_;
    Faults faults_;
    MessageParser parser_;
    Log log_;
    int messages_ = 0;
    int replies_ = 0;
    int readReplies_ = 0;
    int writeBlocks_ = 0;
    int ends_ = 0;
    bool hungUp_ = false;
};

} // namespace q716sim
