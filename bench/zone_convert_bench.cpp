// DisplayedTime with a world zone, as every 100 ms tick asks for it: the machine's UTC into
// the chosen zone, with daylight saving. "Uncached" works out each year's transitions at every
// call, as the conversions did before the zones kept them.
#include <benchmark/benchmark.h>

#include "time/fake_zone_source.h"
#include "time/world_time.h"
#include "time/zone_rules.h"

namespace {

ZoneInformation Sydney() { return SouthernZone(); }

// 12 July 2026 14:05:30.2, advanced by one tick per call.
constexpr TDateTime kStart = 46215.58715;
constexpr TDateTime kTick = 0.1 / 86400;

// A clock that moves one tick at each reading.
class TickingClock : public WallClock {
 public:
  TDateTime Now() const override { return UtcNow(); }
  TDateTime UtcNow() const override { return utc_ += kTick; }

 private:
  mutable TDateTime utc_ = kStart;
};

void BM_DisplayedTimeCached(benchmark::State& st) {
  FakeZoneSource source;
  source.Add("AUS Eastern Standard Time", "(GMT+10:00) Canberra, Melbourne, Sydney", Sydney());
  const TQvRegistryTimeZones zones(source);
  WorldTime world(zones);
  const TickingClock clock;
  for (auto _ : st) benchmark::DoNotOptimize(world.DisplayedTime(0, clock));
}
BENCHMARK(BM_DisplayedTimeCached);

void BM_DisplayedTimeUncached(benchmark::State& st) {
  const ZoneInformation zone = Sydney();
  TDateTime utc = kStart;
  for (auto _ : st) {
    benchmark::DoNotOptimize(ZoneUtcToLocal(zone, utc));
    utc += kTick;
  }
}
BENCHMARK(BM_DisplayedTimeUncached);

}  // namespace

BENCHMARK_MAIN();
