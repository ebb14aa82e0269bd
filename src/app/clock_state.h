#pragma once
#include <cstdint>
#include <string>

#include "app/clock_type.h"
#include "time/format_settings.h"
#include "time/stop_watch.h"

// Angles in degrees of the three hand layers; negative turns clockwise.
struct HandAngles {
  float hour = 0, minute = 0, second = 0;
};

// Check marks of the Settings submenu; each is checked by default.
struct ClockOptions {
  bool onTop = true;
  bool loadAtStartup = true;
  bool chimes = true;
  bool amPm = true;
};

// The main window's state, shared by the tick, the display, the mouse and the settings.
struct ClockState {
  explicit ClockState(const WallClock& clock) : StopWatch1(clock), swTimer(clock) {}

  ClockType FClockType = ctClock;
  TDateTime FCountdownTo = 0;
  TDateTime FTimerLength = 10.0 / 86400.0;
  bool FCountdownArmed = false;
  bool FTimerArmed = false;
  bool FDisplayArrows = true;
  int32_t FTimeZoneId = -1;
  // The zone's registry key name, saved beside the id: the id is a position in the
  // sorted list and names another zone once the operating system's zone set changes.
  std::string FTimeZoneKey;
  std::string FClockLabel = "Clock";
  std::string FSkinName = "royale";
  TDateTime FTimeDifference = 0;
  int16_t FLastMinute = 0;
  int32_t FDrawKey = -1;
  bool FTitleHot = false;
  bool FHandsHot = false;
  FormatSettings FFormatSettings;
  ClockOptions options;
  HandAngles hands;
  TStopWatch StopWatch1;
  TStopWatch swTimer;
};

// The mode changes only here; the window's button tips follow the mode once the message that
// changed it has been handled.
inline void SetClockType(ClockState& state, ClockType type) { state.FClockType = type; }
