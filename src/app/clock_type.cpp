#include "app/clock_type.h"

ButtonTips ButtonTipsFor(ClockType t) {
  switch (t) {
    case ctCountdown: return {"Countdown to...", "Reset"};
    case ctUpTime: return {"", ""};
    case ctStopwatch: return {"Pause/Resume", "Reset"};
    case ctTimer: return {"Pause/Resume", "Set up Timer"};
    case ctClock:
    case ctAtomic:
    default: return {"Sync time", "See the time difference"};
  }
}
