// DisplayedTime with a world zone, as every 100 ms tick asks for it: the machine's local
// time to UTC and on into the chosen zone, both with daylight saving. "Uncached" works out
// each year's transitions at every call, as the conversions did before the zones kept them.
#include <benchmark/benchmark.h>

#include "time/fake_zone_source.h"
#include "time/world_time.h"
#include "time/zone_rules.h"

namespace {

class SteadyMachineZone : public MachineZone {
 public:
  ZoneInformation Current() override { return zone; }
  ZoneInformation zone = NorthernZone();
};

ZoneInformation Sydney() { return SouthernZone(); }

// 12 July 2026 14:05:30.2, advanced by one tick per call.
constexpr TDateTime kStart = 46215.58715;
constexpr TDateTime kTick = 0.1 / 86400;

void BM_DisplayedTimeCached(benchmark::State& st) {
  FakeZoneSource source;
  source.Add("AUS Eastern Standard Time", "(GMT+10:00) Canberra, Melbourne, Sydney", Sydney());
  const TQvRegistryTimeZones zones(source);
  SteadyMachineZone machine;
  WorldTime world(zones, machine);
  TDateTime local = kStart;
  for (auto _ : st) {
    benchmark::DoNotOptimize(world.DisplayedTime(0, local));
    local += kTick;
  }
}
BENCHMARK(BM_DisplayedTimeCached);

void BM_DisplayedTimeUncached(benchmark::State& st) {
  const ZoneInformation machine = NorthernZone(), zone = Sydney();
  TDateTime local = kStart;
  for (auto _ : st) {
    benchmark::DoNotOptimize(ZoneUtcToLocal(zone, ZoneLocalToUtc(machine, true, local)));
    local += kTick;
  }
}
BENCHMARK(BM_DisplayedTimeUncached);

}  // namespace

BENCHMARK_MAIN();
