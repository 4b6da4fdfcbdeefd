// The in-process radio: what it answers to each message, and what every fault
// of its schedule does to the answer, the memory and the line.

#include "Radio.h"

#include <gtest/gtest.h>

#include <functional>

using namespace q716sim;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

QByteArray readRequest(int address, int length = 0x40) {
    QByteArray m("R");
    m.append(char(address >> 8));
    m.append(char(address & 0xFF));
    m.append(char(length));
    return m;
}

QByteArray writeBlock(int address, const QByteArray& data) {
    QByteArray m("W");
    m.append(char(address >> 8));
    m.append(char(address & 0xFF));
    m.append(char(data.size()));
    m.append(data);
    return m;
}

RadioMemory patterned() {
    QByteArray bytes(0x0410, 0);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7 + 1) & 0xFF);
    bytes.replace(0x01BD, 3, hex("33AABB"));
    return RadioMemory(bytes);
}

QByteArray readReply(const RadioMemory& memory, int address, int replyAddress = -1) {
    if (replyAddress < 0)
        replyAddress = address;
    QByteArray r("W");
    r.append(char(replyAddress >> 8));
    r.append(char(replyAddress & 0xFF));
    r.append(char(0x40));
    r.append(memory.read(address, 0x40));
    return r;
}

// The bytes of the outputs, joined, and the outputs' kinds and pauses apart.
QByteArray bytesOf(const RadioOutputs& outs) {
    QByteArray all;
    for (const RadioOutput& o : outs)
        all += o.bytes;
    return all;
}

// A read up to its second block request, each message fed separately.
QList<RadioOutputs> firstMessagesOfARead(Radio& radio) {
    QList<RadioOutputs> replies;
    for (const QByteArray& m : {QByteArray("TQ-PROG"), hex("02"), hex("06"), readRequest(0x0010),
                                hex("06"), readRequest(0x0050)})
        replies.append(radio.received(m));
    return replies;
}

TEST(Radio, AnswersEveryMessageOfTheProtocol) {
    Radio radio(patterned());
    const QList<RadioOutputs> r = firstMessagesOfARead(radio);
    EXPECT_EQ(bytesOf(r[0]), hex("06"));
    EXPECT_EQ(bytesOf(r[1]), QByteArray("VRQ71") + hex("33AABB"));
    EXPECT_EQ(bytesOf(r[2]), hex("06"));
    EXPECT_EQ(bytesOf(r[3]), readReply(patterned(), 0x0010));
    EXPECT_EQ(bytesOf(r[5]), readReply(patterned(), 0x0050));
    for (const RadioOutputs& outs : r) {
        ASSERT_EQ(outs.size(), 1);
        EXPECT_EQ(outs.first().kind, RadioOutput::Bytes);
        EXPECT_EQ(outs.first().delayMs, 0);
    }
    // A password read asks for 16 bytes.
    EXPECT_EQ(bytesOf(radio.received(readRequest(0x01C0, 0x10))).size(), 20);
    const QByteArray data(16, 'x');
    EXPECT_EQ(bytesOf(radio.received(writeBlock(0x0300, data))), hex("06"));
    EXPECT_EQ(radio.memory().read(0x0300, 16), data);
    EXPECT_TRUE(radio.received("E").isEmpty());
    EXPECT_EQ(radio.endsReceived(), 1);
    // Junk is no message and gets no answer.
    EXPECT_TRUE(radio.received(hex("FF")).isEmpty());
    EXPECT_EQ(radio.messages(), 9);
}

TEST(Radio, MessagesInPiecesOrTogetherGetTheSameAnswers) {
    Radio whole(patterned());
    Radio pieces(patterned());
    const QByteArray stream = QByteArray("TQ-PROG") + hex("0206") + readRequest(0x0010);
    const QByteArray expected = bytesOf(whole.received(stream));
    QByteArray got;
    for (char c : stream)
        got += bytesOf(pieces.received(QByteArray(1, c)));
    EXPECT_EQ(got, expected);
    EXPECT_EQ(expected, hex("06") + QByteArray("VRQ71") + hex("33AABB") + hex("06") +
                            readReply(patterned(), 0x0010));
}

struct FaultCase {
    const char* name;
    ReplyFault fault;
    // Checks the answers to the first messages of a read, and the radio after them.
    std::function<void(const QList<RadioOutputs>&, const Radio&)> check;
};

TEST(Radio, EachReplyFaultChangesOnlyTheReplyItTouches) {
    const RadioMemory m = patterned();
    const QByteArray ident = QByteArray("VRQ71") + hex("33AABB");
    const QList<FaultCase> cases = {
        {"wrong address on the second read reply",
         {ReplyFault::WrongAddress, 2},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             EXPECT_EQ(bytesOf(r[3]), readReply(m, 0x0010));
             EXPECT_EQ(bytesOf(r[5]), readReply(m, 0x0050, 0x8050));
         }},
        {"split at byte 3 of the fourth reply",
         {ReplyFault::Split, 4, 3},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             ASSERT_EQ(r[3].size(), 2);
             EXPECT_EQ(r[3][0].bytes, readReply(m, 0x0010).left(3));
             EXPECT_EQ(r[3][0].delayMs, 0);
             EXPECT_EQ(r[3][1].bytes, readReply(m, 0x0010).mid(3));
             EXPECT_EQ(r[3][1].delayMs, Radio::SplitPauseMs);
             EXPECT_EQ(r[1].size(), 1);
         }},
        {"split past the end cuts before the last byte",
         {ReplyFault::Split, 2, 50},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             ASSERT_EQ(r[1].size(), 2);
             EXPECT_EQ(r[1][1].bytes, ident.right(1));
         }},
        {"every reply in three pieces",
         {ReplyFault::Split, 0},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             ASSERT_EQ(r[3].size(), 3);
             EXPECT_EQ(r[3][0].bytes.size(), 22);
             EXPECT_EQ(r[3][2].bytes.size(), 24);
             EXPECT_EQ(r[0].size(), 1) << "a single byte cannot be cut";
         }},
        {"one byte at a time",
         {ReplyFault::OneByteAtATime, 4},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             ASSERT_EQ(r[3].size(), 68);
             EXPECT_EQ(bytesOf(r[3]), readReply(m, 0x0010));
             EXPECT_EQ(r[3][0].delayMs, 0);
             EXPECT_EQ(r[3][67].delayMs, Radio::BytewisePauseMs);
         }},
        {"junk before",
         {ReplyFault::JunkBefore, 1, 0, hex("A506")},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             EXPECT_EQ(bytesOf(r[0]), hex("A50606"));
             EXPECT_EQ(bytesOf(r[2]), hex("06"));
         }},
        {"junk after",
         {ReplyFault::JunkAfter, 2, 0, hex("00")},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             EXPECT_EQ(bytesOf(r[1]), ident + hex("00"));
         }},
        {"repeated reply",
         {ReplyFault::Repeat, 4},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             EXPECT_EQ(bytesOf(r[3]), readReply(m, 0x0010) + readReply(m, 0x0010));
         }},
        {"NAK instead of the reply",
         {ReplyFault::Nak, 3},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             EXPECT_EQ(bytesOf(r[2]), hex("15"));
             EXPECT_EQ(bytesOf(r[4]), hex("06"));
         }},
        {"delayed reply",
         {ReplyFault::Delay, 5, 4000},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             ASSERT_EQ(r[4].size(), 1);
             EXPECT_EQ(r[4][0].delayMs, 4000);
             EXPECT_EQ(r[3][0].delayMs, 0);
         }},
        {"break before the identification",
         {ReplyFault::Break, 2},
         [&](const QList<RadioOutputs>& r, const Radio&) {
             ASSERT_EQ(r[1].size(), 3);
             EXPECT_EQ(r[1][0].kind, RadioOutput::Break);
             EXPECT_EQ(r[1][1].bytes, hex("FF"));
             EXPECT_EQ(r[1][2].bytes, ident);
         }},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        Faults faults;
        faults.replyFaults = {c.fault};
        Radio radio(patterned(), faults);
        const QList<RadioOutputs> r = firstMessagesOfARead(radio);
        c.check(r, radio);
        // Whatever went wrong on the line, the memory is as it was.
        EXPECT_EQ(radio.memory().bytes(), m.bytes());
    }
}

TEST(Radio, FlippedStoredByteIsAcknowledgedAllTheSame) {
    Faults faults;
    faults.replyFaults = {{ReplyFault::FlipStored, 2, 5}};
    Radio radio(patterned(), faults);
    const QByteArray first(16, 'a');
    const QByteArray second(16, 'b');
    EXPECT_EQ(bytesOf(radio.received(writeBlock(0x0010, first))), hex("06"));
    EXPECT_EQ(bytesOf(radio.received(writeBlock(0x0020, second))), hex("06"));
    EXPECT_EQ(radio.memory().read(0x0010, 16), first);
    QByteArray stored = second;
    stored[5] = char(~'b');
    EXPECT_EQ(radio.memory().read(0x0020, 16), stored);
}

TEST(Radio, FallsSilentAfterItsReplies) {
    Faults faults;
    faults.silentAfter = 2;
    Radio radio(patterned(), faults);
    const QList<RadioOutputs> r = firstMessagesOfARead(radio);
    EXPECT_FALSE(r[1].isEmpty());
    for (int i = 2; i < r.size(); ++i)
        EXPECT_TRUE(r[i].isEmpty()) << i;
    // A silent radio still stores what it is sent.
    radio.received(writeBlock(0x0300, QByteArray(16, 'z')));
    EXPECT_EQ(radio.memory().read(0x0300, 16), QByteArray(16, 'z'));
}

TEST(Radio, HangsUpAfterItsMessagesWithTheReplyCutOrWhole) {
    for (int cut : {-1, 0, 10}) {
        SCOPED_TRACE(cut);
        Faults faults;
        faults.hangUpAfter = 4;
        faults.hangUpCut = cut;
        Radio radio(patterned(), faults);
        radio.received(QByteArray("TQ-PROG") + hex("02"));
        ASSERT_FALSE(radio.hungUp());
        // Three messages in one piece: the line closes after the second one's
        // reply, of which only the cut goes out, and the third is never read.
        const RadioOutputs out = radio.received(hex("06") + readRequest(0x0010) + hex("06"));
        ASSERT_TRUE(radio.hungUp());
        ASSERT_FALSE(out.isEmpty());
        EXPECT_EQ(out.last().kind, RadioOutput::HangUp);
        const QByteArray whole = readReply(patterned(), 0x0010);
        EXPECT_EQ(bytesOf(out), hex("06") + (cut < 0 ? whole : whole.left(cut)));
        EXPECT_EQ(radio.messages(), 4);
        EXPECT_TRUE(radio.received("E").isEmpty());
        EXPECT_EQ(radio.endsReceived(), 0);
    }
}

TEST(Radio, LogsMessagesRepliesJunkAndBreaks) {
    Faults faults;
    faults.replyFaults = {{ReplyFault::Break, 1}, {ReplyFault::JunkAfter, 1, 0, hex("AB")}};
    Radio radio(patterned(), faults);
    QStringList lines;
    radio.setLog([&](char direction, const QByteArray& bytes, const char* note) {
        lines << QStringLiteral("%1 %2 %3")
                     .arg(QChar(direction), QString::fromLatin1(bytes.toHex()),
                          QString::fromLatin1(note ? note : ""));
    });
    radio.received(QByteArray("TQ-PROG") + hex("FF"));
    EXPECT_EQ(lines, QStringList({"> 54512d50524f47 ", "<  break", "< ff (junk)", "< 06 ",
                                  "< ab (junk)", "> ff (junk)"}));
}

TEST(RadioFaults, OptionTextsParseAndComeBackTheSame) {
    const QStringList texts = {"silent-after=6",   "hangup-after=12",
                               "hangup-cut=3",     "wrong-address",
                               "wrong-address@3",  "split",
                               "split=5@4",        "bytewise",
                               "junk-before=FF@2", "junk-after=0615@9",
                               "repeat@7",         "nak@3",
                               "flip-stored=4@2",  "delay=3500@6",
                               "break@2",          "break@9"};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        Faults faults;
        ASSERT_TRUE(parseFault(text, faults));
        EXPECT_EQ(faultOptions(faults), QStringList{text});
    }
    // The old spellings keep their meaning.
    Faults old;
    ASSERT_TRUE(parseFault("break", old));
    EXPECT_EQ(old.replyFaults.first().at, 2);
    ASSERT_TRUE(parseFault("split", old));
    EXPECT_EQ(old.replyFaults.last().at, 0);
    EXPECT_EQ(old.replyFaults.last().value, 0);
    ASSERT_TRUE(parseFault("junk-after", old));
    EXPECT_EQ(old.replyFaults.last().junk, hex("FF"));
}

TEST(RadioFaults, UnknownOrMalformedTextsChangeNothing) {
    for (const char* text :
         {"", "silent", "silent-after", "silent-after=x", "silent-after=-1", "silent-after=2@3",
          "delay", "delay=", "delay=-5", "nak=3", "wrong-address=1", "repeat@0", "repeat@x",
          "junk-before=F", "junk-before=GG", "flip-stored=16", "hangup", "splits"}) {
        SCOPED_TRACE(text);
        Faults faults;
        EXPECT_FALSE(parseFault(QString::fromLatin1(text), faults));
        EXPECT_EQ(faults.silentAfter, -1);
        EXPECT_EQ(faults.hangUpAfter, -1);
        EXPECT_TRUE(faults.replyFaults.isEmpty());
    }
}

} // namespace
