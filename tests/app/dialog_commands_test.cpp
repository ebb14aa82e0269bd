#include "app/dialog_commands.h"

#include <gtest/gtest.h>

#include "app/dialog_test_host.h"
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
  DialogTestHost host(state);
  ApplyWorldClock(state, host, zones, {form.GetZoneIndex(), form.GetClockLabel()});
  return {state.FTimeZoneId, state.FTimeZoneKey, state.FClockLabel, state.FClockType};
}

}  // namespace

TEST(CountdownDialog, OkSetsTheTargetAndTheMode) {
  FakeClock clock;
  ClockState state(clock);
  DialogTestHost host(state);
  ApplyCountdownTarget(state, host, At(2026, 1, 1, 0, 0, 0));
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
    DialogTestHost host(state);
    state.swTimer.Start();
    clock.AdvanceSeconds(4);
    if (!c.wasRunning) state.swTimer.Stop();
    ApplyTimerDialog(state, host, {90.0 / 86400, c.autoStart});
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
