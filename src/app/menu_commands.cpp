#include "app/menu_commands.h"

#include "skin/skin_scan.h"

void ApplyCountdownTarget(ClockState& state, TDateTime target) {
  state.FCountdownTo = target;
  SetClockType(state, ctCountdown);
}

void ApplyTimerDialog(ClockState& state, const TimerDialogResult& result) {
  state.swTimer.Reset();
  state.FTimerLength = result.duration;
  if (result.autoStart) state.swTimer.Start();
  SetClockType(state, ctTimer);
}

void ApplyWorldClock(ClockState& state, const TQvRegistryTimeZones& zones,
                     const WorldClockChoice& choice) {
  const auto zone = zones.ZoneByIndex(choice.zoneId);
  state.FTimeZoneId = zone ? choice.zoneId : -1;
  state.FTimeZoneKey = zone ? zone->keyName : std::string();
  state.FClockLabel = choice.label;
  SetClockType(state, ctClock);
}

std::string ShowStartupSkin(ClockState& state, const std::vector<std::string>& installed, const SkinLoad& load) {
  const StartupSkin shown = LoadStartupSkin(state.FSkinName, installed, load);
  state.FSkinName = shown.name;
  return shown.problems;
}

bool ShowSkinOfItem(ClockState& state, const std::vector<std::string>& skinNames, size_t index, const SkinLoad& load) {
  if (index >= skinNames.size()) return false;
  load(skinNames[index]);
  state.FSkinName = skinNames[index];
  state.FDrawKey = -1;  // the new face is drawn whole at once
  return true;
}
