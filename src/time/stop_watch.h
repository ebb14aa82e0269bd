#pragma once
#include "time/date_time.h"
#include "time/wall_clock.h"

// Measures elapsed wall-clock time; can be paused, resumed and reset. It counts on the clock's
// UTC, so daylight saving does not move it and setting the machine's clock does; StartTime
// keeps the local time the run began, as the settings store it.
class TStopWatch {
 public:
  explicit TStopWatch(const WallClock& clock) : clock_(&clock) {}

  TDateTime GetElapsedTime() const;
  bool Running() const { return running_; }
  void SetRunning(bool running);
  TDateTime RunningTotal() const { return runningTotal_; }
  void SetRunningTotal(TDateTime total);
  TDateTime StartTime() const { return startTime_; }
  void SetStartTime(TDateTime start);

  void Start();
  void Stop();
  void Reset();

 private:
  TDateTime RunningElapsed() const;
  void StartNow();

  const WallClock* clock_;
  bool running_ = false;
  TDateTime runningTotal_ = 0;
  TDateTime startTime_ = 0;
  TDateTime startUtc_ = 0;  // the same moment in UTC, which the elapsed time is counted from
  TDateTime elapsed_ = 0;
};
