#pragma once
#include <cstdint>

// The display mode; saved as the settings value "ClockType".
enum ClockType : uint8_t {
  ctClock = 0,
  ctCountdown = 1,
  ctUpTime = 2,
  ctStopwatch = 3,
  ctTimer = 4,
  ctAtomic = 5,  // network time difference; entered only by the network-time commands
};

constexpr int kClockTypeCount = 6;

inline bool IsClockType(int value) { return value >= 0 && value < kClockTypeCount; }

// The title click's cycle: Clock, Countdown, UpTime, Stopwatch, Timer, Clock; Atomic leaves to Clock.
inline ClockType NextClockType(ClockType t) {
  return t >= ctTimer ? ctClock : static_cast<ClockType>(t + 1);
}
