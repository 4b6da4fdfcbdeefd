#pragma once
// The figures of a soak: how each fault mode's sessions ended.

#include "SoakPlan.h"

#include <QString>

#include <array>

namespace q716::soak {

class SoakTally {
  public:
    // startedInCountdown: a password change started during the countdown of
    // the success before it; questions: the load's questions answered.
    void add(const SessionPlan& plan, Outcome outcome, qint64 virtualMs, bool startedInCountdown,
             int questions);
    int questions() const { return questions_; }
    int sessions() const { return sessions_; }
    int count(FaultMode mode, Outcome outcome) const { return counts_[int(mode)][int(outcome)]; }
    // A table, one row per fault mode, and a line of totals.
    QString table() const;

  private:
    std::array<std::array<int, OutcomeCount>, FaultModeCount> counts_{};
    std::array<int, 3> kinds_{};
    int sessions_ = 0;
    int startedInCountdown_ = 0;
    int questions_ = 0;
    qint64 virtualMs_ = 0;
};

} // namespace q716::soak
