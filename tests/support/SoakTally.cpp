#include "SoakTally.h"

namespace q716::soak {

void SoakTally::add(const SessionPlan& plan, Outcome outcome, qint64 virtualMs,
                    bool startedInCountdown, int questions) {
    startedInCountdown_ += startedInCountdown;
    questions_ += questions;
    ++counts_[int(plan.mode)][int(outcome)];
    ++kinds_[int(plan.kind)];
    ++sessions_;
    virtualMs_ += virtualMs;
}

QString SoakTally::table() const {
    QString t = QStringLiteral("| Fault | Sessions |");
    for (int o = 0; o < OutcomeCount; ++o)
        t += QLatin1Char(' ') + outcomeName(Outcome(o)) + QStringLiteral(" |");
    t += QStringLiteral("\n|---|---:|");
    for (int o = 0; o < OutcomeCount; ++o)
        t += QStringLiteral("---:|");
    t += QLatin1Char('\n');
    for (int m = 0; m < FaultModeCount; ++m) {
        int total = 0;
        for (int n : counts_[m])
            total += n;
        t += QStringLiteral("| %1 | %2 |").arg(modeName(FaultMode(m))).arg(total);
        for (int n : counts_[m])
            t += QStringLiteral(" %1 |").arg(n);
        t += QLatin1Char('\n');
    }
    t += QStringLiteral("\n%1 sessions (%2 reads, %3 writes, %4 password changes, %5 of "
                        "them started during a countdown), %6 questions of the load answered, "
                        "%7 h of virtual time\n")
             .arg(sessions_)
             .arg(kinds_[0])
             .arg(kinds_[1])
             .arg(kinds_[2])
             .arg(startedInCountdown_)
             .arg(questions_)
             .arg(double(virtualMs_) / 3'600'000.0, 0, 'f', 1);
    return t;
}

} // namespace q716::soak
