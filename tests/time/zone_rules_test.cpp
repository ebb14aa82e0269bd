#include "time/zone_rules.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/date_at.h"
#include "time/zone_test_zones.h"

namespace {

constexpr double kHour = 1.0 / 24;
constexpr double kMs = 1.0 / 86400000.0;

}  // namespace

TEST(ZoneRules, TransitionDatesOfYearlyRules) {
  const struct {
    int year, month, occurrence, weekday, wantDay;
  } cases[] = {
      {2024, 3, 5, 0, 31},   // 31 March is a Sunday
      {2025, 3, 5, 0, 30},   // 31 March is a Monday
      {2024, 9, 1, 0, 1},    // month starts on a Sunday
      {2024, 7, 1, 0, 7},    // month starts on a Monday
      {2024, 3, 2, 0, 10},   // second Sunday
      {2024, 11, 4, 4, 28},  // fourth Thursday
      {2024, 2, 5, 4, 29},   // last Thursday of a leap February
      {2024, 2, 5, 6, 24},
      {2023, 2, 5, 2, 28},   // last Tuesday, common year
      {2023, 2, 4, 2, 28},   // the fourth occurrence is also the last
  };
  for (const auto& c : cases) {
    SystemTimeRule r = YearlyRule(c.month, c.occurrence, c.weekday, 2);
    r.wMinute = 30;
    const auto t = RuleTransition(r, c.year);
    ASSERT_TRUE(t) << c.year << "/" << c.month;
    EXPECT_DOUBLE_EQ(*t, At(c.year, c.month, c.wantDay, 2, 30)) << c.year << "/" << c.month;
  }
}

TEST(ZoneRules, AbsoluteRulesKeepTheirOwnDate) {
  SystemTimeRule r = YearlyRule(3, 31, 0, 1);
  r.wYear = 2024;
  EXPECT_DOUBLE_EQ(RuleTransition(r, 2030).value(), At(2024, 3, 31, 1));
}

TEST(ZoneRules, BrokenRulesHaveNoTransition) {
  SystemTimeRule hour24 = YearlyRule(3, 5, 0, 24);
  SystemTimeRule absoluteApril31 = YearlyRule(4, 31, 0, 1);
  absoluteApril31.wYear = 2024;
  const SystemTimeRule cases[] = {
      YearlyRule(0, 5, 0, 1),  YearlyRule(13, 5, 0, 1), YearlyRule(3, 0, 0, 1),
      YearlyRule(3, 6, 0, 1),  YearlyRule(3, 5, 7, 1),  hour24, absoluteApril31,
  };
  for (const SystemTimeRule& r : cases)
    EXPECT_FALSE(RuleTransition(r, 2024)) << r.wYear << "/" << r.wMonth << "/" << r.wDay << " "
                                          << r.wDayOfWeek << " " << r.wHour;
}

TEST(ZoneRules, TransitionsOfYearNeedBothRules) {
  const auto t = TransitionsOfYear(NorthernZone(), 2024);
  ASSERT_TRUE(t);
  EXPECT_DOUBLE_EQ(t->start, At(2024, 3, 31, 1));
  EXPECT_DOUBLE_EQ(t->end, At(2024, 10, 27, 2));
  EXPECT_EQ(t->std, 0);
  EXPECT_EQ(t->dst, -60);

  ZoneInformation noStandard = NorthernZone();
  noStandard.StandardDate.wMonth = 0;
  EXPECT_FALSE(TransitionsOfYear(noStandard, 2024));
  ZoneInformation badTime = NorthernZone();
  badTime.DaylightDate.wMinute = 60;
  EXPECT_FALSE(TransitionsOfYear(badTime, 2024));
}

TEST(ZoneRules, NorthernZoneAroundBothChanges) {
  const ZoneInformation z = NorthernZone();
  const struct {
    const char* what;
    TDateTime local;
    bool preferDaylight;
    double wantBiasHours;  // NAN: the local time does not exist
  } cases[] = {
      {"winter", At(2024, 1, 15, 12), true, 0},
      {"just before the change", At(2024, 3, 31, 0, 59, 59, 999), true, 0},
      {"skipped hour start", At(2024, 3, 31, 1), true, NAN},
      {"skipped hour", At(2024, 3, 31, 1, 30), false, NAN},
      {"0.05 ms before the skipped hour", At(2024, 3, 31, 1) - 0.05 * kMs, true, NAN},
      {"0.2 ms before the skipped hour", At(2024, 3, 31, 1) - 0.2 * kMs, true, 0},
      {"end of the skipped hour", At(2024, 3, 31, 2), false, -1},
      {"0.05 ms before its end", At(2024, 3, 31, 2) - 0.05 * kMs, false, -1},
      {"0.2 ms before its end", At(2024, 3, 31, 2) - 0.2 * kMs, false, NAN},
      {"summer", At(2024, 7, 1, 12), false, -1},
      {"before the repeated hour", At(2024, 10, 27, 0, 59, 59), false, -1},
      {"repeated hour, daylight", At(2024, 10, 27, 1, 30), true, -1},
      {"repeated hour, standard", At(2024, 10, 27, 1, 30), false, 0},
      {"0.05 ms before the repeated hour", At(2024, 10, 27, 1) - 0.05 * kMs, false, 0},
      {"after the repeated hour", At(2024, 10, 27, 2), true, 0},
  };
  for (const auto& c : cases) {
    const TDateTime utc = ZoneLocalToUtc(z, c.preferDaylight, c.local);
    if (std::isnan(c.wantBiasHours))
      EXPECT_EQ(utc, 0.0) << c.what;
    else
      EXPECT_NEAR(utc, c.local + c.wantBiasHours * kHour, 1e-9) << c.what;
  }
}

TEST(ZoneRules, SouthernZoneHasDaylightOverTheTurnOfTheYear) {
  const ZoneInformation z = SouthernZone();
  const struct {
    TDateTime local;
    double wantBiasHours;
  } cases[] = {
      {At(2024, 1, 15, 12), -11},
      {At(2024, 4, 7, 3), -10},  // standard time from the April change
      {At(2024, 7, 15, 12), -10},
      {At(2024, 10, 6, 3), -11},  // after the skipped hour
      {At(2024, 12, 31, 23), -11},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(ZoneLocalToUtc(z, true, c.local), c.local + c.wantBiasHours * kHour, 1e-9);
  EXPECT_EQ(ZoneLocalToUtc(z, true, At(2024, 10, 6, 2, 30)), 0.0);
  EXPECT_NEAR(ZoneLocalToUtc(z, false, At(2024, 4, 7, 2, 30)), At(2024, 4, 6, 16, 30), 1e-9);
  EXPECT_NEAR(ZoneLocalToUtc(z, true, At(2024, 4, 7, 2, 30)), At(2024, 4, 6, 15, 30), 1e-9);
}

TEST(ZoneRules, UtcToLocalInBothHemispheres) {
  const struct {
    const char* what;
    ZoneInformation zone;
    TDateTime utc, wantLocal;
  } cases[] = {
      {"north winter", NorthernZone(), At(2024, 3, 31, 0, 59), At(2024, 3, 31, 0, 59)},
      {"north spring", NorthernZone(), At(2024, 3, 31, 1), At(2024, 3, 31, 2)},
      {"north last daylight", NorthernZone(), At(2024, 10, 27, 0, 59), At(2024, 10, 27, 1, 59)},
      {"north autumn", NorthernZone(), At(2024, 10, 27, 1), At(2024, 10, 27, 1)},
      {"north autumn less 0.05 ms", NorthernZone(), At(2024, 10, 27, 1) - 0.05 * kMs,
       At(2024, 10, 27, 1) - 0.05 * kMs},
      {"south January", SouthernZone(), At(2024, 1, 15, 12), At(2024, 1, 15, 23)},
      {"south July", SouthernZone(), At(2024, 7, 15, 12), At(2024, 7, 15, 22)},
      {"south spring", SouthernZone(), At(2024, 10, 5, 16), At(2024, 10, 6, 3)},
      {"south last daylight", SouthernZone(), At(2024, 4, 6, 15, 59), At(2024, 4, 7, 2, 59)},
      {"south autumn", SouthernZone(), At(2024, 4, 6, 16), At(2024, 4, 7, 2)},
  };
  for (const auto& c : cases) EXPECT_NEAR(ZoneUtcToLocal(c.zone, c.utc), c.wantLocal, 1e-9) << c.what;
}

TEST(ZoneRules, ZonesWithoutUsableRulesUseTheBaseBiasAllYear) {
  ZoneInformation noDst;  // Tokyo: no daylight saving
  noDst.Bias = -540;
  noDst.StandardDate = YearlyRule(3, 5, 0, 1);
  ZoneInformation broken = NorthernZone();
  broken.Bias = 60;
  broken.StandardBias = 30;
  broken.StandardDate.wDay = 6;
  const struct {
    ZoneInformation zone;
    double baseHours;
  } cases[] = {{noDst, -9}, {broken, 1}};
  for (const auto& c : cases)
    for (int month = 1; month <= 12; ++month) {
      const TDateTime t = At(2024, month, 20, 12);
      EXPECT_NEAR(ZoneLocalToUtc(c.zone, true, t), t + c.baseHours * kHour, 1e-9) << month;
      EXPECT_NEAR(ZoneUtcToLocal(c.zone, t), t - c.baseHours * kHour, 1e-9) << month;
    }
}

TEST(ZoneRules, EqualBiasesSkipNothingEvenWithinTheTolerance) {
  ZoneInformation z = NorthernZone();
  z.DaylightBias = 0;
  const TDateTime nearEnd = At(2024, 10, 27, 2) - 0.05 * kMs;
  EXPECT_NEAR(ZoneLocalToUtc(z, true, nearEnd), nearEnd, 1e-12);
}
