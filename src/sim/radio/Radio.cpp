#include "Radio.h"

namespace q716sim {

namespace {

RadioOutput bytesOut(const QByteArray& bytes, int delayMs = 0) {
    return {RadioOutput::Bytes, bytes, delayMs};
}

} // namespace

Radio::Radio(RadioMemory memory, Faults faults)
    : memory_(std::move(memory)), faults_(std::move(faults)) {}

RadioOutputs Radio::received(const QByteArray& bytes) {
    RadioOutputs out;
    if (hungUp_)
        return out;
    parser_.append(bytes);
    while (!hungUp_) {
        const std::optional<Incoming> m = parser_.next();
        if (!m)
            break;
        handle(*m, out);
    }
    return out;
}

void Radio::handle(const Incoming& m, RadioOutputs& out) {
    log('>', m.bytes, m.kind == Incoming::Junk ? "(junk)" : nullptr);
    if (m.kind == Incoming::Junk)
        return;
    ++messages_;
    const qsizetype first = out.size();
    switch (m.kind) {
    case Incoming::Open:
    case Incoming::Ack:
        reply(QByteArray(1, Ack), out);
        break;
    case Incoming::Identify:
        reply(QByteArray("VRQ71") + memory_.read(0x01BD, 3), out);
        break;
    case Incoming::ReadRequest: {
        ++readReplies_;
        const int address =
            faulty(ReplyFault::WrongAddress, readReplies_) ? (m.address ^ 0x8000) : m.address;
        QByteArray r;
        r.append(char(0x57));
        r.append(char(address >> 8));
        r.append(char(address & 0xFF));
        r.append(char(m.length));
        r.append(memory_.read(m.address, m.length));
        reply(r, out);
        break;
    }
    case Incoming::WriteBlock: {
        ++writeBlocks_;
        QByteArray data = m.bytes.mid(4);
        const ReplyFault* flip = nullptr;
        if (faulty(ReplyFault::FlipStored, writeBlocks_, &flip) && flip->value < data.size())
            data[flip->value] = char(~uchar(data.at(flip->value)));
        memory_.write(m.address, data);
        reply(QByteArray(1, Ack), out);
        break;
    }
    case Incoming::End:
        ++ends_;
        break;
    case Incoming::Junk:
        break;
    }
    if (faults_.hangUpAfter >= 0 && messages_ >= faults_.hangUpAfter) {
        if (faults_.hangUpCut >= 0)
            cut(out, first, faults_.hangUpCut);
        out.append({RadioOutput::HangUp, {}, 0});
        hungUp_ = true;
    }
}

void Radio::reply(QByteArray bytes, RadioOutputs& out) {
    if (faults_.silentAfter >= 0 && replies_ >= faults_.silentAfter)
        return;
    const int n = ++replies_;
    if (faulty(ReplyFault::Nak, n))
        bytes = QByteArray(1, Nak);

    // The reply as it goes out: pieces with the pause before each.
    RadioOutputs pieces;
    const ReplyFault* split = nullptr;
    if (faulty(ReplyFault::OneByteAtATime, n)) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            pieces.append(bytesOut(bytes.mid(i, 1), i == 0 ? 0 : BytewisePauseMs));
    } else if (faulty(ReplyFault::Split, n, &split) && bytes.size() >= 2) {
        QList<qsizetype> cuts;
        if (split->value > 0)
            cuts = {qMin<qsizetype>(split->value, bytes.size() - 1)};
        else if (bytes.size() >= 3)
            cuts = {bytes.size() / 3, 2 * (bytes.size() / 3)};
        qsizetype from = 0;
        for (qsizetype to : cuts) {
            pieces.append(bytesOut(bytes.mid(from, to - from), from == 0 ? 0 : SplitPauseMs));
            from = to;
        }
        pieces.append(bytesOut(bytes.mid(from), from == 0 ? 0 : SplitPauseMs));
    } else {
        pieces.append(bytesOut(bytes));
    }

    RadioOutputs sent;
    if (faulty(ReplyFault::Break, n)) {
        log('<', {}, "break");
        sent.append({RadioOutput::Break, {}, 0});
        log('<', QByteArray(1, char(0xFF)), "(junk)");
        sent.append(bytesOut(QByteArray(1, char(0xFF))));
    }
    const ReplyFault* junk = nullptr;
    if (faulty(ReplyFault::JunkBefore, n, &junk)) {
        log('<', junk->junk, "(junk)");
        sent.append(bytesOut(junk->junk));
    }
    const int copies = faulty(ReplyFault::Repeat, n) ? 2 : 1;
    for (int i = 0; i < copies; ++i) {
        log('<', bytes);
        sent += pieces;
    }
    if (faulty(ReplyFault::JunkAfter, n, &junk)) {
        log('<', junk->junk, "(junk)");
        sent.append(bytesOut(junk->junk));
    }
    const ReplyFault* delay = nullptr;
    if (faulty(ReplyFault::Delay, n, &delay))
        sent.first().delayMs += delay->value;
    out += sent;
}

void Radio::cut(RadioOutputs& outputs, qsizetype from, int bytes) {
    for (qsizetype i = from; i < outputs.size();) {
        RadioOutput& o = outputs[i];
        if (o.kind != RadioOutput::Bytes) {
            ++i;
            continue;
        }
        if (bytes <= 0) {
            outputs.remove(i);
            continue;
        }
        o.bytes.truncate(bytes);
        bytes -= int(o.bytes.size());
        ++i;
    }
}

bool Radio::faulty(ReplyFault::Kind kind, int n, const ReplyFault** which) const {
    for (const ReplyFault& f : faults_.replyFaults) {
        if (f.kind == kind && f.touches(n)) {
            if (which)
                *which = &f;
            return true;
        }
    }
    return false;
}

void Radio::log(char direction, const QByteArray& bytes, const char* note) const {
    if (log_)
        log_(direction, bytes, note);
}

} // namespace q716sim
