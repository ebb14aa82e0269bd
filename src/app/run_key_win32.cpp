#include "app/run_key_win32.h"

#include "app/registry_storage_win32.h"
#include "app/settings_run_value.h"

std::string ProgramPath() {
  char path[MAX_PATH * 2];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n < sizeof path ? n : 0);
}

void UpdateRunValue(bool loadAtStartup, const std::string& exePath, const std::string& runKey) {
  RegistrySection run(RegistryKey::Create(HKEY_CURRENT_USER, runKey));
  ApplyLoadAtStartup(run, exePath, loadAtStartup);
}
