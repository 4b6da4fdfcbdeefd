#include "VirtualClock.h"

namespace q716sim {

VirtualClock::Id VirtualClock::schedule(qint64 delayMs, Event event) {
    const Id id = nextId_++;
    const qint64 due = now_ + qMax<qint64>(delayMs, 0);
    events_.emplace(Key{due, id}, std::move(event));
    dueOf_.emplace(id, due);
    return id;
}

void VirtualClock::cancel(Id id) {
    const auto it = dueOf_.find(id);
    if (it == dueOf_.end())
        return;
    events_.erase(Key{it->second, id});
    dueOf_.erase(it);
}

bool VirtualClock::runNext() {
    if (events_.empty())
        return false;
    auto it = events_.begin();
    const auto [due, id] = it->first;
    // Out of the queue before it runs: it may schedule, cancel or advance.
    Event event = std::move(it->second);
    events_.erase(it);
    dueOf_.erase(id);
    now_ = due;
    event();
    return true;
}

void VirtualClock::advanceTo(qint64 time) {
    while (!events_.empty() && nextDue() <= time)
        runNext();
    now_ = qMax(now_, time);
}

void VirtualTimer::start() {
    stop();
    arm();
}

void VirtualTimer::stop() {
    clock_.cancel(pending_);
    pending_ = 0;
}

void VirtualTimer::arm() {
    pending_ = clock_.schedule(interval_, [this] {
        // Armed again before the tick, so a tick that stops the timer stops it for good.
        arm();
        tick_();
    });
}

} // namespace q716sim
