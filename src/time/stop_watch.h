#pragma once
#include "time/date_time.h"
#include "time/wall_clock.h"

// Measures elapsed wall-clock time; can be paused, resumed and reset.
class TStopWatch {
 public:
  explicit TStopWatch(const WallClock& clock) : clock_(&clock) {}

  TDateTime GetElapsedTime();
  bool Running() const { return running_; }
  void SetRunning(bool running);
  TDateTime RunningTotal() const { return runningTotal_; }
  void SetRunningTotal(TDateTime total);
  TDateTime StartTime() const { return startTime_; }
  void SetStartTime(TDateTime start) { startTime_ = start; }

  void Start();
  void Stop();
  void Reset();

 private:
  void Update();

  const WallClock* clock_;
  bool running_ = false;
  TDateTime runningTotal_ = 0;
  TDateTime startTime_ = 0;
  TDateTime elapsed_ = 0;
};
