#include "time/world_clock_dialog.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"
#include "time/dialog_test_host.h"
#include "time/fake_zone_source.h"

namespace {

// WorldClock1Click up to the modal loop: the saved zone, then the saved label.
TfrmWorldClock Opened(const TQvRegistryTimeZones& zones, int32_t zoneId, const std::string& label) {
  TfrmWorldClock form(zones);
  form.SetZoneIndex(zoneId);
  form.SetClockLabel(label);
  return form;
}

struct Applied {
  int32_t zoneId;
  std::string key, label;
  ClockType mode;
};

// OK: what the main window takes from the dialog.
Applied PressOk(const TfrmWorldClock& form, const TQvRegistryTimeZones& zones) {
  FakeClock clock;
  ClockState state(clock);
  state.FClockType = ctStopwatch;
  DialogTestHost host(state);
  ApplyWorldClock(state, host, zones, {form.GetZoneIndex(), form.GetClockLabel()});
  return {state.FTimeZoneId, state.FTimeZoneKey, state.FClockLabel, state.FClockType};
}

}  // namespace

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
    const TfrmWorldClock form = Opened(zones, c.savedId, c.savedLabel);
    EXPECT_EQ(form.GetZoneIndex(), c.shownZone) << c.what;
    EXPECT_EQ(form.GetClockLabel(), c.savedLabel) << c.what;
    EXPECT_EQ(form.LabelChoices(), c.choices) << c.what;
  }
}

TEST(WorldClockDialog, ClosingWithOk) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  const struct {
    const char* what;
    int32_t savedId;
    const char* savedLabel;
    void (*user)(TfrmWorldClock&);
    Applied want;
  } cases[] = {
      {"OK at once", -1, "Clock", [](TfrmWorldClock&) {}, {-1, "", "Clock", ctClock}},
      {"a zone picked gives its first place word", -1, "Clock", [](TfrmWorldClock& f) { f.SetZoneIndex(kDialogTokyo); },
       {kDialogTokyo, "Tokyo Standard Time", "Osaka", ctClock}},
      {"a label typed after the pick is kept", -1, "Clock",
       [](TfrmWorldClock& f) {
         f.SetZoneIndex(kDialogChennai);
         f.SetClockLabel("Pune");
       },
       {kDialogChennai, "India Standard Time", "Pune", ctClock}},
      {"another place word chosen", -1, "Clock",
       [](TfrmWorldClock& f) {
         f.SetZoneIndex(kDialogEastern);
         f.SetClockLabel(f.LabelChoices()[4]);
       },
       {kDialogEastern, "Eastern Standard Time", "Canada", ctClock}},
      {"a zone without place words keeps the label", kDialogTokyo, "Home",
       [](TfrmWorldClock& f) { f.SetZoneIndex(kDialogUtc); }, {kDialogUtc, "UTC", "Home", ctClock}},
      {"Reset", kDialogTokyo, "Home", [](TfrmWorldClock& f) { f.bResetClick(); }, {-1, "", "Clock", ctClock}},
      {"a pick after Reset", kDialogTokyo, "Home",
       [](TfrmWorldClock& f) {
         f.bResetClick();
         f.SetZoneIndex(kDialogChennai);
       },
       {kDialogChennai, "India Standard Time", "Chennai", ctClock}},
      {"a saved id beyond the list stores local time", 9, "Home", [](TfrmWorldClock&) {}, {-1, "", "Home", ctClock}},
      {"an emptied label", -1, "Clock", [](TfrmWorldClock& f) { f.SetClockLabel(""); }, {-1, "", "", ctClock}},
  };
  for (const auto& c : cases) {
    TfrmWorldClock form = Opened(zones, c.savedId, c.savedLabel);
    c.user(form);
    const Applied got = PressOk(form, zones);
    EXPECT_EQ(got.zoneId, c.want.zoneId) << c.what;
    EXPECT_EQ(got.key, c.want.key) << c.what;
    EXPECT_EQ(got.label, c.want.label) << c.what;
    EXPECT_EQ(got.mode, c.want.mode) << c.what;
  }
}

TEST(WorldClockDialog, AnEmptyZoneListLeavesOnlyTheLabel) {
  FakeZoneSource source = DialogZones();
  source.readable = false;
  const TQvRegistryTimeZones zones(source);
  TfrmWorldClock form = Opened(zones, 2, "Home");
  EXPECT_TRUE(form.ZoneNames().empty());
  form.SetZoneIndex(0);
  form.SetClockLabel("Away");
  const Applied got = PressOk(form, zones);
  EXPECT_EQ(got.zoneId, -1);
  EXPECT_EQ(got.label, "Away");
}
