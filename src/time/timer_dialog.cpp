#include "time/timer_dialog.h"

TDateTime DurationShown(TDateTime pickerValue) {
  const DateTimeFields f = DecodeDateTime(pickerValue);
  return EncodeTime(f.hour, f.minute, f.second, f.millisecond).value_or(0);
}

void ApplyTimerDialog(ClockState& state, ClockHost& host, const TimerDialogResult& result) {
  state.swTimer.Reset();
  state.FTimerLength = result.duration;
  if (result.autoStart) state.swTimer.Start();
  host.SetClockType(ctTimer);
}
