#pragma once
#include <optional>

#include "app/clock_state.h"
#include "app/settings_placement.h"
#include "app/settings_storage.h"
#include "time/zone_list.h"

// Storage keys under the current user's root, and the forms' sections in them.
inline constexpr char kMainStorageKey[] = "Software\\Kandrel";
inline constexpr char kMainSection[] = "OrmelClock";
inline constexpr char kTimerStorageKey[] = "Software\\Kandrel\\OrmelClock";
inline constexpr char kTimerSection[] = "Timer";

// What the main window does once a restore has set the state (the mode among it, which the
// skin buttons' tips follow), in this order: the Run value follows "Load at Startup", the
// window takes the "On Top" band of the restored mark (OnTop1Click), then the place, if any.
struct MainFormRestore {
  bool loadAtStartup = true;  // LoadatStartup1Click: the Run value written, or deleted when false
  std::optional<FormPlacement> placement;
};

// FormStorage1 save: "FormVersion", the position, the stored properties in list
// order, then the main window's own values.
void SaveMainForm(SettingsStorage& storage, const ClockState& state, const FormPlacement& placement);

// FormStorage1 restore. The zone id and key name are taken as saved; ResolveSavedZone
// then checks them against the zone list. Missing values keep the defaults; a value that does not
// read (a date in another locale, a mode out of range, an impossible timer length,
// a skin name that leaves the face folder) keeps the current value and the rest
// goes on.
MainFormRestore RestoreMainForm(SettingsStorage& storage, ClockState& state, const FormPlacement& current);

// After the settings are read: the zone id the saved key name gives. Old settings
// take the key name of the zone at their id, so the next save writes it. The key name
// of a zone that is gone is kept, so the zone comes back if it returns.
void ResolveSavedZone(const TQvRegistryTimeZones& zones, ClockState& state);

// The timer dialog's own section: its position and cbAutoStart.
void SaveTimerForm(SettingsStorage& storage, const FormPlacement& placement, bool autoStart);
std::optional<FormPlacement> RestoreTimerForm(SettingsStorage& storage, const FormPlacement& current,
                                              bool& autoStart);
