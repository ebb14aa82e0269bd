#pragma once
#include "app/clock_tick.h"
#include "time/date_time.h"
#include "time/timer_dialog.h"
#include "time/world_clock_dialog.h"
#include "time/zone_list.h"

// What the main window does with a dialog closed by OK.

// SetCountdown1Click after OK: the new target, the Countdown mode.
void ApplyCountdownTarget(ClockState& state, ClockHost& host, TDateTime target);

// imer2Click after OK, in this order: reset swTimer, take the duration, start the
// timer when Auto Start is ticked, switch to the Timer mode. Reset keeps a running
// timer running, so its count restarts from the new duration at once.
void ApplyTimerDialog(ClockState& state, ClockHost& host, const TimerDialogResult& result);

// WorldClock1Click after OK: the zone (and its registry key name, saved beside the id),
// the label, and the Clock mode.
void ApplyWorldClock(ClockState& state, ClockHost& host, const TQvRegistryTimeZones& zones,
                     const WorldClockChoice& choice);
