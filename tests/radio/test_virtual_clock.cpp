// The virtual clock, its timers and the cable that carries bytes on it.

#include "VirtualCable.h"
#include "VirtualClock.h"

#include <gtest/gtest.h>

#include <vector>

using namespace q716sim;

namespace {

TEST(VirtualClock, RunsEventsInTimeOrderAndTiesInSchedulingOrder) {
    VirtualClock clock;
    std::vector<std::pair<qint64, int>> ran;
    const auto note = [&](int n) { return [&, n] { ran.emplace_back(clock.now(), n); }; };
    clock.schedule(30, note(1));
    clock.schedule(10, note(2));
    clock.schedule(30, note(3));
    const VirtualClock::Id dropped = clock.schedule(20, note(4));
    clock.schedule(0, note(5));
    clock.cancel(dropped);
    clock.cancel(9999);
    clock.advance(25);
    EXPECT_EQ(clock.now(), 25);
    clock.advance(100);
    EXPECT_EQ(ran, (std::vector<std::pair<qint64, int>>{{0, 5}, {10, 2}, {30, 1}, {30, 3}}));
    EXPECT_EQ(clock.now(), 125);
    EXPECT_FALSE(clock.pending());
}

TEST(VirtualClock, AnEventMayMoveTheClockOnItself) {
    // A message box answered after a while runs, from inside an event, the
    // events due meanwhile; the outer run carries on after them.
    VirtualClock clock;
    std::vector<std::pair<qint64, int>> ran;
    clock.schedule(100, [&] {
        ran.emplace_back(clock.now(), 1);
        clock.schedule(50, [&] { ran.emplace_back(clock.now(), 2); });
        clock.advance(300);
        ran.emplace_back(clock.now(), 3);
    });
    clock.schedule(200, [&] { ran.emplace_back(clock.now(), 4); });
    clock.schedule(500, [&] { ran.emplace_back(clock.now(), 5); });
    clock.advance(250);
    EXPECT_EQ(ran, (std::vector<std::pair<qint64, int>>{{100, 1}, {150, 2}, {200, 4}, {400, 3}}));
    EXPECT_EQ(clock.now(), 400) << "the outer run does not take time back to 250";
    clock.advance(100);
    EXPECT_EQ(ran.back(), (std::pair<qint64, int>{500, 5}));
}

TEST(VirtualTimer, TicksEveryIntervalFromItsLastStartUntilStopped) {
    VirtualClock clock;
    std::vector<qint64> ticks;
    VirtualTimer timer(clock, 500, [&] { ticks.push_back(clock.now()); });
    EXPECT_FALSE(timer.isActive());
    clock.advance(100);
    timer.start();
    clock.advance(1200);
    EXPECT_EQ(ticks, (std::vector<qint64>{600, 1100}));
    // A restart begins a new interval, like QTimer::start on a running timer.
    timer.start();
    clock.advance(600);
    EXPECT_EQ(ticks.back(), 1800);
    timer.stop();
    EXPECT_FALSE(timer.isActive());
    clock.advance(5000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(VirtualTimer, ATickThatStopsItsTimerIsTheLast) {
    VirtualClock clock;
    int ticks = 0;
    VirtualTimer* self = nullptr;
    VirtualTimer timer(clock, 200, [&] {
        if (++ticks == 3)
            self->stop();
    });
    self = &timer;
    timer.start();
    clock.advance(10000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.isActive());
}

struct Heard {
    qint64 at;
    QByteArray bytes; // "break" and "hang-up" for those events
    bool operator==(const Heard&) const = default;
};

struct CableRig {
    VirtualClock clock;
    Radio radio;
    std::vector<Heard> heard;
    VirtualCable cable;

    CableRig(Faults faults, int latency)
        : radio(RadioMemory::erased(0x33), std::move(faults)),
          cable(clock, radio,
                {[this](const QByteArray& b) {
                     heard.push_back({clock.now(), b});
                 },
                 [this] {
                     heard.push_back({clock.now(), "break"});
                 },
                 [this] {
                     heard.push_back({clock.now(), "hang-up"});
                 }},
                latency) {}
};

TEST(VirtualCable, BytesTakeTheirWireTimeAndLatencyEachWay) {
    CableRig rig({}, 3);
    EXPECT_EQ(VirtualCable::wireMs(1), 2);
    EXPECT_EQ(VirtualCable::wireMs(68), 71);
    rig.cable.write("TQ-PROG");
    EXPECT_FALSE(rig.cable.deliveredToRadio());
    rig.clock.advance(10);
    EXPECT_FALSE(rig.cable.deliveredToRadio());
    rig.clock.advance(1);
    EXPECT_TRUE(rig.cable.deliveredToRadio());
    rig.clock.advance(1000);
    // 7 bytes (8 ms) + 3 ms to the radio, 1 byte (2 ms) + 3 ms back.
    ASSERT_EQ(rig.heard.size(), 1u);
    EXPECT_EQ(rig.heard[0], (Heard{16, QByteArray(1, 0x06)}));
}

TEST(VirtualCable, KeepsTheRadiosOrderPausesBreaksAndHangUp) {
    Faults faults;
    faults.replyFaults = {
        {ReplyFault::Delay, 1, 400}, {ReplyFault::Break, 2}, {ReplyFault::Split, 2, 2}};
    faults.hangUpAfter = 2;
    CableRig rig(faults, 0);
    // Both messages in one write: the second answer waits behind the delayed first.
    rig.cable.write(QByteArray("TQ-PROG") + QByteArray(1, 0x02));
    rig.clock.advance(5000);
    // 8 bytes arrive at 9 ms; then the pause of 400 ms, 2 ms per byte sent
    // alone, 3 ms for two, the split's pause and 7 ms for six.
    const std::vector<Heard> expected = {
        {9 + 400 + 2, QByteArray(1, 0x06)},
        {413, "break"},
        {415, QByteArray(1, char(0xFF))},
        {418, "VR"},
        {418 + Radio::SplitPauseMs + 7, QByteArray("Q71\x33\xFF\xFF", 6)},
        {430, "hang-up"},
    };
    EXPECT_EQ(rig.heard, expected);
    EXPECT_FALSE(rig.cable.isOpen());
    // Once the line is gone nothing crosses it.
    rig.cable.write(QByteArray(1, 0x06));
    rig.clock.advance(1000);
    EXPECT_EQ(rig.heard.size(), expected.size());
}

TEST(VirtualCable, ForgetsItsEventsWhenItGoes) {
    VirtualClock clock;
    Radio radio(RadioMemory::erased(0x33));
    int heard = 0;
    {
        VirtualCable cable(clock, radio, {[&](const QByteArray&) { ++heard; }, {}, {}});
        cable.write("TQ-PROG");
    }
    clock.advance(1000);
    EXPECT_EQ(heard, 0);
    EXPECT_FALSE(clock.pending());
}

} // namespace
