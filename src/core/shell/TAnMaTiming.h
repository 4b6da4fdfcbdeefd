#pragma once
// The hidden toolbar button "TAnMa": two presses less than a second apart
// leave the service mode the optional-functions gesture entered.

#include <functional>

namespace q716 {

// Seconds since midnight with their fraction; injectable for tests.
using TimeOfDayClock = std::function<double()>;
TimeOfDayClock systemTimeOfDay();

class TAnMaTiming {
  public:
    // True when this press completes a double press. The first press stores
    // the time rounded to whole seconds; a press at least one second after
    // the stored time starts the timing again.
    bool press(double now);
    int stamp() const { return stamp_; }

  private:
    int stamp_ = 0; // whole seconds since midnight, 0 = none
};

} // namespace q716
