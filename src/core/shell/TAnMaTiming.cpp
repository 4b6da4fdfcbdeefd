#include "shell/TAnMaTiming.h"

#include <QTime>
#include <cmath>

namespace q716 {

TimeOfDayClock systemTimeOfDay() {
    return [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
}

bool TAnMaTiming::press(double now) {
    if (stamp_ != 0 && now - stamp_ < 1.0) {
        stamp_ = 0;
        return true;
    }
    stamp_ = int(std::lround(now));
    return false;
}

} // namespace q716
