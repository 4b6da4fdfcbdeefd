#include "link/SessionLog.h"

#include "link/LinkMessages.h"

#include <QElapsedTimer>

namespace q716 {

namespace {

constexpr int PasswordFirst = 0x01C0;
constexpr int PasswordEnd = 0x01D0; // one past the last byte

bool coversPassword(int address, int length) {
    return address < PasswordEnd && address + length > PasswordFirst;
}

int byteAt(const QByteArray& bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes.at(i));
}

} // namespace

SessionRecorder::SessionRecorder(Clock clock) : clock_(std::move(clock)) {
    if (!clock_) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        clock_ = [timer] { return timer->elapsed(); };
    }
}

void SessionRecorder::begin(const QString& kind, const QString& port, const QDateTime& started) {
    record_ = SessionRecord{kind, port, started, {}, {}, {}};
    origin_ = clock_();
    running_ = true;
    expectedAddress_ = -1;
    window_.clear();
    windowBytes_.clear();
}

void SessionRecorder::sent(const QByteArray& bytes) {
    if (!running_)
        return;
    window_.clear();
    windowBytes_.clear();
    expectedAddress_ = -1;
    add(LinkDirection::Sent, bytes);
    if (bytes.size() < 4)
        return;
    const int address = byteAt(bytes, 1) << 8 | byteAt(bytes, 2);
    const int length = byteAt(bytes, 3);
    if (bytes.at(0) == linkmsg::ReadCommand && bytes.size() == 4) {
        if (coversPassword(address, length)) {
            expectedAddress_ = address;
            expectedLength_ = length;
        }
    } else if (bytes.at(0) == linkmsg::WriteCommand) {
        LogEntry& e = record_.entries.last();
        for (int a = qMax(address, PasswordFirst); a < qMin(address + length, PasswordEnd); ++a) {
            const qsizetype i = 4 + (a - address);
            if (i < e.bytes.size()) {
                e.bytes[i] = 0;
                e.hidden[i] = 1;
            }
        }
    }
}

void SessionRecorder::received(const QByteArray& bytes) {
    if (!running_)
        return;
    add(LinkDirection::Received, bytes);
    const qsizetype entry = record_.entries.size() - 1;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        window_.append({entry, i});
    windowBytes_ += bytes;
    maskReplies();
}

void SessionRecorder::end(const QString& outcome, const QStringList& details) {
    record_.outcome = outcome;
    record_.details = details;
    running_ = false;
}

void SessionRecorder::add(LinkDirection direction, const QByteArray& bytes) {
    record_.entries.append({direction, clock_() - origin_, bytes, QByteArray(bytes.size(), 0)});
}

// Every block the radio sends names its address: the password is hidden
// wherever it comes, whatever was asked (a radio that answers with the wrong
// block, or repeats one after the program's 06). A reply to a request for
// the password is also hidden where it should have been, in case its header
// came spoilt.
void SessionRecorder::maskReplies() {
    for (qsizetype p = windowBytes_.indexOf(linkmsg::WriteCommand);
         p >= 0 && p + 4 <= windowBytes_.size();
         p = windowBytes_.indexOf(linkmsg::WriteCommand, p + 1))
        maskBlock(p, byteAt(windowBytes_, p + 1) << 8 | byteAt(windowBytes_, p + 2),
                  byteAt(windowBytes_, p + 3));
    if (expectedAddress_ >= 0)
        maskBlock(0, expectedAddress_, expectedLength_);
}

void SessionRecorder::maskBlock(qsizetype start, int address, int length) {
    for (int a = qMax(address, PasswordFirst); a < qMin(address + length, PasswordEnd); ++a)
        hide(start + 4 + (a - address));
}

void SessionRecorder::hide(qsizetype windowPosition) {
    if (windowPosition >= window_.size())
        return;
    const Position& p = window_.at(windowPosition);
    LogEntry& e = record_.entries[p.entry];
    e.bytes[p.offset] = 0;
    e.hidden[p.offset] = 1;
}

QString formatSessionRecord(const SessionRecord& r, int number) {
    QString text = QStringLiteral("Session %1: %2 on %3, %4\n")
                       .arg(number)
                       .arg(r.kind, r.port.isEmpty() ? QStringLiteral("-") : r.port,
                            r.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    for (const LogEntry& e : r.entries) {
        QStringList hex;
        for (qsizetype i = 0; i < e.bytes.size(); ++i)
            hex << (e.hidden.at(i) ? QStringLiteral("**")
                                   : QStringLiteral("%1")
                                         .arg(byteAt(e.bytes, i), 2, 16, QLatin1Char('0'))
                                         .toUpper());
        text += QStringLiteral("%1 ms  %2  %3\n")
                    .arg(e.offsetMs, 8)
                    .arg(e.direction == LinkDirection::Sent ? QStringLiteral("TX")
                                                            : QStringLiteral("RX"),
                         hex.join(QLatin1Char(' ')));
    }
    text +=
        QStringLiteral("Result: %1\n").arg(r.outcome.isEmpty() ? QStringLiteral("-") : r.outcome);
    for (const QString& line : r.details)
        text += QStringLiteral("  %1\n").arg(line);
    return text;
}

void SessionLogBook::add(const SessionRecord& record) {
    sessions_.push_back(record);
    while (sessions_.size() > Capacity) {
        sessions_.pop_front();
        ++dropped_;
    }
}

QString SessionLogBook::text() const {
    QStringList parts;
    int number = dropped_;
    for (const SessionRecord& r : sessions_)
        parts << formatSessionRecord(r, ++number);
    return parts.join(QLatin1Char('\n'));
}

} // namespace q716
