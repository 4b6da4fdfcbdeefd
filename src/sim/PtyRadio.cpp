#include "PtyRadio.h"

#include "MemoryFile.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace q716sim {

namespace {

// 8N1: a start bit, eight data bits and a stop bit per byte.
constexpr auto ByteTime = std::chrono::nanoseconds(10 * 1'000'000'000LL / 9600);

} // namespace

PtyRadio::PtyRadio(Radio& radio, PseudoTerminal& line, bool baudPace, QFile* logFile,
                   const QString& memoryPath)
    : radio_(radio), line_(line), baudPace_(baudPace), log_(logFile), memoryPath_(memoryPath) {
    radio_.setLog([this](char direction, const QByteArray& bytes, const char* note) {
        log(direction, bytes, note);
    });
}

void PtyRadio::received(const QByteArray& bytes) {
    if (baudPace_)
        receiveDone_ = std::max(Clock::now(), receiveDone_) + ByteTime * bytes.size();
    const int ends = radio_.endsReceived();
    for (const RadioOutput& o : radio_.received(bytes)) {
        if (o.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(o.delayMs));
        // Nothing goes back before the message has been fully received.
        if (baudPace_)
            std::this_thread::sleep_until(receiveDone_);
        switch (o.kind) {
        case RadioOutput::Bytes:
            transmit(o.bytes);
            break;
        case RadioOutput::Break:
            line_.sendBreak();
            break;
        case RadioOutput::HangUp:
            break;
        }
    }
    if (radio_.endsReceived() != ends) {
        QString error;
        if (!saveMemoryFile(memoryPath_, radio_.memory(), &error))
            std::fprintf(stderr, "q716-sim: %s\n", qPrintable(error));
    }
}

void PtyRadio::transmit(const QByteArray& bytes) {
    if (!baudPace_) {
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

void PtyRadio::log(char direction, const QByteArray& bytes, const char* note) {
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
