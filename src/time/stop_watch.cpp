#include "time/stop_watch.h"

TDateTime TStopWatch::GetElapsedTime() {
  if (running_) Update();
  return elapsed_;
}

void TStopWatch::SetRunning(bool running) {
  if (running) Start();
  else Stop();
}

void TStopWatch::SetRunningTotal(TDateTime total) {
  runningTotal_ = total;
  if (!running_) elapsed_ = total;
}

void TStopWatch::Update() { elapsed_ = clock_->Now() - startTime_ + runningTotal_; }

void TStopWatch::Start() {
  if (running_) return;
  running_ = true;
  startTime_ = clock_->Now();
}

void TStopWatch::Stop() {
  if (!running_) return;
  Update();
  runningTotal_ = elapsed_;
  running_ = false;
}

void TStopWatch::Reset() {
  runningTotal_ = 0;
  elapsed_ = 0;
  startTime_ = clock_->Now();
}
