#pragma once
#include <cstdint>

#include "time/tick_counter.h"
#include "time/wall_clock.h"

// The machine's local time from GetLocalTime, its UTC from GetSystemTime.
class LocalWallClock : public WallClock {
 public:
  TDateTime Now() const override;
  TDateTime UtcNow() const override;
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
