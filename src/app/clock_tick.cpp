#include "app/clock_tick.h"

HandAngles HandAnglesFrom(TDateTime value) {
  const DateTimeFields f = DecodeDateTime(value);
  const float h = static_cast<float>(f.hour), m = static_cast<float>(f.minute),
              s = static_cast<float>(f.second);
  return {-((m / 60.0f + h) * 360.0f / 12.0f), -((s / 60.0f + m) * 360.0f / 60.0f), -(s * 6.0f)};
}

TDateTime UptimeValue(uint64_t milliseconds) { return static_cast<double>(milliseconds) / kMsPerDay; }

bool CountdownPassed(const ClockState& state, TDateTime now) { return state.FCountdownTo < now; }

namespace {

// v's fields are given: the clock's time is decoded once a tick, for its key and the chime.
void RedrawOnSecondKey(ClockState& state, TickOutcome& out, TDateTime v, const DateTimeFields& fields) {
  const int32_t key = static_cast<int32_t>(SecondOfYear(v, fields));
  if (state.FDrawKey < 0 || key != state.FDrawKey) {
    state.hands = HandAnglesFrom(v);
    out.faceChanged = true;
    state.FDrawKey = key;
  }
}

void RedrawOnMillisecondKey(ClockState& state, TickOutcome& out, TDateTime v) {
  const int32_t key = DecodeDateTime(v).millisecond / 90;
  if (key != state.FDrawKey) {
    state.hands = HandAnglesFrom(v);
    out.faceChanged = true;
    state.FDrawKey = key;
  }
}

void Alarm(ClockState& state, TickOutcome& out, ClockType mode) {
  SetClockType(state, mode);
  ++out.beeps;
}

}  // namespace

TickOutcome ClockTick(ClockState& state, const TickInputs& in) {
  TickOutcome out;
  const TDateTime now = in.now;
  const DateTimeFields nowFields = DecodeDateTime(now);

  if (state.FCountdownArmed && now >= state.FCountdownTo) {
    state.FCountdownArmed = false;
    Alarm(state, out, ctCountdown);
  }
  state.FCountdownArmed = now < state.FCountdownTo;

  switch (state.FClockType) {
    case ctClock: RedrawOnSecondKey(state, out, now, nowFields); break;
    case ctUpTime: {
      const TDateTime up = UptimeValue(in.uptimeMs);
      RedrawOnSecondKey(state, out, up, DecodeDateTime(up));
      break;
    }
    case ctStopwatch: RedrawOnMillisecondKey(state, out, state.StopWatch1.GetElapsedTime()); break;
    case ctTimer: RedrawOnMillisecondKey(state, out, state.FTimerLength - state.swTimer.GetElapsedTime()); break;
    default: break;
  }

  if (state.FTimerArmed && state.swTimer.GetElapsedTime() >= state.FTimerLength) {
    state.swTimer.Stop();
    state.FTimerArmed = false;
    Alarm(state, out, ctTimer);
  }
  state.FTimerArmed = state.swTimer.GetElapsedTime() < state.FTimerLength;

  if (state.FClockType == ctCountdown) {
    const int64_t key = WholeSecondsBetween(state.FCountdownTo, now);
    if (key != static_cast<int64_t>(state.FDrawKey)) {
      const int64_t days = WholeDaysBetween(state.FCountdownTo, now);
      // A passed countdown stands at zero.
      state.hands = CountdownPassed(state, now) ? HandAngles{}
                                                : HandAnglesFrom(state.FCountdownTo - (now + static_cast<double>(days)));
      out.faceChanged = true;
      state.FDrawKey = static_cast<int32_t>(key);
    }
  }

  // The minute is remembered before the chime plays, so a chime that fails is not
  // retried (and reported) at every tick of minute 0.
  const int16_t minute = static_cast<int16_t>(nowFields.minute);
  out.chime = minute != state.FLastMinute && minute == 0 && state.options.chimes;
  state.FLastMinute = minute;

  // A countdown to come or a running timer may ring at any millisecond.
  if (state.FClockType == ctClock && !state.FCountdownArmed && !state.swTimer.Running())
    out.quietMs = 1000 - nowFields.millisecond;
  return out;
}
