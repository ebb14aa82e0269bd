#include "app/quiet_ticks.h"

TickQuietKey QuietKeyOf(const ClockState& state) {
  TickQuietKey key;
  key.mode = state.FClockType;
  key.drawKey = state.FDrawKey;
  key.lastMinute = state.FLastMinute;
  key.chimes = state.options.chimes;
  key.zoneId = state.FTimeZoneId;
  key.countdownTo = state.FCountdownTo;
  key.countdownArmed = state.FCountdownArmed;
  key.timerLength = state.FTimerLength;
  key.timerArmed = state.FTimerArmed;
  key.timerRunning = state.swTimer.Running();
  // A running timer's elapsed time reads the clock, and a running timer is never quiet.
  key.timerElapsed = key.timerRunning ? 0.0 : state.swTimer.GetElapsedTime();
  return key;
}

bool operator==(const TickQuietKey& a, const TickQuietKey& b) {
  return a.mode == b.mode && a.drawKey == b.drawKey && a.lastMinute == b.lastMinute && a.chimes == b.chimes &&
         a.zoneId == b.zoneId && a.countdownTo == b.countdownTo && a.countdownArmed == b.countdownArmed &&
         a.timerLength == b.timerLength && a.timerArmed == b.timerArmed && a.timerRunning == b.timerRunning &&
         a.timerElapsed == b.timerElapsed;
}

void QuietTicks::Saw(const ClockState& state, int quietMs, uint64_t uptimeMs) {
  key_ = QuietKeyOf(state);
  since_ = uptimeMs;
  quietMs_ = quietMs;
}

bool QuietTicks::Quiet(const ClockState& state, uint64_t uptimeMs) const {
  return quietMs_ > 0 && uptimeMs >= since_ && uptimeMs - since_ + kMarginMs < static_cast<uint64_t>(quietMs_) &&
         QuietKeyOf(state) == key_;
}
