#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/clock_state.h"
#include "time/date_time.h"
#include "time/timer_dialog.h"
#include "time/world_clock_dialog.h"
#include "time/zone_list.h"

// What the menu's commands change in the clock's state: a dialog closed by OK, a skin shown.

// What the main window does with a dialog closed by OK.

// SetCountdown1Click after OK: the new target, the Countdown mode.
void ApplyCountdownTarget(ClockState& state, TDateTime target);

// imer2Click after OK, in this order: reset swTimer, take the duration, start the
// timer when Auto Start is ticked, switch to the Timer mode. Reset keeps a running
// timer running, so its count restarts from the new duration at once.
void ApplyTimerDialog(ClockState& state, const TimerDialogResult& result);

// WorldClock1Click after OK: the zone (and its registry key name, saved beside the id),
// the label, and the Clock mode.
void ApplyWorldClock(ClockState& state, const TQvRegistryTimeZones& zones,
                     const WorldClockChoice& choice);

// Showing a skin on the clock: the start-up load and the Skins submenu's items. Once a skin
// is shown, the window takes the new face's size, the button tips their new places and the
// chime the skin's own sound.

// Loads the named skin into the window; throws OrmelError naming the skin and what is wrong,
// and the skin shown stays then.
using SkinLoad = std::function<void(const std::string& name)>;

// The start-up load of the saved skin, or of a fallback: what to tell the user about the
// skins that did not load, empty when the saved one did. Throws OrmelError when no installed
// skin loads.
std::string ShowStartupSkin(ClockState& state, const std::vector<std::string>& installed, const SkinLoad& load);

// A skin item of the Skins submenu, `index` into its folder names: true once the skin is
// shown, and drawn whole at the next frame. A skin that cannot be shown is refused by the
// load's error and the clock keeps its face.
bool ShowSkinOfItem(ClockState& state, const std::vector<std::string>& skinNames, size_t index, const SkinLoad& load);
