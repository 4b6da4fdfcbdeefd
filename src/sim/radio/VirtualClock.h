#pragma once
// Time for tests that must not wait: "now" in milliseconds, moved on only by
// the test, and the events due at given times. Events run in time order, those
// due at the same millisecond in the order they were scheduled, so a run is
// the same every time. An event may schedule, cancel and even move the clock
// on itself (a message box answered while events keep coming).

#include <QtGlobal>

#include <functional>
#include <map>
#include <utility>

namespace q716sim {

class VirtualClock {
  public:
    using Event = std::function<void()>;
    using Id = quint64;

    qint64 now() const { return now_; }

    // Runs `event` `delayMs` from now (at once on the next run when 0).
    Id schedule(qint64 delayMs, Event event);
    // Forgets an event that has not run yet; an unknown id is ignored.
    void cancel(Id id);

    // Runs every event due until now + ms, moving now along with them.
    void advance(qint64 ms) { advanceTo(now_ + ms); }
    void advanceTo(qint64 time);
    // Runs the next event, moving now to its time; false when none waits.
    bool runNext();
    bool pending() const { return !events_.empty(); }
    // When the next event is due; only meaningful while one is pending.
    qint64 nextDue() const { return events_.begin()->first.first; }

  private:
    using Key = std::pair<qint64, Id>; // due time, then scheduling order
    std::map<Key, Event> events_;
    std::map<Id, qint64> dueOf_;
    qint64 now_ = 0;
    Id nextId_ = 1;
};

// A repeating timer on a VirtualClock, started and stopped like a QTimer: it
// ticks every interval after its last start until it is stopped.
class VirtualTimer {
  public:
    VirtualTimer(VirtualClock& clock, int intervalMs, std::function<void()> tick)
        : clock_(clock), interval_(intervalMs), tick_(std::move(tick)) {}
    ~VirtualTimer() { stop(); }
    VirtualTimer(const VirtualTimer&) = delete;
    VirtualTimer& operator=(const VirtualTimer&) = delete;

    void start();
    void stop();
    bool isActive() const { return pending_ != 0; }
    int interval() const { return interval_; }

  private:
    void arm();

    VirtualClock& clock_;
    int interval_;
    std::function<void()> tick_;
    VirtualClock::Id pending_ = 0;
};

} // namespace q716sim
