#include "app/form_storage.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "support/fake_clock.h"
#include "support/memory_storage.h"
#include "time/fake_zone_source.h"
#include "time/settings_test_locales.h"

namespace {

// What the window does after a restore, in its order: the Run value, the mode's tips, the band
// of the restored "On Top" mark.
std::vector<std::string> StepsAfter(const MainFormRestore& restore, const ClockState& state) {
  return {restore.loadAtStartup ? "run+" : "run-", "type" + std::to_string(state.FClockType),
          state.options.onTop ? "top+" : "top-"};
}

FormPlacement Current() {
  FormPlacement p;
  p.normal = {286, 171, 478, 363};
  p.screenWidth = 1920;
  p.screenHeight = 1080;
  p.monitors = {{0, 0, 1920, 1080}};
  return p;
}

// A state with every saved value away from its default.
void SetEveryValue(ClockState& s, FakeClock& clock) {
  s.FFormatSettings = GermanLocale();
  s.options = {false, false, false, false};
  s.StopWatch1.SetRunningTotal(2.5 / 86400);
  s.StopWatch1.SetStartTime(46000.25);
  s.swTimer.Start();
  clock.AdvanceSeconds(30);
  s.swTimer.Stop();
  s.swTimer.Start();  // folded as at exit: total 30 s, running
  s.FCountdownTo = At(2027, 1, 2, 3, 4, 5);
  s.FTimerLength = 90.0 / 86400;
  s.FClockType = ctStopwatch;
  s.FDisplayArrows = false;
  s.FTimeZoneId = 17;
  s.FTimeZoneKey = "Tokyo Standard Time";
  s.FClockLabel = "Tokyo, Osaka";
  s.FSkinName = "glass";
}

}  // namespace

TEST(FormStorage, SaveWritesEveryValueInOrder) {
  FakeClock clock;
  ClockState state(clock);
  SetEveryValue(state, clock);
  MemoryStorage storage;
  SaveMainForm(storage, state, Current());
  const std::vector<std::string> order{
      "FormVersion", "Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos(1920x1080)", "MinMaxPos",
      "NormPos(1920x1080)", "NormPos", "Visible", "LoadatStartup1_Checked", "OnTop1_Checked", "Chimes1_Checked",
      "StopWatch1_StartTime", "StopWatch1_RunningTotal", "StopWatch1_Running", "swTimer_StartTime",
      "swTimer_RunningTotal", "swTimer_Running", "AMPM1_Checked", "Countdown", "CountdownValue", "TimerDate", "TimerDateValue", "ClockType",
      "bDisplayArrows", "FTimeZoneId", "TimeZoneKey", "FClockLabel", "ClockSkin"};
  EXPECT_EQ(storage.WriteOrder(), order);
  auto& v = storage.Section(kMainSection);
  EXPECT_EQ(v["FormVersion"], "0");
  EXPECT_EQ(v["OnTop1_Checked"], "False");
  EXPECT_EQ(v["StopWatch1_StartTime"], "46000.25");
  EXPECT_EQ(v["swTimer_Running"], "True");
  EXPECT_EQ(v["Countdown"], "02.01.2027 03:04:05");
  EXPECT_EQ(v["TimerDate"], "00:01:30");
  EXPECT_EQ(v["CountdownValue"], EncodeFloat(At(2027, 1, 2, 3, 4, 5)));
  EXPECT_EQ(v["TimerDateValue"], EncodeFloat(90.0 / 86400));
  EXPECT_EQ(v["ClockType"], "3");
  EXPECT_EQ(v["bDisplayArrows"], "0");
  EXPECT_EQ(v["FClockLabel"], "Tokyo, Osaka");
  EXPECT_EQ(v["TimeZoneKey"], "Tokyo Standard Time");
}

TEST(FormStorage, EveryValueSurvivesARestart) {
  FakeClock clock;
  MemoryStorage storage;
  {
    ClockState before(clock);
    SetEveryValue(before, clock);
    SaveMainForm(storage, before, Current());
  }
  clock.AdvanceSeconds(3600);  // the program was closed for an hour
  ClockState after(clock);
  after.FFormatSettings = GermanLocale();
  FormPlacement moved = Current();
  moved.normal = {0, 0, 192, 192};
  const MainFormRestore restore = RestoreMainForm(storage, after, moved);
  const auto& placement = restore.placement;

  ASSERT_TRUE(placement.has_value());
  EXPECT_EQ(placement->normal.left, 286);
  EXPECT_EQ(placement->normal.bottom, 363);
  EXPECT_FALSE(after.options.onTop || after.options.loadAtStartup || after.options.chimes || after.options.amPm);
  EXPECT_FALSE(after.StopWatch1.Running());
  EXPECT_DOUBLE_EQ(after.StopWatch1.StartTime(), 46000.25);
  EXPECT_NEAR(after.StopWatch1.GetElapsedTime() * 86400, 2.5, 1e-6);
  // A running stopwatch goes on from its total: the hour closed is not counted.
  EXPECT_TRUE(after.swTimer.Running());
  EXPECT_NEAR(after.swTimer.GetElapsedTime() * 86400, 30, 1e-3);
  EXPECT_DOUBLE_EQ(after.FCountdownTo, At(2027, 1, 2, 3, 4, 5));
  EXPECT_NEAR(after.FTimerLength * 86400, 90, 1e-6);
  EXPECT_EQ(after.FClockType, ctStopwatch);
  EXPECT_FALSE(after.FDisplayArrows);
  EXPECT_EQ(after.FTimeZoneId, 17);
  EXPECT_EQ(after.FTimeZoneKey, "Tokyo Standard Time");
  EXPECT_EQ(after.FClockLabel, "Tokyo, Osaka");
  EXPECT_EQ(after.FSkinName, "glass");
  EXPECT_EQ(StepsAfter(restore, after), (std::vector<std::string>{"run-", "type3", "top-"}));
}

TEST(FormStorage, FirstStartKeepsTheDefaultsAndRegistersTheProgram) {
  FakeClock clock;
  ClockState state(clock);
  state.FCountdownTo = clock.Now();
  MemoryStorage storage;
  const MainFormRestore restore = RestoreMainForm(storage, state, Current());
  EXPECT_FALSE(restore.placement.has_value());
  EXPECT_EQ(StepsAfter(restore, state), (std::vector<std::string>{"run+", "type0", "top+"}));
  EXPECT_EQ(state.FSkinName, "royale");
  EXPECT_EQ(state.FClockLabel, "Clock");
  EXPECT_DOUBLE_EQ(state.FCountdownTo, clock.Now());
  EXPECT_DOUBLE_EQ(state.FTimerLength, 10.0 / 86400);
  EXPECT_TRUE(state.FDisplayArrows);
  EXPECT_EQ(state.FTimeZoneId, -1);
  EXPECT_EQ(state.FTimeZoneKey, "");
}

TEST(FormStorage, GarbledValuesFallBackAndTheRestIsKept) {
  struct Case {
    const char* name;
    const char* value;
    const char* text;
  };
  const Case cases[] = {
      {"countdown in another locale", "Countdown", "12/25/2026 10:00:00 PM"},
      {"countdown of words", "Countdown", "soon"},
      {"timer length in words", "TimerDate", "90 Sekunden"},
      {"negative timer length", "TimerDate", "12/29/1899 00:00:10"},
      {"timer length of years", "TimerDate", "01.01.2020 00:00:10"},
      {"mode out of range", "ClockType", "6"},
      {"negative mode", "ClockType", "-1"},
      {"mode not a number", "ClockType", "Timer"},
      {"skin with a path", "ClockSkin", "..\\..\\Windows"},
      {"skin with a slash", "ClockSkin", "a/b"},
      {"skin parent folder", "ClockSkin", ".."},
      {"skin empty", "ClockSkin", ""},
      {"hands flag garbled", "bDisplayArrows", "maybe"},
      {"zone not a number", "FTimeZoneId", "Tokyo"},
      {"stopwatch total garbled", "StopWatch1_RunningTotal", "1,5"},
      {"stopwatch running garbled", "swTimer_Running", "-1"},
      {"mark garbled", "OnTop1_Checked", "0"},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    MemoryStorage storage;
    {
      ClockState saved(clock);
      SetEveryValue(saved, clock);
      saved.FClockType = ctTimer;
      SaveMainForm(storage, saved, Current());
    }
    storage.Section(kMainSection)[c.value] = c.text;
    storage.Section(kMainSection).erase(std::string(c.value) + "Value");  // a date as earlier versions kept it

    ClockState state(clock);
    state.FFormatSettings = GermanLocale();
    const TDateTime start = clock.Now();
    state.FCountdownTo = start;
    const MainFormRestore restore = RestoreMainForm(storage, state, Current());

    const std::string v = c.value;
    EXPECT_DOUBLE_EQ(state.FCountdownTo, v == "Countdown" ? start : At(2027, 1, 2, 3, 4, 5)) << c.name;
    EXPECT_NEAR(state.FTimerLength * 86400, v == "TimerDate" ? 10 : 90, 1e-6) << c.name;
    EXPECT_EQ(state.FClockType, v == "ClockType" ? ctClock : ctTimer) << c.name;
    EXPECT_EQ(state.FSkinName, v == "ClockSkin" ? "royale" : "glass") << c.name;
    EXPECT_EQ(state.FDisplayArrows, v == "bDisplayArrows") << c.name;
    EXPECT_EQ(state.FTimeZoneId, v == "FTimeZoneId" ? -1 : 17) << c.name;
    EXPECT_NEAR(state.StopWatch1.RunningTotal() * 86400, v == "StopWatch1_RunningTotal" ? 0 : 2.5, 1e-6) << c.name;
    EXPECT_EQ(state.swTimer.Running(), v != "swTimer_Running") << c.name;
    EXPECT_EQ(state.options.onTop, v == "OnTop1_Checked") << c.name;
    EXPECT_EQ(state.FClockLabel, "Tokyo, Osaka") << c.name;
  }
}

TEST(FormStorage, HandsFlagReadsAnyBooleanText) {
  for (auto [text, expected] : {std::pair{"-1", true}, {"0", false}, {"True", true}, {"false", false}, {"5", true}}) {
    FakeClock clock;
    MemoryStorage storage;
    storage.Section(kMainSection)["bDisplayArrows"] = text;
    ClockState state(clock);
    state.FDisplayArrows = !expected;
    RestoreMainForm(storage, state, Current());
    EXPECT_EQ(state.FDisplayArrows, expected) << text;
  }
}

TEST(FormStorage, ANegativeLayoutVersionRestoresNothing) {
  FakeClock clock;
  MemoryStorage storage;
  storage.Section(kMainSection) = {{"FormVersion", "-1"}, {"ClockType", "2"}, {"NormPos", "5,5,0,0"}};
  ClockState state(clock);
  const MainFormRestore restore = RestoreMainForm(storage, state, Current());
  EXPECT_FALSE(restore.placement.has_value());
  EXPECT_EQ(state.FClockType, ctClock);
  EXPECT_EQ(StepsAfter(restore, state), (std::vector<std::string>{"run+", "type0", "top+"}));
}

TEST(FormStorage, TimerDialogKeepsItsPositionAndAutoStart) {
  MemoryStorage storage;
  bool autoStart = true;
  EXPECT_FALSE(RestoreTimerForm(storage, Current(), autoStart).has_value());
  EXPECT_TRUE(autoStart);

  FormPlacement where = Current();
  where.normal = {700, 300, 941, 445};
  SaveTimerForm(storage, where, false);
  EXPECT_EQ(storage.Section(kTimerSection)["cbAutoStart_Checked"], "False");
  EXPECT_EQ(storage.WriteOrder().front(), "FormVersion");
  EXPECT_EQ(storage.WriteOrder().back(), "cbAutoStart_Checked");

  FormPlacement centred = Current();
  centred.normal = {839, 467, 1080, 612};
  const auto placement = RestoreTimerForm(storage, centred, autoStart);
  EXPECT_FALSE(autoStart);
  ASSERT_TRUE(placement.has_value());
  EXPECT_EQ(placement->normal.left, 700);
  EXPECT_EQ(placement->normal.top, 300);

  storage.Section(kTimerSection)["cbAutoStart_Checked"] = "nope";
  RestoreTimerForm(storage, centred, autoStart);
  EXPECT_FALSE(autoStart);
}

TEST(FormStorage, ARegionalFormatChangeDoesNotMoveTheCountdown) {
  // 2 January 10:00 saved in a month-first format reads as 1 February in a day-first one.
  const struct {
    const char* what;
    bool withCopy;
    TDateTime countdown;
  } cases[] = {
      {"saved by this version: the copy holds the date", true, At(2027, 1, 2, 10, 0, 0)},
      {"saved by an earlier version: the text as before", false, At(2027, 2, 1, 10, 0, 0)},
  };
  for (const auto& c : cases) {
    FakeClock clock;
    MemoryStorage storage;
    {
      ClockState before(clock);
      before.FFormatSettings = UsLocale();
      before.FCountdownTo = At(2027, 1, 2, 10, 0, 0);
      before.FTimerLength = 90.0 / 86400;
      SaveMainForm(storage, before, Current());
    }
    EXPECT_EQ(storage.Section(kMainSection)["Countdown"], "1/2/2027 10:00:00 AM") << c.what;
    if (!c.withCopy) {
      storage.Section(kMainSection).erase("CountdownValue");
      storage.Section(kMainSection).erase("TimerDateValue");
    }
    ClockState after(clock);
    after.FFormatSettings = UsLocale();
    after.FFormatSettings.shortDateFormat = "d/M/yyyy";
    RestoreMainForm(storage, after, Current());
    EXPECT_DOUBLE_EQ(after.FCountdownTo, c.countdown) << c.what;
    EXPECT_NEAR(after.FTimerLength * 86400, 90, 1e-6) << c.what;
  }
}

TEST(FormStorage, ACopyThatDoesNotReadLeavesTheText) {
  FakeClock clock;
  MemoryStorage storage;
  auto& v = storage.Section(kMainSection);
  v["Countdown"] = "1/2/2027 10:00:00 AM";
  v["CountdownValue"] = "1/2/2027";
  v["TimerDate"] = "12:01:30 AM";
  v["TimerDateValue"] = "-5";  // no timer length: kept as it was
  ClockState state(clock);
  RestoreMainForm(storage, state, Current());
  EXPECT_DOUBLE_EQ(state.FCountdownTo, At(2027, 1, 2, 10, 0, 0));
  EXPECT_NEAR(state.FTimerLength * 86400, 10, 1e-6);
}

TEST(FormStorage, TimerLengthWrittenInAnotherLocaleStillReads) {
  FakeClock clock;
  MemoryStorage storage;
  storage.Section(kMainSection)["TimerDate"] = "12:01:30 AM";  // saved under en-US
  ClockState state(clock);
  state.FFormatSettings = GermanLocale();
  RestoreMainForm(storage, state, Current());
  EXPECT_NEAR(state.FTimerLength * 86400, 90, 1e-6);
}

TEST(ZoneSavedId, SettingsKeepTheCityWhenTheZoneSetChanges) {
  FakeZoneSource source = ThreeZones();
  source.Add("Azores Standard Time", "(GMT-01:00) Azores", 60);  // sorts before GMT
  const TQvRegistryTimeZones zones(source);  // Eastern, Azores, GMT, Tokyo
  FakeClock clock;
  const struct {
    const char* what;
    int32_t savedId;
    const char* savedKey;
    int32_t wantId;
    const char* wantKey;
  } cases[] = {
      {"the saved city moved one place on", 2, "Tokyo Standard Time", 3, "Tokyo Standard Time"},
      {"old settings learn their key name", 2, "", 2, "GMT Standard Time"},
      {"old settings beyond the list stay as they are", 9, "", 9, ""},
      {"a city gone shows local time and is remembered", 1, "Atlantis Standard Time", -1,
       "Atlantis Standard Time"},
      {"local time", -1, "", -1, ""},
  };
  for (const auto& c : cases) {
    ClockState state(clock);
    state.FTimeZoneId = c.savedId;
    state.FTimeZoneKey = c.savedKey;
    ResolveSavedZone(zones, state);
    EXPECT_EQ(state.FTimeZoneId, c.wantId) << c.what;
    EXPECT_EQ(state.FTimeZoneKey, c.wantKey) << c.what;
  }
}

TEST(ZoneSavedId, AnUnreadableZoneDatabaseLosesNoSetting) {
  FakeZoneSource source = ThreeZones();
  source.readable = false;
  const TQvRegistryTimeZones zones(source);
  FakeClock clock;
  ClockState state(clock);
  state.FTimeZoneId = 2;
  state.FTimeZoneKey = "Tokyo Standard Time";
  ResolveSavedZone(zones, state);
  EXPECT_EQ(state.FTimeZoneId, -1);
  EXPECT_EQ(state.FTimeZoneKey, "Tokyo Standard Time");
  // Once the database reads again, the next start finds the city.
  source.readable = true;
  const TQvRegistryTimeZones again(source);
  ResolveSavedZone(again, state);
  EXPECT_EQ(state.FTimeZoneId, 2);
}
