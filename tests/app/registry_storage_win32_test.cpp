#include "app/registry_storage_win32.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include "app/form_storage.h"
#include "ui/program_folder_win32.h"
#include "app/settings_writer.h"
#include "base/ormel_error.h"
#include "base/registry_key_win32.h"
#include "support/scratch_registry_key_win32.h"
#include "time/wall_clock.h"

namespace {

class StillClock : public WallClock {
 public:
  TDateTime Now() const override { return 46000.5; }
  TDateTime UtcNow() const override { return Now(); }
};

// What `reg query` would show: the type and the text of one value.
std::pair<DWORD, std::string> QueryValue(const std::string& key, const std::string& name) {
  char data[512] = {};
  DWORD size = sizeof data - 1, type = 0;
  const RegistryKey k = OpenRegistryKey(HKEY_CURRENT_USER, key, KEY_READ);
  if (!k) return {0, "<no key>"};
  const LONG rc = RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  if (rc != ERROR_SUCCESS) return {0, "<no value>"};
  return {type, data};
}

// Sets a key's access list from its text form; the key is created when missing.
void SetAccess(const std::string& key, const char* sddl) {
  const RegistryKey k = CreateRegistryKey(HKEY_CURRENT_USER, key, READ_CONTROL | WRITE_DAC);
  ASSERT_TRUE(k);
  PSECURITY_DESCRIPTOR sd = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr));
  EXPECT_EQ(RegSetKeySecurity(k.get(), DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
  LocalFree(sd);
}

// The program's own key and the Run key stand under the test's scratch key.
struct RegistryStorageTest : ::testing::Test {
  // Guarded keys cannot go until they are writable again.
  void TearDown() override {
    for (const std::string& key : guarded) SetAccess(key, "D:(A;;KA;;;WD)");
  }
  std::string Key(const std::string& sub) { return scratch.Sub(sub); }
  // As security software guarding a key: nobody may write its values or make sub-keys; it still reads.
  void Guard(const std::string& key) {
    SetAccess(key, "D:P(D;;0x6;;;WD)(A;;KA;;;WD)");
    guarded.push_back(key);
  }
  ScratchRegistryKey scratch;
  std::vector<std::string> guarded;
};

}  // namespace

TEST_F(RegistryStorageTest, MissingSectionReadsAsNone) {
  RegistryStorage storage(Key("Kandrel"));
  EXPECT_EQ(storage.OpenForRead("OrmelClock"), nullptr);
}

TEST_F(RegistryStorageTest, MainFormRoundTripThroughTheRegistry) {
  StillClock clock;
  RegistryStorage storage(Key("Kandrel"));
  FormPlacement where;
  where.normal = {40, 50, 232, 242};
  {
    ClockState state(clock);
    state.FClockType = ctUpTime;
    state.FTimerLength = 90.0 / 86400;
    state.FClockLabel = "Home";
    state.FSkinName = "glass";
    state.FDisplayArrows = true;
    state.options.chimes = false;
    SaveMainForm(storage, state, where);
  }
  const std::string section = Key("Kandrel\\OrmelClock");
  EXPECT_EQ(QueryValue(section, "ClockType"), std::make_pair(DWORD(REG_SZ), std::string("2")));
  EXPECT_EQ(QueryValue(section, "bDisplayArrows").second, "-1");
  EXPECT_EQ(QueryValue(section, "Chimes1_Checked").second, "False");
  EXPECT_EQ(QueryValue(section, "NormPos").second, "40,50,232,242");
  EXPECT_EQ(QueryValue(section, "FormVersion").second, "0");

  ClockState state(clock);
  const auto placement = RestoreMainForm(storage, state, where).placement;
  ASSERT_TRUE(placement.has_value());
  EXPECT_EQ(placement->normal.left, 40);
  EXPECT_EQ(state.FClockLabel, "Home");
  EXPECT_EQ(state.FSkinName, "glass");
  EXPECT_NEAR(state.FTimerLength * 86400, 90, 1e-6);
  EXPECT_FALSE(state.options.chimes);
}

TEST_F(RegistryStorageTest, ValuesOfAnotherTypeReadAsMissing) {
  RegistryStorage storage(Key("Kandrel"));
  storage.OpenForWrite("OrmelClock")->WriteString("ClockType", "3");
  {
    const RegistryKey k = OpenRegistryKey(HKEY_CURRENT_USER, Key("Kandrel\\OrmelClock"), KEY_WRITE);
    ASSERT_TRUE(k);
    const DWORD four = 4;
    RegSetValueExA(k.get(), "ClockSkin", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&four), sizeof four);
    RegSetValueExA(k.get(), "FClockLabel", 0, REG_SZ, reinterpret_cast<const BYTE*>("no zero"), 7);  // unterminated
  }
  auto section = storage.OpenForRead("OrmelClock");
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->ReadString("ClockType"), "3");
  EXPECT_EQ(section->ReadString("ClockSkin"), std::nullopt);
  EXPECT_EQ(section->ReadString("FClockLabel"), "no zero");
  EXPECT_EQ(section->ReadString("Nothing"), std::nullopt);
  section.reset();
  auto writer = storage.OpenForWrite("OrmelClock");
  writer->DeleteValue("ClockType");
  EXPECT_EQ(writer->ReadString("ClockType"), std::nullopt);
}

// The registry keeps text as UTF-16: what an earlier version wrote through the code page reads
// back as it was, and a label in any script is stored as the UTF-16 any Windows program reads.
TEST_F(RegistryStorageTest, TextInAnyScriptIsStoredAsUtf16) {
  RegistryStorage storage(Key("Kandrel"));
  storage.OpenForWrite("OrmelClock")->WriteString("FClockLabel", "東京 Zürich");
  const RegistryKey k = OpenRegistryKey(HKEY_CURRENT_USER, Key("Kandrel\\OrmelClock"), KEY_READ | KEY_WRITE);
  ASSERT_TRUE(k);
  wchar_t stored[64] = {};
  DWORD size = sizeof stored - sizeof(wchar_t), type = 0;
  ASSERT_EQ(RegQueryValueExW(k.get(), L"FClockLabel", nullptr, &type, reinterpret_cast<BYTE*>(stored), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(stored), L"\u6771\u4eac Z\u00fcrich");
  // "Zürich" in code page 1252, as an earlier version wrote it.
  RegSetValueExA(k.get(), "ClockSkin", 0, REG_SZ, reinterpret_cast<const BYTE*>("Z\xFCrich"), 7);
  auto section = storage.OpenForRead("OrmelClock");
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->ReadString("FClockLabel"), "東京 Zürich");
  EXPECT_EQ(section->ReadString("ClockSkin"), "Zürich");
}

TEST_F(RegistryStorageTest, TimerSectionKeepsAutoStart) {
  RegistryStorage storage(Key("Kandrel\\OrmelClock"));
  FormPlacement where;
  where.normal = {300, 200, 541, 345};
  SaveTimerForm(storage, where, false);
  EXPECT_EQ(QueryValue(Key("Kandrel\\OrmelClock\\Timer"), "cbAutoStart_Checked").second, "False");
  bool autoStart = true;
  const auto placement = RestoreTimerForm(storage, where, autoStart);
  EXPECT_FALSE(autoStart);
  ASSERT_TRUE(placement.has_value());
  EXPECT_EQ(placement->normal.top, 200);
}

TEST_F(RegistryStorageTest, RunValueIsTheQuotedPathAndGoesWithTheMark) {
  RegistryStorage runParent(Key("CurrentVersion"));
  const std::string run = Key("CurrentVersion\\Run");
  const std::string exe = "C:\\Program Files\\Ormel Clock\\OrmelClock.exe";
  SettingsWriter writer([](const std::string& m) { ADD_FAILURE() << m; });
  EXPECT_TRUE(writer.UpdateRunValue(runParent, exe, true));
  EXPECT_EQ(QueryValue(run, "OrmelClock"), std::make_pair(DWORD(REG_SZ), "\"" + exe + "\""));
  EXPECT_TRUE(writer.UpdateRunValue(runParent, exe, false));
  EXPECT_EQ(QueryValue(run, "OrmelClock").second, "<no value>");
  EXPECT_TRUE(writer.UpdateRunValue(runParent, exe, false)) << "already gone: no failure";
}

TEST_F(RegistryStorageTest, AGuardedRunKeyRefusesTheValueInWordsOnce) {
  RegistryStorage runParent(Key("CurrentVersion"));
  const std::string exe = "C:\\Ormel Clock\\OrmelClock.exe";
  ASSERT_TRUE(SettingsWriter([](const std::string&) {}).UpdateRunValue(runParent, exe, true));
  Guard(Key("CurrentVersion\\Run"));
  std::vector<std::string> shown;
  SettingsWriter writer([&](const std::string& m) { shown.push_back(m); });
  EXPECT_FALSE(writer.UpdateRunValue(runParent, exe, true));
  EXPECT_FALSE(writer.UpdateRunValue(runParent, exe, true));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("cannot start with Windows"), std::string::npos) << shown[0];
  EXPECT_NE(shown[0].find("CurrentVersion\\Run"), std::string::npos) << "names the key: " << shown[0];
  EXPECT_FALSE(writer.UpdateRunValue(runParent, exe, false)) << "nor may the value be removed";
  EXPECT_EQ(QueryValue(Key("CurrentVersion\\Run"), "OrmelClock").second, "\"" + exe + "\"");
}

TEST_F(RegistryStorageTest, RefusedSettingsStillRestoreWhatIsStored) {
  StillClock clock;
  RegistryStorage storage(Key("Kandrel"));
  FormPlacement where;
  where.normal = {40, 50, 232, 242};
  ClockState saved(clock);
  saved.FClockLabel = "Home";
  SaveMainForm(storage, saved, where);
  // The section guarded, then its storage key too: writes are refused, reads are not.
  for (const char* key : {"Kandrel\\OrmelClock", "Kandrel"}) {
    Guard(Key(key));
    ClockState state(clock);
    state.FClockLabel = "Away";
    try {
      SaveMainForm(storage, state, where);
      ADD_FAILURE() << key << ": the save was not refused";
    } catch (const OrmelError& e) {
      EXPECT_NE(std::string(e.what()).find("refused"), std::string::npos) << e.what();
    }
    ClockState restored(clock);
    EXPECT_TRUE(RestoreMainForm(storage, restored, where).placement.has_value()) << key;
    EXPECT_EQ(restored.FClockLabel, "Home") << key;
  }
}

TEST_F(RegistryStorageTest, ASectionThatCannotBeMadeUnderAVolatileKeyIsRefused) {
  HKEY k = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Key("Kandrel").c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &k, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(k);
  RegistryStorage storage(Key("Kandrel"));
  EXPECT_THROW(storage.OpenForWrite("OrmelClock"), OrmelError);
  EXPECT_EQ(storage.OpenForRead("OrmelClock"), nullptr);
}

TEST(RunKey, ProgramPathIsTheRunningExe) {
  const std::string path = ProgramPath();
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), ".exe") << path;
  EXPECT_EQ(path.find('"'), std::string::npos) << path;
}
