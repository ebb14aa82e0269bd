#pragma once
#include <optional>

#include "app/clock_state.h"
#include "app/settings_placement.h"
#include "app/settings_storage.h"

// Storage keys under the current user's root, and the forms' sections in them.
inline constexpr char kMainStorageKey[] = "Software\\Kandrel";
inline constexpr char kMainSection[] = "OrmelClock";
inline constexpr char kTimerStorageKey[] = "Software\\Kandrel\\OrmelClock";
inline constexpr char kTimerSection[] = "Timer";

// The main window's steps that a restore runs, in its order.
class FormStorageHost {
 public:
  virtual ~FormStorageHost() = default;
  virtual void LoadatStartup1Click() = 0;
  virtual void SetClockType(ClockType type) = 0;
  virtual void OnTop1Click() = 0;
};

// FormStorage1 save: "FormVersion", the position, the stored properties in list
// order, then the main window's own values.
void SaveMainForm(SettingsStorage& storage, const ClockState& state, const FormPlacement& placement);

// FormStorage1 restore. The zone id and key name are taken as saved; ResolveSavedZone
// then checks them against the zone list. Missing values keep the defaults; a value that does not
// read (a date in another locale, a mode out of range, an impossible timer length,
// a skin name that leaves the face folder) keeps the current value and the rest
// goes on. Returns the placement the window is to take, if any.
std::optional<FormPlacement> RestoreMainForm(SettingsStorage& storage, ClockState& state,
                                             const FormPlacement& current, FormStorageHost& host);

// The timer dialog's own section: its position and cbAutoStart.
void SaveTimerForm(SettingsStorage& storage, const FormPlacement& placement, bool autoStart);
std::optional<FormPlacement> RestoreTimerForm(SettingsStorage& storage, const FormPlacement& current,
                                              bool& autoStart);
