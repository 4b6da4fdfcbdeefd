#pragma once
// The radio's end of the cable: a pseudo-terminal whose other end the
// programmer opens like a serial port.

#include <QByteArray>
#include <QString>

namespace q716sim {

class PseudoTerminal {
  public:
    ~PseudoTerminal();
    bool open(QString* error);
    int master() const { return master_; }
    QString slavePath() const { return slavePath_; }
    // Writes every byte, waiting while the other end's buffer is full.
    bool writeAll(const QByteArray& bytes);
    void sendBreak();
    // Closes both ends held here: the programmer's end sees a hang-up.
    void hangUp();

  private:
    int master_ = -1;
    // Held open so the programmer may close and reopen its end at any time
    // without the master reporting a hang-up.
    int slave_ = -1;
    QString slavePath_;
};

} // namespace q716sim
