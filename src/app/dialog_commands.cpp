#include "app/dialog_commands.h"

void ApplyCountdownTarget(ClockState& state, ClockHost& host, TDateTime target) {
  state.FCountdownTo = target;
  host.SetClockType(ctCountdown);
}

void ApplyTimerDialog(ClockState& state, ClockHost& host, const TimerDialogResult& result) {
  state.swTimer.Reset();
  state.FTimerLength = result.duration;
  if (result.autoStart) state.swTimer.Start();
  host.SetClockType(ctTimer);
}

void ApplyWorldClock(ClockState& state, ClockHost& host, const TQvRegistryTimeZones& zones,
                     const WorldClockChoice& choice) {
  const auto zone = zones.ZoneByIndex(choice.zoneId);
  state.FTimeZoneId = zone ? choice.zoneId : -1;
  state.FTimeZoneKey = zone ? zone->keyName : std::string();
  state.FClockLabel = choice.label;
  host.SetClockType(ctClock);
}
