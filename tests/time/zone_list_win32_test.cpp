#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "time/registry_zone_source_win32.h"
#include "time/system_time_convert_win32.h"
#include "time/zone_list.h"
#include "time/zone_rules.h"

namespace {

constexpr double kMinute = 1.0 / 1440;

}  // namespace

TEST(RegistryZones, TheRealListHasManyZonesSortedByOffset) {
  RegistryZoneSource source;
  TQvRegistryTimeZones zones(source);
  ASSERT_GE(zones.Count(), 100);
  bool tokyo = false;
  for (int32_t i = 0; i < zones.Count(); ++i) {
    const TQvRegistryTimeZone& z = zones.Item(i);
    EXPECT_FALSE(z.DisplayName().empty()) << z.KeyName();
    if (i > 0) {
      EXPECT_LE(ZoneSortKey(zones.Item(i - 1).DisplayName()), ZoneSortKey(z.DisplayName())) << i;
    }
    if (z.KeyName() == "Tokyo Standard Time") {
      tokyo = true;
      EXPECT_EQ(z.Info().Bias, -540);
      EXPECT_FALSE(ZoneName(z.Info().StandardName).empty());
    }
  }
  EXPECT_TRUE(tokyo);
  EXPECT_FALSE(zones.ZoneByIndex(zones.Count()));
}

// Every zone, every hour of a year and every minute around each change: our conversions
// against the platform's own, wherever the local time exists once.
TEST(RegistryZones, ConversionsAgreeWithThePlatformAllYear) {
  RegistryZoneSource source;
  TQvRegistryTimeZones zones(source);
  int compared = 0, differences = 0;
  for (int32_t i = 0; i < zones.Count(); ++i) {
    const ZoneInformation& info = zones.Item(i).Info();
    TIME_ZONE_INFORMATION tzi;
    std::memcpy(&tzi, &info, sizeof tzi);
    std::vector<TDateTime> moments;
    const TDateTime yearStart = EncodeDate(2024, 1, 1).value();
    for (int h = 0; h < 366 * 24; ++h) moments.push_back(yearStart + h / 24.0);
    if (const auto t = TransitionsOfYear(info, 2024))
      for (TDateTime change : {t->start + t->std * kMinute, t->end + t->dst * kMinute})
        for (int m = -90; m <= 90; ++m) moments.push_back(change + m * kMinute);

    for (TDateTime utc : moments) {
      SYSTEMTIME u = ToSystemTime(utc), l;
      ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(&tzi, &u, &l));
      const TDateTime ours = ZoneUtcToLocal(info, utc);
      ++compared;
      if (std::fabs(FromSystemTime(l) - ours) > 1e-7) {
        if (++differences < 10)
          ADD_FAILURE() << zones.Item(i).KeyName() << " UTC " << utc << ": platform "
                        << FromSystemTime(l) << " ours " << ours;
        continue;
      }
      const TDateTime local = ours;
      const TDateTime a = ZoneLocalToUtc(info, true, local), b = ZoneLocalToUtc(info, false, local);
      if (a == 0.0 || std::fabs(a - b) > 1e-9) continue;  // repeated hour
      SYSTEMTIME back;
      SYSTEMTIME lt = ToSystemTime(local);
      ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(&tzi, &lt, &back));
      if (std::fabs(FromSystemTime(back) - a) > 1e-7 && ++differences < 10)
        ADD_FAILURE() << zones.Item(i).KeyName() << " local " << local << ": platform "
                      << FromSystemTime(back) << " ours " << a;
    }
  }
  std::printf("compared %d moments, %d differences\n", compared, differences);
  EXPECT_EQ(differences, 0);
}

// Every minute around each change in local time, the hours the clock repeats and skips
// included: where the local time is unique the platform must agree; in the two special
// hours we count which reading the platform takes, as ours gives 0.0 for a skipped time
// and lets preferDaylight choose in the repeated hour.
TEST(RegistryZones, RepeatedAndSkippedHoursAgainstThePlatform) {
  RegistryZoneSource source;
  TQvRegistryTimeZones zones(source);
  int unique = 0, differences = 0, repeatedDaylight = 0, repeatedStandard = 0, repeatedOther = 0;
  int skippedStandard = 0, skippedDaylight = 0, skippedOther = 0;
  for (int32_t i = 0; i < zones.Count(); ++i) {
    const ZoneInformation& info = zones.Item(i).Info();
    const auto t = TransitionsOfYear(info, 2024);
    if (!t) continue;
    TIME_ZONE_INFORMATION tzi;
    std::memcpy(&tzi, &info, sizeof tzi);
    for (TDateTime change : {t->start, t->end})
      for (int m = -90; m <= 90; ++m) {
        const TDateTime local = change + m * kMinute;
        SYSTEMTIME lt = ToSystemTime(local), back;
        ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(&tzi, &lt, &back));
        const TDateTime platform = FromSystemTime(back);
        auto is = [&](TDateTime want) { return std::fabs(platform - want) < 1e-7; };
        const TDateTime daylight = ZoneLocalToUtc(info, true, local), standard = ZoneLocalToUtc(info, false, local);
        if (daylight == 0.0) {
          if (is(local + t->std * kMinute)) ++skippedStandard;
          else if (is(local + t->dst * kMinute)) ++skippedDaylight;
          else ++skippedOther;
        } else if (std::fabs(daylight - standard) > 1e-9) {
          if (is(daylight)) ++repeatedDaylight;
          else if (is(standard)) ++repeatedStandard;
          else ++repeatedOther;
        } else {
          ++unique;
          if (!is(daylight) && ++differences < 10)
            ADD_FAILURE() << zones.Item(i).KeyName() << " local " << local << ": platform " << platform << " ours "
                          << daylight;
        }
      }
  }
  std::printf("unique %d (%d differences); repeated: platform daylight %d, standard %d, other %d; "
              "skipped: platform standard %d, daylight %d, other %d\n",
              unique, differences, repeatedDaylight, repeatedStandard, repeatedOther, skippedStandard,
              skippedDaylight, skippedOther);
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(repeatedOther, 0);
  EXPECT_EQ(skippedOther, 0);
}
