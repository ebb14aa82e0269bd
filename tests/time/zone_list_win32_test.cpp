#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "time/registry_zone_source_win32.h"
#include "time/zone_list.h"
#include "time/zone_rules.h"

namespace {

SYSTEMTIME ToSystemTime(TDateTime t) {
  const DateTimeFields f = DecodeDateTime(t);
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(f.year);
  st.wMonth = static_cast<WORD>(f.month);
  st.wDay = static_cast<WORD>(f.day);
  st.wHour = static_cast<WORD>(f.hour);
  st.wMinute = static_cast<WORD>(f.minute);
  st.wSecond = static_cast<WORD>(f.second);
  st.wMilliseconds = static_cast<WORD>(f.millisecond);
  return st;
}

TDateTime FromSystemTime(const SYSTEMTIME& st) {
  return EncodeDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds})
      .value_or(-1.0);
}

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
