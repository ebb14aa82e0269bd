#pragma once
#include <cstdint>

#include "app/clock_state.h"

// What the tick needs from the main window.
class ClockHost {
 public:
  virtual ~ClockHost() = default;
  virtual TDateTime DisplayedTime() = 0;
  virtual uint64_t UptimeMilliseconds() = 0;
  virtual bool WindowVisible() = 0;
  // Countdown or timer end while hidden: show normally, to the foreground, fade in.
  virtual void ShowForAlarm() = 0;
  virtual void SetClockType(ClockType type) = 0;
  virtual void StartBeep() = 0;
  virtual void PlayChime() = 0;
  virtual void FaceChanged() = 0;
};

HandAngles HandAnglesFrom(TDateTime value);
TDateTime UptimeValue(uint64_t milliseconds);
bool CountdownPassed(const ClockState& state, TDateTime now);

// One 100 ms tick: alarms, the mode's redraw key and the hourly chime.
void Timer1Timer(ClockState& state, ClockHost& host);
