#include "app/settings_run_value.h"

std::string RunValueName(const std::string& exePath) {
  const size_t slash = exePath.find_last_of("\\/");
  std::string name = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

std::string RunValueData(const std::string& exePath) { return "\"" + exePath + "\""; }

void ApplyLoadAtStartup(SettingsSection& runKey, const std::string& exePath, bool loadAtStartup) {
  if (loadAtStartup) runKey.WriteString(RunValueName(exePath), RunValueData(exePath));
  else runKey.DeleteValue(RunValueName(exePath));
}
