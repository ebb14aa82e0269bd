#include "time/stop_watch.h"

TDateTime TStopWatch::GetElapsedTime() const { return running_ ? RunningElapsed() : elapsed_; }

void TStopWatch::SetRunning(bool running) {
  if (running) Start();
  else Stop();
}

void TStopWatch::SetRunningTotal(TDateTime total) {
  runningTotal_ = total;
  if (!running_) elapsed_ = total;
}

void TStopWatch::SetStartTime(TDateTime start) {
  startTime_ = start;
  // A local time from the settings: in UTC by the offset in force now.
  startUtc_ = start - (clock_->Now() - clock_->UtcNow());
}

TDateTime TStopWatch::RunningElapsed() const { return clock_->UtcNow() - startUtc_ + runningTotal_; }

void TStopWatch::StartNow() {
  startTime_ = clock_->Now();
  startUtc_ = clock_->UtcNow();
}

void TStopWatch::Start() {
  if (running_) return;
  running_ = true;
  StartNow();
}

void TStopWatch::Stop() {
  if (!running_) return;
  elapsed_ = runningTotal_ = RunningElapsed();
  running_ = false;
}

void TStopWatch::Reset() {
  runningTotal_ = 0;
  elapsed_ = 0;
  StartNow();
}
