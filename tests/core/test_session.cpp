// The session engine against an in-memory radio: whole reads and writes fed in
// pieces of every size, the block plan, progress, watchdog, blinker countdown,
// breaks, malformed replies and the password change.

#include "test_session_radio.h"

#include "link/LinkTexts.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace q716;
using namespace q716::testing;

namespace {

QString testImage() {
    QByteArray bytes(848, 0);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7 + 3) & 0xFF);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray block(int address, int length, const QByteArray& data = {}) {
    QByteArray m;
    m.append(char(0x57));
    m.append(char(address >> 8));
    m.append(char(address & 0xFF));
    m.append(char(length));
    m.append(data);
    return m;
}

QByteArray readRequest(int address) {
    QByteArray m = QByteArray::fromHex("52");
    m.append(char(address >> 8));
    m.append(char(address & 0xFF));
    m.append(char(0x40));
    return m;
}

struct Fixture : ::testing::Test {
    FakeHost host;
    FakeRadio radio;
    Session session{host};
    Driver driver{session, radio};

    void SetUp() override {
        host.image = testImage();
        for (int i = 0; i < radio.memory.size(); ++i)
            radio.memory[i] = char((i * 13 + 5) & 0xFF);
    }
    QString radioHex(int from, int to) const {
        return QString::fromLatin1(radio.memory.mid(from, to - from).toHex().toUpper());
    }
    // With the radio silent, answers the handshake by hand up to the data phase.
    void handshakeByHand(const SessionActions& start) {
        radio.silent = true;
        driver.apply(start);
        driver.deliver(QByteArray::fromHex("06"));
        driver.deliver(QByteArray::fromHex("0056525137310000"));
    }
    QList<int> writtenAddresses() const {
        QList<int> a;
        for (const QByteArray& m : radio.received)
            if (m.size() == 20 && uchar(m.at(0)) == 0x57)
                a.append((uchar(m.at(1)) << 8) | uchar(m.at(2)));
        return a;
    }
};

using SessionRead = Fixture;
using SessionWrite = Fixture;
using SessionFailures = Fixture;
using SessionBlinker = Fixture;
using SessionPassword = Fixture;

TEST_F(SessionRead, WholeReadInPiecesOfAnySizeLoadsTheRadioMemory) {
    for (int piece : {1, 2, 3, 5, 7, 67, 68, 1000}) {
        SCOPED_TRACE(piece);
        FakeHost h;
        h.image = testImage();
        FakeRadio r;
        r.memory = radio.memory;
        Session s(h);
        Driver d{s, r, piece};
        d.apply(s.startRead(true));
        ASSERT_EQ(h.loaded.size(), 1);
        EXPECT_EQ(h.loaded.first(), radioHex(0x0010, 0x0410));
        EXPECT_EQ(s.view().progressValue, 425);
        EXPECT_EQ(s.view().caption, QStringLiteral("Read frequency success!"));
        EXPECT_TRUE(s.SessionDone);
        EXPECT_TRUE(s.SessionEnded);
        EXPECT_FALSE(s.view().timer1);
        EXPECT_TRUE(s.view().timer2);
        EXPECT_FALSE(s.view().progressVisible);
        EXPECT_TRUE(d.has(SessionAction::LoadImage));
        EXPECT_EQ(d.sent().last(), QByteArray("E"));
    }
}

TEST_F(SessionRead, RequestsTheSixteenBlocksInOrderAfterTheHandshake) {
    driver.apply(session.startRead(true));
    const QList<QByteArray> sent = driver.sent();
    ASSERT_GE(sent.size(), 4);
    EXPECT_EQ(sent[0], QByteArray("TQ-PROG"));
    EXPECT_EQ(sent[1], QByteArray::fromHex("02"));
    EXPECT_EQ(sent[2], QByteArray::fromHex("06"));
    QList<QByteArray> requests;
    for (const QByteArray& m : sent)
        if (uchar(m.at(0)) == 0x52)
            requests.append(m);
    ASSERT_EQ(requests.size(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(requests[i], readRequest(0x0010 + 0x40 * i));
    // The image is built at the start of the data phase for reads too.
    EXPECT_EQ(session.Link.ImageHex, host.image);
    EXPECT_EQ(session.SessionMode, QStringLiteral("R"));
}

TEST_F(SessionRead, StartDisablesControlsAndShowsTheBusyCaptionInBothLanguages) {
    radio.silent = true;
    auto actions = session.startRead(true);
    driver.apply(actions);
    EXPECT_FALSE(session.view().controlsEnabled);
    EXPECT_TRUE(driver.has(SessionAction::EnableFrame1));
    EXPECT_TRUE(session.view().timer1);
    EXPECT_TRUE(session.view().timer2);
    EXPECT_EQ(session.view().caption, QStringLiteral("Is communication, please later……"));
    host.language = 0;
    Session zh(host);
    zh.startWrite(true);
    EXPECT_EQ(zh.view().caption, QStringLiteral("正在通信,请稍后……"));
}

TEST_F(SessionRead, AnotherLengthByteIsAccepted) {
    radio.replyLengthByte = 0x10;
    driver.apply(session.startRead(true));
    ASSERT_EQ(host.loaded.size(), 1);
    EXPECT_EQ(host.loaded.first(), radioHex(0x0010, 0x0410));
}

TEST_F(SessionFailures, WrongAddressOrLengthIsNotAcknowledgedAndLoadsNothing) {
    for (int variant = 0; variant < 2; ++variant) {
        SCOPED_TRACE(variant);
        FakeHost h;
        FakeRadio r;
        if (variant == 0)
            r.addressOffset = 0x40;
        else
            r.dropReplyData = 1;
        Session s(h);
        Driver d{s, r, 3};
        d.apply(s.startRead(true));
        EXPECT_EQ(d.sent().last(), readRequest(0x0010));
        d.tick1(6);
        EXPECT_TRUE(h.loaded.isEmpty());
        ASSERT_EQ(d.messages.size(), 1);
        EXPECT_EQ(d.messages.first().style, MsgCritical);
        EXPECT_EQ(d.sent().last(), QByteArray("E"));
    }
}

TEST_F(SessionFailures, AckBeforeTheRequestedBlockDoesNotSkipIt) {
    handshakeByHand(session.startRead(true));
    driver.deliver(QByteArray::fromHex("06"));
    ASSERT_EQ(driver.sent().last(), readRequest(0x0010));
    driver.deliver(QByteArray::fromHex("06"));
    EXPECT_EQ(driver.sent().last(), readRequest(0x0010));
    EXPECT_EQ(session.RxHex, QStringLiteral("06"));
}

TEST_F(SessionFailures, WatchdogFiresOnTheSixthTickWithTheErrorInBothLanguages) {
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        FakeHost h;
        h.language = language;
        FakeRadio r;
        r.silent = true;
        Session s(h);
        Driver d{s, r};
        d.apply(s.startWrite(true));
        d.tick1(5);
        EXPECT_TRUE(d.messages.isEmpty());
        EXPECT_EQ(d.sent().size(), 1);
        d.tick1();
        ASSERT_EQ(d.messages.size(), 1);
        EXPECT_EQ(d.messages.first().style, 16);
        EXPECT_EQ(d.messages.first().text,
                  language == 0
                      ? QStringLiteral("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！")
                      : QStringLiteral("Communication error, please check the intercom model, "
                                       "fault, attachment and computer serial choice!"));
        EXPECT_EQ(d.sent().last(), QByteArray("E"));
        EXPECT_TRUE(s.view().controlsEnabled);
        EXPECT_FALSE(s.view().timer1);
        EXPECT_FALSE(s.view().timer2);
        EXPECT_FALSE(s.view().labelVisible);
        EXPECT_FALSE(s.view().progressVisible);
        // The session is over: later replies are ignored until the next start.
        EXPECT_TRUE(s.SessionDone);
        EXPECT_TRUE(d.has(SessionAction::SessionFailed));
    }
}

TEST_F(SessionFailures, EverySendRestartsTheWatchdog) {
    radio.silent = true;
    driver.apply(session.startRead(true));
    driver.tick1(5);
    driver.deliver(QByteArray::fromHex("06")); // Identify is sent
    driver.tick1(5);
    EXPECT_TRUE(driver.messages.isEmpty());
    driver.tick1();
    EXPECT_EQ(driver.messages.size(), 1);
}

TEST_F(SessionFailures, BreakDropsExactlyOneByte) {
    radio.silent = true;
    driver.apply(session.startRead(true));
    session.breakReceived();
    driver.deliver(QByteArray::fromHex("FF06"));
    EXPECT_EQ(driver.sent().last(), QByteArray::fromHex("02"));
    EXPECT_FALSE(session.Link.BreakSeen);
    // Without a break the junk byte stays and nothing matches.
    Session other(host);
    Driver d{other, radio};
    d.apply(other.startRead(true));
    d.deliver(QByteArray::fromHex("FF06"));
    EXPECT_EQ(d.sent().size(), 1);
    EXPECT_EQ(other.RxHex, QStringLiteral("FF06"));
}

TEST_F(SessionFailures, ClosedPortShowsTheInformationMessageAndChangesNothing) {
    for (int language : {0, 1}) {
        host.language = language;
        Session s(host);
        const SessionActions actions = s.startWrite(false);
        ASSERT_EQ(actions.size(), 1);
        EXPECT_EQ(actions.first().kind, SessionAction::ShowMessage);
        EXPECT_EQ(actions.first().message.style, 64);
        EXPECT_EQ(actions.first().message.text, linktext::portNotOpen(language).text);
        EXPECT_TRUE(s.SessionMode.isEmpty());
        EXPECT_EQ(s.HandshakeState, 0);
        EXPECT_EQ(s.startPasswordChange(false).size(), 1);
        EXPECT_FALSE(s.PasswordChangeMode);
    }
    EXPECT_EQ(linktext::portNotOpen(0).text,
              QStringLiteral("通信端口未打开，请先选择菜单“通信端口”打开其串口！"));
    EXPECT_EQ(linktext::portNotOpen(1).text,
              QStringLiteral("Communication port not open, please first selection menu "
                             "'communication port' to open its serial ports!"));
}

TEST_F(SessionWrite, WritesTheTwentyNineBlocksOfThePlanInOrder) {
    for (int piece : {1, 4, 100}) {
        SCOPED_TRACE(piece);
        FakeHost h;
        h.image = testImage();
        FakeRadio r;
        Session s(h);
        Driver d{s, r, piece};
        d.apply(s.startWrite(true));
        QList<QByteArray> blocks;
        for (const QByteArray& m : r.received)
            if (m.size() == 20)
                blocks.append(m);
        QList<int> expected;
        for (int a = 0x0010; a < 0x0180; a += 0x10)
            expected.append(a);
        expected << 0x01B0 << 0x0300 << 0x0310 << 0x0320 << 0x0330 << 0x0340;
        ASSERT_EQ(blocks.size(), 29);
        for (int i = 0; i < blocks.size(); ++i) {
            const QByteArray data =
                QByteArray::fromHex(h.image.mid(2 * (expected[i] - 0x10), 32).toLatin1());
            EXPECT_EQ(blocks[i], block(expected[i], 0x10, data)) << i;
        }
        EXPECT_EQ(s.view().progressValue, 300);
        EXPECT_EQ(s.view().caption, QStringLiteral("Write frequency success!"));
        EXPECT_EQ(d.sent().last(), QByteArray("E"));
        EXPECT_TRUE(h.loaded.isEmpty());
    }
}

TEST_F(SessionWrite, DebugUnlockedAddsTheCalibrationBlock) {
    host.debug = true;
    driver.apply(session.startWrite(true));
    const QList<int> written = writtenAddresses();
    EXPECT_EQ(written.size(), 30);
    EXPECT_EQ(written.indexOf(0x0180), 23);
    EXPECT_EQ(written.at(24), 0x01B0);
    EXPECT_EQ(session.view().progressValue, 310);
}

TEST_F(SessionWrite, AdminModeWouldAddThePasswordBlock) {
    host.admin = true;
    driver.apply(session.startWrite(true));
    const QList<int> written = writtenAddresses();
    EXPECT_EQ(written.size(), 30);
    EXPECT_EQ(written.at(23), 0x01B0);
    EXPECT_EQ(written.at(24), 0x01C0);
    EXPECT_EQ(written.at(25), 0x0300);
}

TEST_F(SessionWrite, ProgressGrowsByTenPerAckAndByTwentyFivePerReadAck) {
    host.debug = true;
    host.admin = true;
    driver.apply(session.startWrite(true));
    Session reader(host);
    Driver d{reader, radio};
    d.apply(reader.startRead(true));
    for (const auto& [actions, step, end] :
         {std::tuple{driver.all, 10, 320}, std::tuple{d.all, 25, 425}}) {
        int last = -1;
        for (const SessionAction& a : actions)
            if (a.kind == SessionAction::ProgressValue) {
                EXPECT_EQ(a.value, last < 0 ? 0 : last + step);
                EXPECT_LE(a.value, Session::ProgressMaximum);
                last = a.value;
            }
        EXPECT_EQ(last, end);
    }
}

TEST_F(SessionWrite, OnlyAnExactAckAdvances) {
    handshakeByHand(session.startWrite(true));
    ASSERT_EQ(driver.sent().last(), QByteArray::fromHex("06"));
    driver.apply(session.bytesReceived(QByteArray::fromHex("0606")));
    EXPECT_EQ(driver.sent().size(), 3);
    EXPECT_EQ(session.RxHex, QStringLiteral("0606"));
}

TEST_F(SessionBlinker, CountdownOfTenTicksRestoresTheControls) {
    driver.apply(session.startWrite(true));
    ASSERT_TRUE(session.SessionEnded);
    EXPECT_FALSE(session.view().controlsEnabled);
    bool visible = session.view().labelVisible;
    for (int i = 1; i < 10; ++i) {
        driver.tick2();
        EXPECT_NE(session.view().labelVisible, visible) << i;
        visible = session.view().labelVisible;
        EXPECT_FALSE(session.view().controlsEnabled) << i;
    }
    driver.tick2();
    EXPECT_TRUE(session.view().controlsEnabled);
    EXPECT_FALSE(session.view().labelVisible);
    EXPECT_FALSE(session.view().timer2);
    EXPECT_FALSE(session.SessionEnded);
    EXPECT_EQ(session.Link.BlinkCount, 0);
}

TEST_F(SessionBlinker, BlinksWithoutCountingWhileTheSessionRuns) {
    radio.silent = true;
    driver.apply(session.startRead(true));
    driver.tick2(25);
    EXPECT_EQ(session.Link.BlinkCount, 0);
    EXPECT_TRUE(session.view().labelVisible);
    EXPECT_TRUE(session.view().timer2);
}

TEST_F(SessionPassword, MatchingOldPasswordWritesTheNewOne) {
    radio.memory.replace(0x01C0, 16, QByteArray("old1").append(QByteArray(12, char(0xFF))));
    host.passwordBox = QStringLiteral("old1");
    host.password = QStringLiteral(" New.2 ");
    host.language = 0;
    for (int piece : {1, 20}) {
        FakeRadio r = radio;
        Session s(host);
        Driver d{s, r, piece};
        d.apply(s.startPasswordChange(true));
        const QList<QByteArray> sent = d.sent();
        ASSERT_EQ(sent.size(), 7);
        EXPECT_EQ(sent[2], QByteArray::fromHex("06"));
        EXPECT_EQ(sent[3], QByteArray::fromHex("5201C010"));
        EXPECT_EQ(sent[4], QByteArray::fromHex("06"));
        EXPECT_EQ(sent[5], block(0x01C0, 0x10, QByteArray("New.2").append(QByteArray(11, '\xFF'))));
        EXPECT_EQ(sent[6], QByteArray("E"));
        EXPECT_EQ(s.view().caption, QStringLiteral("通讯密码修改成功！"));
        EXPECT_TRUE(s.SessionDone);
        EXPECT_TRUE(s.SessionEnded);
        EXPECT_FALSE(s.view().timer1);
        EXPECT_EQ(r.memory.mid(0x01C0, 5), QByteArray("New.2"));
        EXPECT_TRUE(d.messages.isEmpty());
        EXPECT_TRUE(host.loaded.isEmpty());
    }
}

TEST_F(SessionPassword, MismatchOrEmptyStoredPasswordEndsWithTheMessage) {
    struct Case {
        QByteArray stored;
        QString box;
    };
    const QList<Case> cases = {{QByteArray("abc"), QStringLiteral("abd")},
                               {QByteArray("abc"), QStringLiteral("ABC")},
                               {QByteArray(), QString()}};
    for (const Case& c : cases) {
        FakeRadio r = radio;
        r.memory.replace(0x01C0, 16, c.stored + QByteArray(16 - c.stored.size(), char(0xFF)));
        host.passwordBox = c.box;
        host.password = QStringLiteral("new");
        Session s(host);
        Driver d{s, r};
        d.apply(s.startPasswordChange(true));
        EXPECT_EQ(d.sent().last(), QByteArray("E"));
        ASSERT_EQ(d.messages.size(), 1);
        EXPECT_EQ(d.messages.first().text, QStringLiteral("Password is not correct"));
        EXPECT_EQ(d.messages.first().style, 0);
        EXPECT_TRUE(s.SessionDone);
        EXPECT_FALSE(s.view().timer1);
        EXPECT_FALSE(s.view().timer2);
        EXPECT_FALSE(s.view().labelVisible);
        EXPECT_TRUE(s.view().controlsEnabled);
        EXPECT_EQ(r.memory.mid(0x01C0, 16),
                  c.stored + QByteArray(16 - c.stored.size(), char(0xFF)));
    }
    EXPECT_EQ(linktext::passwordIncorrect(0).text, QStringLiteral("密码不正确"));
}

TEST_F(SessionPassword, ALaterReadStartsWithoutThePasswordExchange) {
    host.passwordBox = QStringLiteral("x");
    radio.memory.replace(0x01C0, 1, "y");
    driver.apply(session.startPasswordChange(true));
    driver.apply(session.startRead(true));
    EXPECT_FALSE(session.PasswordChangeMode);
    EXPECT_EQ(host.loaded.size(), 1);
}

} // namespace
