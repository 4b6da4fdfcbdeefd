#include "SimRadio.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace q716sim {

namespace {

// 8N1: a start bit, eight data bits and a stop bit per byte.
constexpr auto ByteTime = std::chrono::nanoseconds(10 * 1'000'000'000LL / 9600);
constexpr auto SplitPause = std::chrono::milliseconds(5);

} // namespace

void SimRadio::received(const QByteArray& bytes) {
    if (faults_.baudPace)
        receiveDone_ = std::max(Clock::now(), receiveDone_) + ByteTime * bytes.size();
    parser_.append(bytes);
    while (!hangUpDue())
        if (auto m = parser_.next())
            handle(*m);
        else
            break;
}

void SimRadio::handle(const Incoming& m) {
    log('>', m.bytes, m.kind == Incoming::Junk ? "(junk)" : nullptr);
    if (m.kind != Incoming::Junk)
        ++messages_;
    switch (m.kind) {
    case Incoming::Open:
    case Incoming::Ack:
        reply(QByteArray(1, 0x06));
        break;
    case Incoming::Identify: {
        QByteArray id("VRQ71");
        id.append(memory_.read(0x01BD, 3));
        reply(id);
        break;
    }
    case Incoming::ReadRequest: {
        const int address = faults_.wrongAddress ? (m.address ^ 0x8000) : m.address;
        QByteArray r;
        r.append(char(0x57));
        r.append(char(address >> 8));
        r.append(char(address & 0xFF));
        r.append(char(m.length));
        r.append(memory_.read(m.address, m.length));
        reply(r);
        break;
    }
    case Incoming::WriteBlock:
        memory_.write(m.address, m.bytes.mid(4));
        reply(QByteArray(1, 0x06));
        break;
    case Incoming::End: {
        QString error;
        if (!memory_.save(&error))
            std::fprintf(stderr, "q716-sim: %s\n", qPrintable(error));
        break;
    }
    case Incoming::Junk:
        break;
    }
}

void SimRadio::reply(const QByteArray& bytes) {
    if (faults_.silentAfter >= 0 && replies_ >= faults_.silentAfter)
        return;
    ++replies_;
    if (faults_.baudPace)
        std::this_thread::sleep_until(receiveDone_);
    if (faults_.breakOnce && !breakSent_ && bytes.size() > 1) {
        breakSent_ = true;
        line_.sendBreak();
        log('<', {}, "break");
        transmit(QByteArray(1, char(0xFF)));
        log('<', QByteArray(1, char(0xFF)), "(junk)");
    }
    log('<', bytes);
    if (faults_.split && bytes.size() >= 3) {
        const qsizetype third = bytes.size() / 3;
        transmit(bytes.left(third));
        std::this_thread::sleep_for(SplitPause);
        transmit(bytes.mid(third, third));
        std::this_thread::sleep_for(SplitPause);
        transmit(bytes.mid(2 * third));
    } else {
        transmit(bytes);
    }
}

void SimRadio::transmit(const QByteArray& bytes) {
    if (!faults_.baudPace) {
        line_.writeAll(bytes);
        return;
    }
    // Each byte leaves only once the wire would have carried it.
    const auto start = std::max(Clock::now(), sendDone_);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        std::this_thread::sleep_until(start + ByteTime * (i + 1));
        line_.writeAll(bytes.mid(i, 1));
    }
    sendDone_ = start + ByteTime * bytes.size();
}

void SimRadio::log(char direction, const QByteArray& bytes, const char* note) {
    if (!log_)
        return;
    QByteArray line(1, direction);
    if (!bytes.isEmpty())
        line += ' ' + bytes.toHex(' ').toUpper();
    if (note)
        line += QByteArray(" ") + note;
    line += '\n';
    log_->write(line);
    log_->flush();
}

} // namespace q716sim
