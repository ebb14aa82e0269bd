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

// A tick, and the texts of the frame when it redraws.
void Tick(ClockState& state, const StillClock& clock) {
  if (ClockTick(state, {clock.now, 123456789}).faceChanged)
    benchmark::DoNotOptimize(ComputeDisplayTexts(state, clock.now, 123456789));
}

void BM_TickWithoutRedraw(benchmark::State& st) {
  StillClock clock;
  ClockState state(clock);
  Tick(state, clock);  // the first tick draws
  for (auto _ : st) Tick(state, clock);
}
BENCHMARK(BM_TickWithoutRedraw);

void BM_TickWithRedraw(benchmark::State& st) {
  StillClock clock;
  ClockState state(clock);
  for (auto _ : st) {
    state.FDrawKey = -1;
    Tick(state, clock);
  }
}
BENCHMARK(BM_TickWithRedraw);

}  // namespace

BENCHMARK_MAIN();
