// The session log: pieces with their direction and time, the password masked
// wherever it travels, and the window's book of the last sessions.

#include "link/LinkMessages.h"
#include "link/SessionLog.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// A read reply for `address`: 57, the address, 40, then 64 bytes counting up
// from `first`.
QByteArray readReply(int address, int first = 0) {
    QByteArray r = linkmsg::writeBlock(address, QByteArray(64, 0));
    for (int i = 0; i < 64; ++i)
        r[4 + i] = char(first + i);
    return r;
}

// Every byte received, hidden ones as -1.
QList<int> receivedBytes(const SessionRecord& r) {
    QList<int> bytes;
    for (const LogEntry& e : r.entries)
        if (e.direction == LinkDirection::Received)
            for (qsizetype i = 0; i < e.bytes.size(); ++i)
                bytes << (e.hidden.at(i) ? -1 : uchar(e.bytes.at(i)));
    return bytes;
}

struct FakeClock {
    qint64 now = 1000;
    SessionRecorder::Clock fn() {
        return [this] { return now; };
    }
};

} // namespace

TEST(SessionLog, PiecesKeepTheirDirectionTimeAndBytes) {
    FakeClock clock;
    SessionRecorder rec(clock.fn());
    rec.begin(QStringLiteral("read"), QStringLiteral("/dev/ttyUSB0"),
              QDateTime(QDate(2026, 12, 8), QTime(10, 15, 2)));
    rec.sent(linkmsg::open());
    clock.now += 12;
    rec.received(hex("06"));
    clock.now += 3;
    rec.sent(linkmsg::single(linkmsg::Identify));
    rec.end(QStringLiteral("Read frequency success!"));
    rec.received(hex("06")); // after the end: no longer this session's
    const SessionRecord& r = rec.record();
    ASSERT_EQ(r.entries.size(), 3);
    EXPECT_EQ(r.entries[0].offsetMs, 0);
    EXPECT_EQ(r.entries[1].offsetMs, 12);
    EXPECT_EQ(r.entries[2].offsetMs, 15);
    EXPECT_EQ(r.entries[1].direction, LinkDirection::Received);
    EXPECT_FALSE(rec.running());
    EXPECT_EQ(formatSessionRecord(r, 4),
              QStringLiteral("Session 4: read on /dev/ttyUSB0, 2026-12-08 10:15:02\n"
                             "       0 ms  TX  54 51 2D 50 52 4F 47\n"
                             "      12 ms  RX  06\n"
                             "      15 ms  TX  02\n"
                             "Result: Read frequency success!\n"));
}

TEST(SessionLog, ReadRepliesHideExactlyThePasswordBytes) {
    struct Case {
        const char* name;
        QList<int> cuts; // where the reply is cut into pieces
        QByteArray before, after;
    };
    const QList<Case> cases = {
        {"in one piece", {}, {}, {}},
        {"in three pieces, cut inside the password", {30, 55}, {}, {}},
        {"one byte at a time",
         [] {
             QList<int> c;
             for (int i = 1; i < 68; ++i)
                 c << i;
             return c;
         }(),
         {},
         {}},
        {"junk before it", {}, hex("FF00"), {}},
        {"sent twice", {}, {}, readReply(0x0190, 0x80)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRecorder rec;
        rec.begin(QStringLiteral("read"), {}, {});
        rec.sent(linkmsg::readRequest(0x0190, 0x40));
        const QByteArray reply = readReply(0x0190);
        const QByteArray stream = c.before + reply + c.after;
        QList<int> cuts = c.cuts;
        for (int& cut : cuts)
            cut += int(c.before.size());
        int from = 0;
        for (int cut : cuts + QList<int>{int(stream.size())}) {
            rec.received(stream.mid(from, cut - from));
            from = cut;
        }
        const QList<int> got = receivedBytes(rec.record());
        ASSERT_EQ(got.size(), stream.size());
        // 0x01C0..0x01CF are data bytes 0x30..0x3F of the block at 0x0190,
        // hidden where the reply is and where it should have been.
        const auto hiddenAt = [](qsizetype start, qsizetype i) {
            return i >= start + 4 + 0x30 && i < start + 4 + 0x40;
        };
        for (qsizetype i = 0; i < stream.size(); ++i) {
            const bool hidden = hiddenAt(0, i) || hiddenAt(c.before.size(), i) ||
                                (!c.after.isEmpty() && hiddenAt(c.before.size() + reply.size(), i));
            EXPECT_EQ(got[i], hidden ? -1 : int(uchar(stream.at(i)))) << "byte " << i;
        }
    }
}

// The rule: a block the radio sends is masked by the address it names,
// whatever the program asked for; every other byte stays in clear.
TEST(SessionLog, RepliesAreMaskedByTheAddressTheyName) {
    struct Case {
        const char* name;
        QList<QByteArray> exchange; // sent, received, sent, received...
        int hidden;                 // received bytes masked
    };
    const QByteArray request0150 = linkmsg::readRequest(0x0150, 0x40);
    const QByteArray ack = linkmsg::single(linkmsg::Ack);
    const QByteArray passwordBlock = linkmsg::writeBlock(0x01C0, QByteArray(16, 's'));
    const QList<Case> cases = {
        {"another block, answered", {request0150, readReply(0x0150)}, 0},
        {"another block asked, the password's answered", {request0150, readReply(0x0190)}, 16},
        {"the password block itself answered", {request0150, passwordBlock}, 16},
        {"repeated after the program's 06",
         {linkmsg::readRequest(0x0190, 0x40), readReply(0x0190), ack, readReply(0x0190)},
         32},
        {"after junk, behind another reply",
         {request0150, readReply(0x0150) + readReply(0x0190)},
         16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRecorder rec;
        rec.begin(QStringLiteral("read"), {}, {});
        for (int i = 0; i < c.exchange.size(); ++i)
            i % 2 ? rec.received(c.exchange[i]) : rec.sent(c.exchange[i]);
        rec.sent(linkmsg::writeBlock(0x01B0, QByteArray(16, 'x')));
        EXPECT_EQ(receivedBytes(rec.record()).count(-1), c.hidden);
        EXPECT_EQ(rec.record().entries.last().hidden, QByteArray(20, 0));
        EXPECT_FALSE(formatSessionRecord(rec.record(), 1).contains(QStringLiteral("73 73")));
    }
}

TEST(SessionLog, ThePasswordExchangeIsMaskedBothWays) {
    SessionRecorder rec;
    rec.begin(QStringLiteral("password"), {}, {});
    rec.sent(linkmsg::readRequest(0x01C0, 0x10));
    rec.received(linkmsg::writeBlock(0x01C0, QByteArray("secret\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                                                        "\xFF\xFF\xFF",
                                                        16)));
    rec.sent(linkmsg::writeBlock(0x01C0, QByteArray("newpass\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                                                    "\xFF\xFF",
                                                    16)));
    const QList<LogEntry>& e = rec.record().entries;
    ASSERT_EQ(e.size(), 3);
    for (int i : {1, 2}) {
        EXPECT_EQ(e[i].hidden, QByteArray(4, 0) + QByteArray(16, 1)) << i;
        EXPECT_EQ(e[i].bytes.left(4), hex("5701C010")) << i;
        EXPECT_EQ(e[i].bytes.mid(4), QByteArray(16, 0)) << i;
    }
    const QString text = formatSessionRecord(rec.record(), 1);
    EXPECT_FALSE(text.contains(QStringLiteral("73 65 63"))); // "sec"
    EXPECT_TRUE(text.contains(QStringLiteral("57 01 C0 10 ** ** **")));
}

TEST(SessionLog, ABookKeepsTheLastTwentySessionsNumberedOnwards) {
    SessionLogBook book;
    for (int i = 1; i <= 23; ++i) {
        SessionRecorder rec;
        rec.begin(QStringLiteral("read"), QStringLiteral("port%1").arg(i), {});
        rec.end({});
        book.add(rec.record());
    }
    ASSERT_EQ(book.sessions().size(), size_t(SessionLogBook::Capacity));
    EXPECT_EQ(book.sessions().front().port, QStringLiteral("port4"));
    const QString text = book.text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Session 4: read on port4")));
    EXPECT_TRUE(text.contains(QStringLiteral("Session 23: read on port23")));
    EXPECT_FALSE(text.contains(QStringLiteral("port3,")));
}
