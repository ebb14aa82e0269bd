#pragma once
#include <cstdint>

#include "app/clock_state.h"

HandAngles HandAnglesFrom(TDateTime value);
TDateTime UptimeValue(uint64_t milliseconds);
bool CountdownPassed(const ClockState& state, TDateTime now);

// What one tick sees of the window and the machine.
struct TickInputs {
  TDateTime now = 0;          // the displayed time (of the chosen zone)
  uint64_t uptimeMs = 0;      // what the UpTime mode shows
  bool windowVisible = true;
};

// What the window does after a tick, in this order.
struct TickOutcome {
  bool revealWindow = false;  // an alarm while hidden: shown normally, in front, fading in
  int beeps = 0;              // each alarm of the tick starts the beep
  bool chime = false;         // the full hour strikes
  bool faceChanged = false;
};

// One 100 ms tick of Timer1: the countdown's and the timer's alarms (which switch the mode),
// the mode's redraw key and the hourly chime.
TickOutcome ClockTick(ClockState& state, const TickInputs& in);
