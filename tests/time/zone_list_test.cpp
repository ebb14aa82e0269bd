#include "time/zone_list.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "time/fake_zone_source.h"

TEST(ZoneList, SortKeys) {
  const struct {
    const char* display;
    int32_t key;
  } cases[] = {
      {"(GMT-05:00) Eastern Time (US & Canada)", -500 + 'E'},
      {"(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi", 530 + 'C'},
      {"(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London", 0 + 'G'},
      {"(utc+01:00) amsterdam", 100 + 'a'},
      {"(GMT-03:30) Newfoundland", -330 + 'N'},
      {"(GMT+12:45) Chatham Islands", 1245 + 'C'},
      {"(GMT+ab:00) Broken", 0 + 'B'},
      {"(GMT+01:00)", 100},  // no place name after the offset
      {"(GMT+01:00) ", 100},
      {"No offset at all", 0},
      {"", 0},
      {"(GMT+01:00) \xC4rhus", 100 + 0xC4},  // ANSI letters count by their byte
  };
  for (const auto& c : cases) EXPECT_EQ(ZoneSortKey(c.display), c.key) << c.display;
}

TEST(ZoneList, LoadsSortsAndLeavesOutBrokenZones) {
  FakeZoneSource source;
  source.Add("Tokyo Standard Time", "(GMT+09:00) Osaka, Sapporo, Tokyo", -540);
  source.Add("Eastern Standard Time", "(GMT-05:00) Eastern Time (US & Canada)", 300);
  source.Add("Zeta", "(GMT+05:30) Zeta", -330);
  source.Add("Alpha", "(GMT+05:45) Alpha", -345);
  source.Add("Short TZI", "(GMT+01:00) Short", -60);
  source.zones["Short TZI"].tzi.resize(43);
  source.order.push_back("Unreadable");
  source.Add("GMT Standard Time", "(GMT) Greenwich Mean Time : London", 0,
             std::u16string(32, u'n'));

  TQvRegistryTimeZones list(source);
  ASSERT_EQ(list.Count(), 5);
  // The place letter moves +05:45 Alpha before +05:30 Zeta.
  const char* wantOrder[] = {"Eastern Standard Time", "GMT Standard Time", "Alpha", "Zeta",
                             "Tokyo Standard Time"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list.Item(i).KeyName(), wantOrder[i]) << i;

  const TQvRegistryTimeZone& tokyo = list.Item(4);
  EXPECT_EQ(tokyo.DisplayName(), "(GMT+09:00) Osaka, Sapporo, Tokyo");
  EXPECT_EQ(tokyo.StoredKeyName(), "Tokyo Standard Time");
  EXPECT_EQ(tokyo.Info().Bias, -540);
  EXPECT_EQ(ZoneName(tokyo.Info().StandardName), u"Standard");
  EXPECT_EQ(ZoneName(tokyo.Info().DaylightName), u"Daylight");
  EXPECT_TRUE(tokyo.LastSaveOk());
  EXPECT_EQ(ZoneName(list.Item(1).Info().StandardName), u"");
}

TEST(ZoneList, ZoneByIndexBounds) {
  FakeZoneSource source;
  source.Add("A", "(GMT+01:00) A", -60);
  source.Add("B", "(GMT+02:00) B", -120);
  TQvRegistryTimeZones list(source);
  EXPECT_FALSE(list.ZoneByIndex(-1));
  EXPECT_FALSE(list.ZoneByIndex(list.Count()));
  const auto last = list.ZoneByIndex(list.Count() - 1);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->keyName, "B");
  EXPECT_EQ(last->displayName, "(GMT+02:00) B");
  EXPECT_EQ(last->info.Bias, -120);
}

TEST(ZoneList, UnreadableZonesKeyGivesAnEmptyListAndReloadReadsAgain) {
  FakeZoneSource source;
  source.Add("A", "(GMT+01:00) A", -60);
  source.readable = false;
  TQvRegistryTimeZones list(source);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.ZoneByIndex(0));
  source.readable = true;
  list.Reload();
  EXPECT_EQ(list.Count(), 1);
  source.readable = false;
  list.Reload();
  EXPECT_EQ(list.Count(), 0);
}

// The source is read when the list is first asked for (or told to read), and only then.
TEST(ZoneList, IsReadOnceWhenFirstAskedFor) {
  const struct {
    const char* firstUse;
    void (*use)(const TQvRegistryTimeZones&);
  } uses[] = {
      {"Count", [](const TQvRegistryTimeZones& l) { l.Count(); }},
      {"ZoneByIndex", [](const TQvRegistryTimeZones& l) { l.ZoneByIndex(0); }},
      {"Read", [](const TQvRegistryTimeZones& l) { l.Read(); }},
  };
  for (const auto& u : uses) {
    SCOPED_TRACE(u.firstUse);
    FakeZoneSource source;
    const TQvRegistryTimeZones list(source);
    source.Add("A", "(GMT+01:00) A", -60);
    u.use(list);
    source.Add("B", "(GMT+02:00) B", -120);
    EXPECT_EQ(list.Count(), 1);
    list.Read();
    EXPECT_EQ(list.Count(), 1);
  }
}

TEST(ZoneList, ChangingALoadedZoneFailsWithoutWriteAccess) {
  FakeZoneSource source;
  source.Add("A", "(GMT+01:00) A", -60);
  TQvRegistryTimeZones list(source);
  TQvRegistryTimeZone& zone = list.Item(0);
  EXPECT_FALSE(list.WriteAccess());

  zone.SetDisplayName("(GMT+01:00) A");  // unchanged: nothing to save
  zone.SetInfo(zone.Info());
  EXPECT_TRUE(zone.LastSaveOk());

  try {
    zone.SetKeyName("a");  // names compare case-sensitively
    FAIL() << "no error";
  } catch (const OrmelError& e) {
    EXPECT_STREQ(e.what(), "TQvRegistryTimeZones: WriteAccess not set.");
  }
  EXPECT_FALSE(zone.LastSaveOk());
  EXPECT_EQ(zone.StoredKeyName(), "A");
  ZoneInformation other = zone.Info();
  other.Bias = 0;
  EXPECT_THROW(zone.SetInfo(other), OrmelError);
}

TEST(ZoneSavedId, TheSavedKeyNameWinsOverTheSavedPosition) {
  FakeZoneSource source = ThreeZones();
  const TQvRegistryTimeZones zones(source);
  const struct {
    const char* what;
    int32_t savedId;
    const char* savedKeyName;
    int32_t want;
  } cases[] = {
      {"old settings keep their id", 1, "", 1},
      {"old settings out of range", 7, "", 7},
      {"local time", -1, "", -1},
      {"zone moved", 0, "Tokyo Standard Time", 2},
      {"key names ignore case", 0, "gmt standard time", 1},
      {"zone gone", 2, "Atlantis Standard Time", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolveSavedZoneId(zones, c.savedId, c.savedKeyName), c.want) << c.what;
}
