#include "app/settings_writer.h"

#include <gtest/gtest.h>

#include "app/form_storage.h"
#include "support/fake_clock.h"
#include "support/memory_storage.h"
#include "support/refusing_storage.h"

namespace {

const char kExe[] = "C:\\Programs\\Ormel Clock\\OrmelClock.exe";

FormPlacement Placement() {
  FormPlacement p;
  p.normal = {300, 200, 492, 392};
  p.screenWidth = 1280;
  p.screenHeight = 800;
  p.monitors = {{0, 0, 1280, 800}};
  return p;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(SettingsWriter, AStartWhoseRunValueIsRefusedSaysSoOnceAndRestoresTheRest) {
  for (auto how : {RefusingStorage::Refuses::OpeningForWrite, RefusingStorage::Refuses::EachValue}) {
    FakeClock clock;
    MemoryStorage settings;
    {
      ClockState saved(clock);
      saved.FClockType = ctUpTime;
      saved.FClockLabel = "Home";
      SaveMainForm(settings, saved, Placement());
    }
    RefusingStorage run(how);
    std::vector<std::string> shown;
    SettingsWriter writer([&](const std::string& m) { shown.push_back(m); });
    ClockState state(clock);

    // The window's start-up: the restore, then "Load at Startup" through the writer, then the band.
    const MainFormRestore restore = RestoreMainForm(settings, state, Placement());
    EXPECT_FALSE(writer.UpdateRunValue(run, kExe, restore.loadAtStartup));
    EXPECT_GE(run.refusals, 1);
    EXPECT_TRUE(restore.placement.has_value()) << "a refused Run value costs no other setting";
    EXPECT_EQ(state.FClockType, ctUpTime);
    EXPECT_EQ(state.FClockLabel, "Home");
    EXPECT_TRUE(state.options.onTop) << "the band follows the restored mark";
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(Contains(shown[0], "cannot start with Windows")) << shown[0];
    EXPECT_TRUE(Contains(shown[0], "Access denied")) << "the reason comes with it: " << shown[0];

    // The next start-up refresh, or the mark set again, does not repeat it; the settings still save.
    EXPECT_FALSE(writer.UpdateRunValue(run, kExe, true));
    EXPECT_TRUE(writer.SaveMain(settings, state, Placement()));
    EXPECT_EQ(shown.size(), 1u);
    // Unchecking the mark is another request, refused in its own words.
    EXPECT_FALSE(writer.UpdateRunValue(run, kExe, false));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(Contains(shown[1], "cannot stop starting with Windows")) << shown[1];
  }
}

TEST(SettingsWriter, RefusedSavesAreShownOnceAndNeverStopTheClose) {
  for (auto how : {RefusingStorage::Refuses::OpeningForWrite, RefusingStorage::Refuses::EachValue}) {
    FakeClock clock;
    ClockState state(clock);
    state.FClockType = ctStopwatch;
    RefusingStorage settings(how);
    settings.stored.Section(kMainSection)["ClockType"] = "1";
    std::vector<std::string> shown;
    SettingsWriter writer([&](const std::string& m) { shown.push_back(m); });

    // "Exit" saves, then the close query and the close save again: one message in all.
    for (int save = 0; save < 3; ++save) EXPECT_FALSE(writer.SaveMain(settings, state, Placement()));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(Contains(shown[0], "cannot save its settings")) << shown[0];
    EXPECT_EQ(settings.stored.Section(kMainSection)["ClockType"], "1") << "what was stored is untouched";

    MemoryStorage writable;
    EXPECT_TRUE(writer.SaveMain(writable, state, Placement())) << "a refusal does not stick to the writer";
    EXPECT_EQ(writable.Section(kMainSection)["ClockType"], "3");
  }
}

TEST(SettingsWriter, TheEndOfTheSessionShowsNothingAndLeavesTheReportForLater) {
  FakeClock clock;
  ClockState state(clock);
  RefusingStorage settings;
  std::vector<std::string> shown;
  SettingsWriter writer([&](const std::string& m) { shown.push_back(m); });
  EXPECT_FALSE(writer.SaveMain(settings, state, Placement(), SettingsWriter::WhenRefused::StayQuiet));
  EXPECT_TRUE(shown.empty());
  // A session end that was called off, then "Exit": now it is said.
  EXPECT_FALSE(writer.SaveMain(settings, state, Placement()));
  EXPECT_EQ(shown.size(), 1u);
}

TEST(SettingsWriter, NameIsTheFileNameAndDataTheQuotedPath) {
  struct Case {
    const char* path;
    const char* name;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Ormel Clock\\OrmelClock.exe", "OrmelClock"},
      {"C:\\Clock\\OrmelClock.exe", "OrmelClock"},
      {"C:\\my.tools\\clock", "clock"},
      {"C:\\x\\archive.tar.exe", "archive.tar"},
      {"OrmelClock.EXE", "OrmelClock"},
      {"/unix/style/OrmelClock.exe", "OrmelClock"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunValueName(c.path), c.name) << c.path;
    EXPECT_EQ(RunValueData(c.path), std::string("\"") + c.path + "\"") << c.path;
  }
}

TEST(SettingsWriter, TheMarkWritesOrDeletesTheValue) {
  MemoryStorage storage;
  auto run = storage.OpenForWrite("Run");
  storage.Section("Run")["Other"] = "other.exe";
  ApplyLoadAtStartup(*run, "C:\\Old Place\\OrmelClock.exe", true);
  // Moving the program and starting it again rewrites the path.
  ApplyLoadAtStartup(*run, "C:\\New Place\\OrmelClock.exe", true);
  EXPECT_EQ(storage.Section("Run")["OrmelClock"], "\"C:\\New Place\\OrmelClock.exe\"");
  ApplyLoadAtStartup(*run, "C:\\New Place\\OrmelClock.exe", false);
  EXPECT_EQ(storage.Section("Run").count("OrmelClock"), 0u);
  EXPECT_EQ(storage.Section("Run")["Other"], "other.exe");
  // Deleting a value that is not there is no failure.
  ApplyLoadAtStartup(*run, "C:\\New Place\\OrmelClock.exe", false);
}
