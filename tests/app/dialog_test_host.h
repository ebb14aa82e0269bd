#pragma once
#include "app/clock_tick.h"

// The main window as the dialogs' commands see it: only the mode changes.
class DialogTestHost : public ClockHost {
 public:
  explicit DialogTestHost(ClockState& state) : state_(state) {}
  TDateTime DisplayedTime() override { return 0; }
  uint64_t UptimeMilliseconds() override { return 0; }
  bool WindowVisible() override { return true; }
  void ShowForAlarm() override {}
  void SetClockType(ClockType t) override { state_.FClockType = t; }
  void StartBeep() override {}
  void PlayChime() override {}
  void FaceChanged() override {}

 private:
  ClockState& state_;
};
