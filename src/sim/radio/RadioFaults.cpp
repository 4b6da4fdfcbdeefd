#include "RadioFaults.h"

#include <array>

namespace q716sim {

namespace {

enum class ValueKind { None, Optional, Required, Hex };

struct FaultName {
    ReplyFault::Kind kind;
    const char* name;
    ValueKind value;
};

constexpr std::array<FaultName, 10> Names{{
    {ReplyFault::WrongAddress, "wrong-address", ValueKind::None},
    {ReplyFault::Split, "split", ValueKind::Optional},
    {ReplyFault::OneByteAtATime, "bytewise", ValueKind::None},
    {ReplyFault::JunkBefore, "junk-before", ValueKind::Hex},
    {ReplyFault::JunkAfter, "junk-after", ValueKind::Hex},
    {ReplyFault::Repeat, "repeat", ValueKind::None},
    {ReplyFault::Nak, "nak", ValueKind::None},
    {ReplyFault::FlipStored, "flip-stored", ValueKind::Optional},
    {ReplyFault::Delay, "delay", ValueKind::Required},
    {ReplyFault::Break, "break", ValueKind::None},
}};

// The break went before the identification, the first reply of more than
// one byte, when it was the only break the simulator had.
constexpr int BreakDefaultReply = 2;

bool number(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= 0;
}

bool isHex(const QString& text) {
    if (text.isEmpty() || text.size() % 2 != 0)
        return false;
    for (QChar c : text)
        if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c))
            return false;
    return true;
}

bool parseLineFault(const QString& name, const QString& value, Faults& faults) {
    int n = 0;
    if (!number(value, n))
        return false;
    if (name == QLatin1String("silent-after"))
        faults.silentAfter = n;
    else if (name == QLatin1String("hangup-after"))
        faults.hangUpAfter = n;
    else if (name == QLatin1String("hangup-cut"))
        faults.hangUpCut = n;
    else
        return false;
    return true;
}

} // namespace

bool parseFault(const QString& text, Faults& faults) {
    QString body = text;
    QString at;
    if (const qsizetype sign = body.lastIndexOf(QLatin1Char('@')); sign >= 0) {
        at = body.mid(sign + 1);
        body.truncate(sign);
    }
    const qsizetype equals = body.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? body : body.left(equals);
    const QString value = equals < 0 ? QString() : body.mid(equals + 1);
    if (at.isNull() && equals >= 0 && parseLineFault(name, value, faults))
        return true;

    for (const FaultName& f : Names) {
        if (name != QLatin1String(f.name))
            continue;
        ReplyFault fault{f.kind};
        if (f.kind == ReplyFault::Break)
            fault.at = BreakDefaultReply;
        if (!at.isNull() && (!number(at, fault.at) || fault.at == 0))
            return false;
        if (equals >= 0) {
            switch (f.value) {
            case ValueKind::None:
                return false;
            case ValueKind::Hex:
                if (!isHex(value))
                    return false;
                fault.junk = QByteArray::fromHex(value.toLatin1());
                break;
            case ValueKind::Optional:
            case ValueKind::Required:
                if (!number(value, fault.value))
                    return false;
                break;
            }
        } else if (f.value == ValueKind::Required) {
            return false;
        }
        if (f.kind == ReplyFault::FlipStored && fault.value > 15)
            return false;
        faults.replyFaults.append(fault);
        return true;
    }
    return false;
}

QStringList faultOptions(const Faults& faults) {
    QStringList options;
    if (faults.silentAfter >= 0)
        options << QStringLiteral("silent-after=%1").arg(faults.silentAfter);
    if (faults.hangUpAfter >= 0)
        options << QStringLiteral("hangup-after=%1").arg(faults.hangUpAfter);
    if (faults.hangUpCut >= 0)
        options << QStringLiteral("hangup-cut=%1").arg(faults.hangUpCut);
    for (const ReplyFault& fault : faults.replyFaults) {
        for (const FaultName& f : Names) {
            if (f.kind != fault.kind)
                continue;
            QString option = QLatin1String(f.name);
            if (f.value == ValueKind::Hex)
                option += QLatin1Char('=') + QString::fromLatin1(fault.junk.toHex().toUpper());
            else if (f.value == ValueKind::Required || fault.value != 0)
                option += QLatin1Char('=') + QString::number(fault.value);
            if (fault.at > 0)
                option += QLatin1Char('@') + QString::number(fault.at);
            options << option;
        }
    }
    return options;
}

QString faultUsage() {
    return QStringLiteral(
        "Faults (--fault may be repeated):\n"
        "  silent-after=N      no reply after N replies\n"
        "  hangup-after=N      the line is closed after N messages received (junk not\n"
        "                      counted) and the simulator ends\n"
        "  hangup-cut=B        with hangup-after: only B bytes of the last reply go out\n"
        "The faults below touch every reply, or only reply N with @N (counted from 1\n"
        "over the simulator's life; read replies for wrong-address, write blocks for\n"
        "flip-stored):\n"
        "  wrong-address[@N]   a read reply names another address\n"
        "  split[=P][@N]       the reply goes out in two pieces cut at byte P, or in\n"
        "                      three pieces\n"
        "  bytewise[@N]        every byte of the reply goes out alone\n"
        "  junk-before[=HEX][@N], junk-after[=HEX][@N]\n"
        "                      these bytes (default FF) go out before or after the reply\n"
        "  repeat[@N]          the reply goes out twice\n"
        "  nak[@N]             a NAK (15) goes out instead of the reply\n"
        "  flip-stored[=I][@N] a write block is acknowledged but stored with its data\n"
        "                      byte I (default 0) inverted\n"
        "  delay=MS[@N]        the reply goes out MS milliseconds late\n"
        "  break[@N]           a break and a junk byte FF before reply N (default 2,\n"
        "                      the identification)");
}

} // namespace q716sim
