#include "time/zone_converter.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/date_at.h"
#include "time/zone_test_zones.h"

namespace {

constexpr double kMs = 1.0 / 86400000.0;

struct NamedZone {
  const char* name;
  ZoneInformation zone;
};

std::vector<NamedZone> Zones() {
  ZoneInformation tokyo;
  tokyo.Bias = -540;
  ZoneInformation broken = NorthernZone();
  broken.StandardDate.wDay = 6;
  ZoneInformation absolute = NorthernZone();  // a one-off rule of 2024 only
  absolute.DaylightDate = YearlyRule(3, 31, 0, 1);
  absolute.DaylightDate.wYear = 2024;
  ZoneInformation lateNewYear = NorthernZone();  // daylight time ends at New Year's Eve midnight
  lateNewYear.StandardDate = YearlyRule(12, 5, 2, 23);
  lateNewYear.StandardDate.wMinute = 59;
  return {{"north", NorthernZone()}, {"south", SouthernZone()}, {"no daylight saving", tokyo},
          {"broken rule", broken},   {"absolute rule", absolute}, {"change at year end", lateNewYear}};
}

// Moments that probe the year kept: changes, New Years to the millisecond, dates
// before day 0 and beyond the calendar, and years taken in turn.
std::vector<TDateTime> Moments() {
  std::vector<TDateTime> m;
  for (int year : {2023, 2024, 2025})
    for (int h = 0; h < 366 * 24; h += 7) m.push_back(At(year, 1, 1) + h / 24.0);
  for (TDateTime change : {At(2024, 3, 31, 1), At(2024, 3, 31, 2), At(2024, 10, 27, 1), At(2024, 10, 27, 2),
                           At(2024, 4, 7, 3), At(2024, 10, 6, 2)})
    for (double ms : {-1000.0, -0.2, -0.05, 0.0, 0.05, 0.2, 1000.0}) m.push_back(change + ms * kMs);
  for (int year : {1900, 2024, 2025, 9999})
    for (double ms : {-1.5, -1.0, -0.6, -0.5, -0.4, -0.01, 0.0, 0.01, 0.4, 0.5, 1.0}) {
      if (const auto newYear = EncodeDate(year, 1, 1)) m.push_back(*newYear + ms * kMs);
    }
  for (TDateTime t : {At(2024, 12, 31, 23, 59, 59, 999), At(2025, 1, 1), At(2024, 12, 31, 23, 59, 59, 999),
                      At(2023, 6, 1), At(2024, 6, 1), At(2023, 6, 2)})
    m.push_back(t);
  // Before day 0 the fraction counts away from zero, so -363.5 is noon of 1 January 1899.
  for (TDateTime t = -1100.3; t < 5; t += 0.7) m.push_back(t);
  for (TDateTime t : {-0.5, -1.25, -700.25, -363.5, -364.75, -365.0, 2958465.9999999, 2958466.5, 1e9})
    m.push_back(t);
  return m;
}

}  // namespace

// The kept year must never change an answer: every result equals the uncached one bit for bit.
TEST(ZoneConverter, GivesTheUncachedResultsToTheBit) {
  const std::vector<TDateTime> moments = Moments();
  for (const NamedZone& z : Zones()) {
    ZoneConverter converter(z.zone);
    for (TDateTime t : moments) {
      EXPECT_EQ(converter.UtcToLocal(t), ZoneUtcToLocal(z.zone, t)) << z.name << " UTC " << t;
      EXPECT_EQ(converter.LocalToUtc(true, t), ZoneLocalToUtc(z.zone, true, t)) << z.name << " local " << t;
      EXPECT_EQ(converter.LocalToUtc(false, t), ZoneLocalToUtc(z.zone, false, t)) << z.name << " local " << t;
    }
  }
}

TEST(ZoneConverter, AMomentThatRoundsIntoTheNextYearTakesThatYearsRules) {
  // Daylight time from the first Wednesday of January at midnight: 1 January in 2025,
  // 3 January in 2024.
  ZoneInformation z = NorthernZone();
  z.DaylightDate = YearlyRule(1, 1, 3, 0);
  z.StandardDate = YearlyRule(2, 1, 0, 2);
  ZoneConverter converter(z);
  const TDateTime newYear = At(2025, 1, 1);
  EXPECT_DOUBLE_EQ(converter.UtcToLocal(At(2024, 12, 15)), At(2024, 12, 15));  // keeps 2024
  EXPECT_DOUBLE_EQ(converter.UtcToLocal(newYear - 0.6 * kMs), newYear - 0.6 * kMs);
  EXPECT_DOUBLE_EQ(converter.UtcToLocal(newYear - 0.05 * kMs), newYear - 0.05 * kMs + 1.0 / 24);
  EXPECT_DOUBLE_EQ(converter.UtcToLocal(At(2024, 12, 15)), At(2024, 12, 15));
}
