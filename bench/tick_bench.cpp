// One 100 ms clock tick: the usual tick that finds the redraw key unchanged, and one that
// redraws (the mode's texts; composing the frame is measured by compose_bench).
#include <benchmark/benchmark.h>

#include "app/clock_tick.h"
#include "app/display_texts.h"

namespace {

class StillClock : public WallClock {
 public:
  TDateTime Now() const override { return now; }
  TDateTime UtcNow() const override { return Now(); }
  TDateTime now = 46364.42258;
};

class BenchHost : public ClockHost {
 public:
  BenchHost(ClockState& state, StillClock& clock) : state_(state), clock_(clock) {}
  TDateTime DisplayedTime() override { return clock_.now; }
  uint64_t UptimeMilliseconds() override { return 123456789; }
  bool WindowVisible() override { return true; }
  void ShowForAlarm() override {}
  void SetClockType(ClockType t) override { state_.FClockType = t; }
  void StartBeep() override {}
  void PlayChime() override {}
  void FaceChanged() override { benchmark::DoNotOptimize(ComputeDisplayTexts(state_, clock_.now, 123456789)); }

 private:
  ClockState& state_;
  StillClock& clock_;
};

void BM_TickWithoutRedraw(benchmark::State& st) {
  StillClock clock;
  ClockState state(clock);
  BenchHost host(state, clock);
  Timer1Timer(state, host);  // the first tick draws
  for (auto _ : st) Timer1Timer(state, host);
}
BENCHMARK(BM_TickWithoutRedraw);

void BM_TickWithRedraw(benchmark::State& st) {
  StillClock clock;
  ClockState state(clock);
  BenchHost host(state, clock);
  for (auto _ : st) {
    state.FDrawKey = -1;
    Timer1Timer(state, host);
  }
}
BENCHMARK(BM_TickWithRedraw);

}  // namespace

BENCHMARK_MAIN();
