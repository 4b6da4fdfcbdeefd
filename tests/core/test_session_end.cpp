// How a session ends: a load that asks a question while events keep coming,
// engine calls nested inside each other, replies after the watchdog, the next
// start after a finish, and a block the radio sends twice.

#include "test_session_radio.h"

#include "link/LinkTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace q716;
using namespace q716::testing;

namespace {

QByteArray readReply(const FakeRadio& radio, int address) {
    QByteArray m;
    m.append(char(0x57));
    m.append(char(address >> 8));
    m.append(char(address & 0xFF));
    m.append(char(0x40));
    m.append(radio.memory.mid(address, 0x40));
    return m;
}

// A host whose hooks run where a real window could run a nested event loop:
// while the load shows a message box, and while a host value is asked for.
class ReentrantHost : public FakeHost {
  public:
    std::function<void()> onLoad; // runs on the first load only
    std::function<void()> onDebugAsked;

    void loadImage(const QString& readHex) override {
        FakeHost::loadImage(readHex);
        if (onLoad)
            std::exchange(onLoad, {})();
    }
    bool debugUnlocked() const override {
        if (onDebugAsked)
            onDebugAsked();
        return FakeHost::debugUnlocked();
    }
};

// One session with its host, radio and driver.
struct Rig {
    ReentrantHost host;
    FakeRadio radio;
    Session session{host};
    Driver driver{session, radio};

    Rig() {
        for (int i = 0; i < radio.memory.size(); ++i)
            radio.memory[i] = char((i * 11 + 1) & 0xFF);
    }
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    // With the radio silent, answers up to the first read request by hand.
    void readUpToTheFirstRequest() {
        radio.silent = true;
        driver.apply(session.startRead(true));
        driver.deliver(QByteArray::fromHex("06"));
        driver.deliver(QByteArray::fromHex("0056525137310000"));
        driver.deliver(QByteArray::fromHex("06"));
        ASSERT_EQ(driver.sent().last(), QByteArray::fromHex("52001040"));
    }
    int count(SessionAction::Kind kind) const {
        int n = 0;
        for (const SessionAction& a : driver.all)
            n += a.kind == kind;
        return n;
    }
    int endsSent() const { return int(driver.sent().count(QByteArray("E"))); }
    QList<int> progressValues() const {
        QList<int> values;
        for (const SessionAction& a : driver.all)
            if (a.kind == SessionAction::ProgressValue)
                values.append(a.value);
        return values;
    }
};

struct SessionEnd : ::testing::Test, Rig {};

TEST_F(SessionEnd, QuestionDuringTheLoadLetsNoWatchdogFireAndEndsInSuccess) {
    // The load's message box stays open for more than three seconds: the
    // watchdog ticks, the blinker ticks and a stray byte arrives meanwhile.
    host.onLoad = [this] {
        EXPECT_EQ(endsSent(), 1) << "the end byte goes out before the load asks anything";
        driver.tick1(7);
        driver.tick2(3);
        driver.deliver(QByteArray::fromHex("06"));
    };
    driver.apply(session.startRead(true));
    ASSERT_EQ(host.loaded.size(), 1);
    EXPECT_EQ(host.loaded.first(),
              QString::fromLatin1(radio.memory.mid(0x10, 0x400).toHex().toUpper()));
    EXPECT_TRUE(driver.messages.isEmpty());
    EXPECT_EQ(endsSent(), 1);
    EXPECT_EQ(count(SessionAction::SessionSucceeded), 1);
    EXPECT_EQ(count(SessionAction::SessionFailed), 0);
    EXPECT_EQ(session.view().caption, linktext::readSuccess(1));
    EXPECT_TRUE(session.SessionDone);
    EXPECT_FALSE(session.view().timer1);
    EXPECT_FALSE(session.view().progressVisible);
    // No step of the progress went missing.
    EXPECT_EQ(progressValues().last(), 425);
    EXPECT_EQ(progressValues().size(), 18);
}

TEST_F(SessionEnd, NestedEngineCallKeepsTheActionsOfTheCallItInterrupted) {
    host.onDebugAsked = [this] { driver.apply(session.timer2Tick()); };
    driver.apply(session.startWrite(true));
    EXPECT_EQ(session.view().caption, linktext::writeSuccess(1));
    QList<int> expected;
    for (int v = 0; v <= 300; v += 10)
        expected.append(v);
    EXPECT_EQ(progressValues(), expected);
    EXPECT_EQ(endsSent(), 1);
}

TEST_F(SessionEnd, ReplyAfterTheWatchdogIsIgnored) {
    readUpToTheFirstRequest();
    driver.tick1(6);
    ASSERT_EQ(driver.messages.size(), 1);
    ASSERT_EQ(endsSent(), 1);
    // The radio wakes up and would answer every request from here on.
    radio.silent = false;
    driver.deliver(readReply(radio, 0x0010));
    EXPECT_TRUE(session.Link.ReadHex.isEmpty());
    EXPECT_EQ(driver.sent().last(), QByteArray("E"));
    EXPECT_EQ(endsSent(), 1);
    EXPECT_TRUE(host.loaded.isEmpty());
    EXPECT_EQ(count(SessionAction::SessionSucceeded), 0);
    EXPECT_FALSE(session.SessionEnded);
    EXPECT_TRUE(session.view().controlsEnabled);
    EXPECT_FALSE(session.view().timer2);
}

TEST_F(SessionEnd, NextStartAfterALateReplyKeepsTheControlsDisabled) {
    readUpToTheFirstRequest();
    driver.tick1(6);
    radio.silent = false;
    driver.deliver(readReply(radio, 0x0010));
    // The user starts again; this radio stays silent.
    radio.silent = true;
    driver.apply(session.startRead(true));
    driver.tick2(12);
    EXPECT_FALSE(session.view().controlsEnabled);
    EXPECT_TRUE(session.view().timer2);
    EXPECT_TRUE(session.view().timer1);
}

TEST_F(SessionEnd, EveryStartBeginsItsOwnCountdown) {
    // A password change can start from its dialog while the countdown of the
    // last write still runs; the old countdown must not end the new session.
    driver.apply(session.startWrite(true));
    ASSERT_TRUE(session.SessionEnded);
    driver.tick2(5);
    ASSERT_EQ(session.Link.BlinkCount, 5);
    radio.silent = true;
    driver.apply(session.startPasswordChange(true));
    EXPECT_FALSE(session.SessionEnded);
    EXPECT_EQ(session.Link.BlinkCount, 0);
    driver.tick2(12);
    EXPECT_TRUE(session.view().timer2);
    EXPECT_TRUE(session.view().timer1);
    EXPECT_EQ(session.Link.BlinkCount, 0);

    // The same for a read started at the last tick before the controls return.
    Session other(host);
    FakeRadio r;
    Driver d{other, r};
    d.apply(other.startWrite(true));
    d.tick2(9);
    r.silent = true;
    d.apply(other.startRead(true));
    d.tick2(3);
    EXPECT_FALSE(other.view().controlsEnabled);
    EXPECT_TRUE(other.view().timer2);
}

TEST_F(SessionEnd, ReadReplySentTwiceIsStoredOnce) {
    readUpToTheFirstRequest();
    const QByteArray reply = readReply(radio, 0x0010);
    driver.deliver(reply);
    ASSERT_EQ(driver.sent().last(), QByteArray::fromHex("06"));
    const QString stored = session.Link.ReadHex;
    ASSERT_EQ(stored.size(), 128);
    const qsizetype sends = driver.sent().size();
    driver.deliver(reply);
    EXPECT_EQ(session.Link.ReadHex, stored);
    EXPECT_EQ(driver.sent().size(), sends);
    // The radio's 06 behind the repeated reply matches nothing either: the
    // watchdog ends the session and nothing is loaded.
    driver.deliver(QByteArray::fromHex("06"));
    EXPECT_EQ(driver.sent().size(), sends);
    driver.tick1(6);
    EXPECT_EQ(driver.messages.size(), 1);
    EXPECT_TRUE(host.loaded.isEmpty());
}

} // namespace

namespace {

TEST_F(SessionEnd, LostPortEndsARunningSessionAtOnce) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> run;
    };
    const QList<Case> cases = {
        {"handshake", [](Rig& f) { f.driver.apply(f.session.startWrite(true)); }},
        {"read", [](Rig& f) { f.readUpToTheFirstRequest(); }},
        {"password change", [](Rig& f) { f.driver.apply(f.session.startPasswordChange(true)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig f;
        f.radio.silent = true;
        c.run(f);
        const qsizetype sends = f.driver.sent().size();
        f.driver.apply(f.session.portLost());
        ASSERT_EQ(f.driver.messages.size(), 1);
        EXPECT_EQ(f.driver.messages.first().text, linktext::communicationError(1).text);
        EXPECT_EQ(f.driver.messages.first().style, MsgCritical);
        // Nothing is written to a port that is gone.
        EXPECT_EQ(f.driver.sent().size(), sends);
        EXPECT_EQ(f.count(SessionAction::SessionFailed), 1);
        EXPECT_FALSE(f.session.view().timer1);
        EXPECT_FALSE(f.session.view().timer2);
        EXPECT_FALSE(f.session.view().labelVisible);
        EXPECT_FALSE(f.session.view().progressVisible);
        EXPECT_TRUE(f.session.view().controlsEnabled);
        // Neither the watchdog nor a late byte adds anything.
        f.driver.tick1(7);
        f.radio.silent = false;
        f.driver.deliver(QByteArray::fromHex("06"));
        EXPECT_EQ(f.driver.messages.size(), 1);
        EXPECT_EQ(f.driver.sent().size(), sends);
        EXPECT_TRUE(f.host.loaded.isEmpty());
    }
}

TEST_F(SessionEnd, LostPortOutsideASessionReportsNothing) {
    EXPECT_TRUE(session.portLost().isEmpty());
    // After a finish, the countdown still gives the controls back.
    driver.apply(session.startWrite(true));
    driver.tick2(3);
    driver.apply(session.portLost());
    EXPECT_TRUE(driver.messages.isEmpty());
    EXPECT_EQ(count(SessionAction::SessionFailed), 0);
    driver.tick2(7);
    EXPECT_TRUE(session.view().controlsEnabled);
    // After the watchdog, the error is not reported twice.
    Session other(host);
    FakeRadio r;
    r.silent = true;
    Driver d{other, r};
    d.apply(other.startRead(true));
    d.tick1(6);
    d.apply(other.portLost());
    EXPECT_EQ(d.messages.size(), 1);
}

} // namespace

namespace {

// The password dialog stays usable while a read or write runs: a second
// start there used to send TQ-PROG into the running session and take it over,
// so the first one never reported how it ended.
TEST_F(SessionEnd, AStartWhileASessionRunsIsRefusedAndTheRunningOneGoesOn) {
    using Start = std::function<SessionActions(Session&)>;
    const QList<std::pair<const char*, Start>> starts = {
        {"read", [](Session& s) { return s.startRead(true); }},
        {"write", [](Session& s) { return s.startWrite(true); }},
        {"password change", [](Session& s) { return s.startPasswordChange(true); }},
    };
    for (const auto& [running, startRunning] : starts) {
        for (const auto& [second, startSecond] : starts) {
            SCOPED_TRACE(std::string(running) + " running, " + second + " started");
            Rig f;
            f.radio.memory.replace(0x01C0, 16, QByteArray("abc") + QByteArray(13, char(0xFF)));
            f.host.passwordBox = QStringLiteral("abc");
            f.host.password = QStringLiteral("new1");
            f.radio.silent = true;
            f.driver.apply(startRunning(f.session));
            f.driver.deliver(QByteArray::fromHex("06"));
            const QList<QByteArray> sentBefore = f.driver.sent();
            const QString mode = f.session.SessionMode;
            const bool passwordMode = f.session.PasswordChangeMode;
            const int handshakeState = f.session.HandshakeState;

            const SessionActions refused = startSecond(f.session);
            ASSERT_EQ(refused.size(), 1);
            EXPECT_EQ(refused[0].kind, SessionAction::ShowMessage);
            EXPECT_EQ(refused[0].message.text, linktext::busy(1));
            EXPECT_EQ(refused[0].message.style, MsgInformation);
            EXPECT_EQ(f.session.SessionMode, mode);
            EXPECT_EQ(f.session.PasswordChangeMode, passwordMode);
            EXPECT_EQ(f.session.HandshakeState, handshakeState);
            EXPECT_EQ(f.driver.sent(), sentBefore);

            // The radio answers the last message; the first session ends in success.
            f.radio.silent = false;
            f.driver.deliver(f.radio.answer(f.driver.sent().last()));
            EXPECT_EQ(f.count(SessionAction::SessionSucceeded), 1);
            EXPECT_EQ(f.count(SessionAction::SessionFailed), 0);
            EXPECT_TRUE(f.driver.messages.isEmpty());
            EXPECT_EQ(f.endsSent(), 1);
        }
    }
}

} // namespace
