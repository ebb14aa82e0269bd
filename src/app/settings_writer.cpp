#include "app/settings_writer.h"

#include <exception>

#include "app/form_storage.h"

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

bool SettingsWriter::SaveMain(SettingsStorage& storage, const ClockState& state, const FormPlacement& placement,
                              WhenRefused whenRefused) {
  return Attempt(whenRefused,
                 "Ormel Clock cannot save its settings: the registry refused them, so the next start will "
                 "not find the mode, the position and the other changes of this session.",
                 [&] { SaveMainForm(storage, state, placement); });
}

bool SettingsWriter::UpdateRunValue(SettingsStorage& runParent, const std::string& exePath, bool loadAtStartup) {
  const char* what = loadAtStartup
                         ? "Ormel Clock cannot start with Windows: the Run key of the registry refused its value."
                         : "Ormel Clock cannot stop starting with Windows: the Run key of the registry refused to "
                           "remove its value.";
  return Attempt(WhenRefused::ShowOnce, what, [&] {
    ApplyLoadAtStartup(*runParent.OpenForWrite(kRunSection), exePath, loadAtStartup);
  });
}

bool SettingsWriter::Attempt(WhenRefused whenRefused, const std::string& what, const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const std::exception& e) {
    if (whenRefused == WhenRefused::ShowOnce && reported_.insert(what).second) show_(what + "\r\n\r\n" + e.what());
    return false;
  }
}
