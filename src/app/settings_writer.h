#pragma once
#include <functional>
#include <set>
#include <string>

#include "app/clock_state.h"
#include "app/settings_placement.h"
#include "app/settings_storage.h"

// The per-user Run key, whose value starts the clock with Windows, as a section of its parent.
inline constexpr char kRunKeyParent[] = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kRunSection[] = "Run";

// The program file's name without its extension.
std::string RunValueName(const std::string& exePath);
// The full path in double quotes, so that a path with blanks starts the program
// rather than whatever its first word names.
std::string RunValueData(const std::string& exePath);

// LoadatStartup1Click: write the value when "Load at Startup" is checked, else delete it.
void ApplyLoadAtStartup(SettingsSection& runKey, const std::string& exePath, bool loadAtStartup);

// The main window's writes to the settings and to the Run key. A refused write (security
// software guarding the Run key, a read-only policy) never stops the clock: each kind of
// refusal is shown once, in words, and the program goes on, so that "Exit" always ends it.
class SettingsWriter {
 public:
  using ShowMessage = std::function<void(const std::string& message)>;
  // At the end of the session nothing is shown: a box would only hold up the logoff of a
  // process that is about to end.
  enum class WhenRefused { ShowOnce, StayQuiet };

  explicit SettingsWriter(ShowMessage show) : show_(std::move(show)) {}

  // FormStorage1 save. False when the registry refused it.
  bool SaveMain(SettingsStorage& storage, const ClockState& state, const FormPlacement& placement,
                WhenRefused whenRefused = WhenRefused::ShowOnce);
  // LoadatStartup1Click: this program's value in the Run section of `runParent` written or
  // deleted by the mark. False when the registry refused it.
  bool UpdateRunValue(SettingsStorage& runParent, const std::string& exePath, bool loadAtStartup);

 private:
  bool Attempt(WhenRefused whenRefused, const std::string& what, const std::function<void()>& write);

  ShowMessage show_;
  std::set<std::string> reported_;  // what could not be written, as shown
};
