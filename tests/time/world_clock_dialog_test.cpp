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

TEST(WorldClockText, NthDelimitedField) {
  const struct {
    const char* text;
    int n;
    const char* want;
  } cases[] = {
      {"(GMT+05:30) Chennai, Kolkata, Mumbai, New Delhi", 2, " Chennai, Kolkata, Mumbai, New Delhi"},
      {"(GMT-05:00) Eastern Time (US & Canada)", 2, " Eastern Time (US & Canada"},
      {"(GMT-05:00) Eastern Time (US & Canada)", 1, "(GMT-05:00"},
      {"(GMT-05:00) Eastern Time (US & Canada)", 3, ""},
      {"(GMT-05:00) Eastern Time (US & Canada)", 4, ""},
      {"(GMT)", 2, ""},
      {"no separator", 1, "no separator"},
      {"no separator", 2, ""},
      {"", 2, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NthDelimitedField(c.text, ')', c.n), c.want) << c.text << " " << c.n;
}

TEST(WorldClockText, LabelChoicesSplitAtCommasAndBlanks) {
  using V = std::vector<std::string>;
  const struct {
    const char* field;
    V want;
  } cases[] = {
      {" Chennai, Kolkata, Mumbai, New Delhi", {"Chennai", "Kolkata", "Mumbai", "New", "Delhi"}},
      {" Eastern Time (US & Canada", {"Eastern", "Time", "(US", "&", "Canada"}},
      {" Osaka, Sapporo, Tokyo", {"Osaka", "Sapporo", "Tokyo"}},
      {"", {}},
      {"   ", {}},
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}},
      {"a, ", {"a"}},
      {",a", {"", "a"}},
      {"\"New Delhi\", Mumbai", {"New Delhi", "Mumbai"}},
      {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
      {"\"unclosed quote", {"unclosed quote"}},
      {"\"a\"b", {"a", "b"}},
      {"\tTab\nLine", {"Tab", "Line"}},
      {"\xC4rhus, K\xF8" "benhavn", {"\xC4rhus", "K\xF8" "benhavn"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLabelChoices(c.field), c.want) << c.field;
  EXPECT_EQ(SplitLabelChoices(std::string("a b\0c", 5)), (V{"a", "b"}));
}
