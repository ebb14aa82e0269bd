#pragma once
#include <cstdint>

#include "time/local_time_bias.h"
#include "time/tick_counter.h"
#include "time/wall_clock.h"

// The machine's local time, as GetLocalTime gives it, its UTC from GetSystemTime. The local
// time is the UTC with the zone's bias, which is converted anew each second: the clock asks
// for the time ten times a second.
class LocalWallClock : public WallClock {
 public:
  TDateTime Now() const override;
  TDateTime UtcNow() const override;
  // The machine's zone or its rules may have changed.
  void ZoneMayHaveChanged() { bias_.Forget(); }

 private:
  mutable LocalTimeBias bias_;
};

// Milliseconds since the system started, 64-bit where the system offers it.
class UptimeCounter {
 public:
  UptimeCounter();
  uint64_t Milliseconds();

 private:
  using TickCount64Fn = unsigned long long(__stdcall*)();
  TickCount64Fn tickCount64_ = nullptr;
  TickExtender extender_;
};
