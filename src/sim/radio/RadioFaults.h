#pragma once
// What can go wrong with the simulated radio, as a schedule fixed before the
// session: q716-sim takes it from its --fault options, tests build it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace q716sim {

struct ReplyFault {
    enum Kind {
        WrongAddress,   // a read reply names another address
        Split,          // the reply goes out in pieces: cut at byte `value`, or in thirds (0)
        OneByteAtATime, // every byte of the reply goes out alone
        JunkBefore,     // `junk` goes out before the reply
        JunkAfter,      // `junk` goes out after the reply
        Repeat,         // the reply goes out twice
        Nak,            // a negative acknowledgement (15) goes out instead of the reply
        FlipStored,     // a write block is acknowledged but stored with data byte `value` inverted
        Delay,          // the reply goes out `value` ms late
        Break           // a break and a junk byte FF before the reply
    };
    Kind kind;
    // Which one it touches, counted from 1 over the radio's life: the nth read
    // reply (WrongAddress), the nth write block (FlipStored) or the nth reply
    // (the others); 0 touches every one.
    int at = 0;
    int value = 0;
    QByteArray junk = QByteArray(1, char(0xFF));

    bool touches(int n) const { return at == 0 || at == n; }
};

struct Faults {
    int silentAfter = -1; // no reply after this many replies
    int hangUpAfter = -1; // the line is closed after this many messages (junk not counted)
    int hangUpCut = -1;   // bytes of the last message's reply still sent before that (-1: all)
    QList<ReplyFault> replyFaults;
};

// Adds one fault written as q716-sim's --fault option takes it (see
// faultUsage). Returns false, changing nothing, for a text it does not know.
bool parseFault(const QString& text, Faults& faults);
// The --fault texts that give the same schedule.
QStringList faultOptions(const Faults& faults);
// What parseFault understands, for q716-sim's help.
QString faultUsage();

} // namespace q716sim
