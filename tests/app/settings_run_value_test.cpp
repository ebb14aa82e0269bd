#include "app/settings_run_value.h"

#include <gtest/gtest.h>

#include "support/memory_storage.h"

TEST(SettingsRunValue, NameIsTheFileNameAndDataTheQuotedPath) {
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

TEST(SettingsRunValue, TheMarkWritesOrDeletesTheValue) {
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
