#pragma once
#include <cstdint>

#include "app/clock_state.h"

// What a tick reads of the state besides the time. While it stays as a tick left it, that
// tick's quiet holds.
struct TickQuietKey {
  ClockType mode = ctClock;
  int32_t drawKey = -1;
  int16_t lastMinute = 0;
  bool chimes = false;
  int32_t zoneId = -1;
  TDateTime countdownTo = 0;
  bool countdownArmed = false;
  TDateTime timerLength = 0;
  bool timerArmed = false;
  bool timerRunning = false;
  TDateTime timerElapsed = 0;
};
bool operator==(const TickQuietKey& a, const TickQuietKey& b);
TickQuietKey QuietKeyOf(const ClockState& state);

// The Timer1 ticks that need not read the wall clock. A tick that leaves the state quiet for
// some milliseconds (nothing any tick decides can change before the next whole second) lets
// the ticks that the uptime counter puts well inside them pass without the time: the counter
// is read from memory, while the wall clock is a call into the system under some platforms,
// ten times a second. The margin covers the counter's steps (up to 16 ms on Windows) and a
// counter that lags the wall clock by a message's delay.
class QuietTicks {
 public:
  static constexpr int kMarginMs = 40;

  // After a tick that read the time and left the state quiet for `quietMs` (0: not quiet).
  void Saw(const ClockState& state, int quietMs, uint64_t uptimeMs);
  // Whether the tick at `uptimeMs` cannot change anything.
  bool Quiet(const ClockState& state, uint64_t uptimeMs) const;
  // The wall clock or its zone may have moved: the next tick reads the time.
  void Forget() { quietMs_ = 0; }

 private:
  TickQuietKey key_;
  uint64_t since_ = 0;
  int quietMs_ = 0;
};
