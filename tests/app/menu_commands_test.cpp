#include "app/menu_commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/ormel_error.h"
#include "support/date_at.h"
#include "support/fake_clock.h"
#include "time/fake_zone_source.h"
#include "time/world_clock_form.h"

namespace {

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
  ApplyWorldClock(state, zones, {form.GetZoneIndex(), form.GetClockLabel()});
  return {state.FTimeZoneId, state.FTimeZoneKey, state.FClockLabel, state.FClockType};
}

}  // namespace

TEST(CountdownDialog, OkSetsTheTargetAndTheMode) {
  FakeClock clock;
  ClockState state(clock);
  ApplyCountdownTarget(state, At(2026, 1, 1, 0, 0, 0));
  EXPECT_EQ(state.FClockType, ctCountdown);
  EXPECT_DOUBLE_EQ(state.FCountdownTo, At(2026, 1, 1, 0, 0, 0));
}

TEST(TimerDialog, OkResetsTakesTheLengthAndStartsByAutoStart) {
  struct Case {
    const char* name;
    bool wasRunning;
    bool autoStart;
    bool runningAfter;
  };
  const Case cases[] = {
      {"auto start", false, true, true},
      {"stopped, no auto start: waits for Pause/Resume", false, false, false},
      {"running, no auto start: restarts from the new length", true, false, true},
      {"running, auto start", true, true, true},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    ClockState state(clock);
    state.swTimer.Start();
    clock.AdvanceSeconds(4);
    if (!c.wasRunning) state.swTimer.Stop();
    ApplyTimerDialog(state, {90.0 / 86400, c.autoStart});
    EXPECT_EQ(state.FClockType, ctTimer) << c.name;
    EXPECT_NEAR(state.FTimerLength * 86400, 90, 1e-9) << c.name;
    EXPECT_EQ(state.swTimer.Running(), c.runningAfter) << c.name;
    EXPECT_NEAR(state.swTimer.GetElapsedTime() * 86400, 0, 1e-6) << c.name;
    clock.AdvanceSeconds(10);
    EXPECT_NEAR(state.swTimer.GetElapsedTime() * 86400, c.runningAfter ? 10 : 0, 1e-6) << c.name;
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
    TfrmWorldClock form = OpenedWorldClock(zones, c.savedId, c.savedLabel);
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
  TfrmWorldClock form = OpenedWorldClock(zones, 2, "Home");
  EXPECT_TRUE(form.ZoneNames().empty());
  form.SetZoneIndex(0);
  form.SetClockLabel("Away");
  const Applied got = PressOk(form, zones);
  EXPECT_EQ(got.zoneId, -1);
  EXPECT_EQ(got.label, "Away");
}

namespace {

// Records the skins the window is asked to load; the broken ones refuse.
struct SkinSwitchFixture : ::testing::Test {
  FakeClock clock;
  ClockState state{clock};
  std::set<std::string> broken;
  std::vector<std::string> loads;
  const SkinLoad load = [this](const std::string& name) {
    loads.push_back(name);
    if (broken.count(name)) throw OrmelError("The skin \"" + name + "\" cannot be shown.");
  };
  const std::vector<std::string> installed{"slate", "royale", "blue"};
};

}  // namespace

TEST_F(SkinSwitchFixture, AChosenSkinIsShownAndDrawnWhole) {
  state.FSkinName = "royale";
  state.FDrawKey = 1234;
  EXPECT_TRUE(ShowSkinOfItem(state, installed, 2, load));
  EXPECT_EQ(loads, (std::vector<std::string>{"blue"}));
  EXPECT_EQ(state.FSkinName, "blue");
  EXPECT_EQ(state.FDrawKey, -1);
}

TEST_F(SkinSwitchFixture, ARefusedSkinLeavesTheFaceAsItWas) {
  state.FSkinName = "royale";
  state.FDrawKey = 1234;
  broken = {"slate"};
  EXPECT_THROW(ShowSkinOfItem(state, installed, 0, load), OrmelError);
  EXPECT_EQ(loads, (std::vector<std::string>{"slate"}));
  EXPECT_EQ(state.FSkinName, "royale") << "the menu marks the skin still shown";
  EXPECT_EQ(state.FDrawKey, 1234);

  loads.clear();
  EXPECT_FALSE(ShowSkinOfItem(state, installed, installed.size(), load));
  EXPECT_TRUE(loads.empty()) << "an item past the folders does nothing";
}

TEST_F(SkinSwitchFixture, TheStartUpSaysWhyTheFallbackIsShown) {
  state.FSkinName = "slate";
  broken = {"slate"};
  const std::string problems = ShowStartupSkin(state, installed, load);
  EXPECT_EQ(loads, (std::vector<std::string>{"slate", "royale"}));
  EXPECT_NE(problems.find("The skin \"slate\" cannot be shown."), std::string::npos);
  EXPECT_EQ(state.FSkinName, "royale");

  loads.clear();
  broken.clear();
  EXPECT_EQ(ShowStartupSkin(state, installed, load), "") << "no message when the saved skin loads";
  EXPECT_EQ(loads, (std::vector<std::string>{"royale"}));
}
