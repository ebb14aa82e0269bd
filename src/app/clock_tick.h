#pragma once
#include <cstdint>

#include "app/clock_state.h"

HandAngles HandAnglesFrom(TDateTime value);
TDateTime UptimeValue(uint64_t milliseconds);
bool CountdownPassed(const ClockState& state, TDateTime now);

// What one tick sees of the machine.
struct TickInputs {
  TDateTime now = 0;          // the displayed time (of the chosen zone)
  uint64_t uptimeMs = 0;      // what the UpTime mode shows
};

// What the window does after a tick, in this order. An alarm reveals a hidden clock (shown
// normally, in front, fading in); the window asks whether it is hidden only then.
struct TickOutcome {
  int beeps = 0;              // each alarm of the tick starts the beep
  bool chime = false;         // the full hour strikes
  bool faceChanged = false;
  // How long after the tick's time no tick can change anything while the state stays as this
  // one left it: in the Clock mode with no alarm to come, until the next whole second, when
  // the face's key and the chime's minute change (zones differ by whole minutes, and daylight
  // saving changes fall on whole seconds). 0 where the next tick must look.
  int quietMs = 0;
};

// One 100 ms tick of Timer1: the countdown's and the timer's alarms (which switch the mode),
// the mode's redraw key and the hourly chime.
TickOutcome ClockTick(ClockState& state, const TickInputs& in);
