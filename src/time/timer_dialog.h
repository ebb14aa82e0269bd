#pragma once
#include "app/clock_tick.h"
#include "time/date_time.h"

// What frmTimer gives back on OK.
struct TimerDialogResult {
  TDateTime duration = 0;
  bool autoStart = true;
};

// GetDuration: day 0 plus the time of day dtpTime shows, a fraction of a day.
TDateTime DurationShown(TDateTime pickerValue);

// imer2Click after OK, in this order: reset swTimer, take the duration, start the
// timer when Auto Start is ticked, switch to the Timer mode. Reset keeps a running
// timer running, so its count restarts from the new duration at once.
void ApplyTimerDialog(ClockState& state, ClockHost& host, const TimerDialogResult& result);
