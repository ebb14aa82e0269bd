#include "time/world_clock_dialog.h"

#include <gtest/gtest.h>

#include "time/fake_zone_source.h"
#include "time/world_clock_form.h"

TEST(WorldClockDialog, ListsEveryZoneInListOrder) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  const TfrmWorldClock form(zones);
  ASSERT_EQ(form.ZoneNames().size(), 4u);
  for (int32_t i = 0; i < zones.Count(); ++i) EXPECT_EQ(form.ZoneNames()[i], zones.Item(i).DisplayName());
  EXPECT_EQ(form.GetZoneIndex(), -1);
  EXPECT_TRUE(form.LabelChoices().empty());
}

TEST(WorldClockDialog, OpeningSelectsTheSavedZoneAndKeepsTheSavedLabel) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  const struct {
    const char* what;
    int32_t savedId;
    const char* savedLabel;
    int32_t shownZone;
    std::vector<std::string> choices;
  } cases[] = {
      {"local time", -1, "Clock", -1, {}},
      {"Tokyo, labelled by the user", kDialogTokyo, "Home", kDialogTokyo, {"Osaka", "Sapporo", "Tokyo"}},
      {"blanks split place names", kDialogChennai, "Delhi", kDialogChennai, {"Chennai", "Kolkata", "Mumbai", "New", "Delhi"}},
      {"the list shrank", 4, "Somewhere", -1, {}},
      {"a garbled id", -5, "Clock", -1, {}},
  };
  for (const auto& c : cases) {
    const TfrmWorldClock form = OpenedWorldClock(zones, c.savedId, c.savedLabel);
    EXPECT_EQ(form.GetZoneIndex(), c.shownZone) << c.what;
    EXPECT_EQ(form.GetClockLabel(), c.savedLabel) << c.what;
    EXPECT_EQ(form.LabelChoices(), c.choices) << c.what;
  }
}
