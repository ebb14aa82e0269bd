#pragma once
#include <cstdint>
#include <optional>

#include "app/clock_state.h"
#include "app/settings_placement.h"
#include "skin/fade.h"

// Steps shared by every way the clock ends: "Exit", the close request and the end of the session.

// A running stopwatch folds its elapsed time into its total (Stop, then Start), so that the
// saved total holds it: a restore starts counting again from the moment of the restore.
void FoldRunningStopwatches(ClockState& state);

// The window's rectangle as the fully shown clock has it. A fade moves the window along with
// its shrinking image, and a hidden clock stands where it shrank to; either is put back on the
// home centre with its own size, so the saved position is the visible one and starts do not creep.
FormRect ShownRect(const FormRect& window, const FadeState& fade, bool visible);

// The window's placement as the settings keep it: a minimised window says so, and the normal
// rectangle is the shown one.
FormPlacement PlacementToSave(FormPlacement window, bool minimised, const FadeState& fade, bool visible);

// Each close runs in three steps: the core's step before the save, which says where a hidden
// clock must move first (its left, top); the window's save of the settings, which reads the
// window's place after that move and may show a refused write; the core's step after it, which
// says what the window does next. The close is set up only once the save has returned.
enum class AfterClosingSave { AskToClose, FreeWindow, StartFadeTimer };

// "Exit": a hidden clock goes home first and the stopwatches fold; once saved, the close
// request (asked for later, from the message loop) starts the closing fade toward the
// window's centre.
std::optional<ScreenPoint> BeforeExitSave(ClockState& state, FadeState& fade, bool visible, const FormRect& window);
AfterClosingSave AfterExitSave(FadeState& fade);

// The close request (FormClose), whatever asks for it: prepares as "Exit" does unless "Exit"
// or an earlier request did; once saved, the first request starts the closing fade and is
// refused, and the one the fade's end sends frees the window, which ends the program.
std::optional<ScreenPoint> BeforeCloseSave(ClockState& state, FadeState& fade, bool visible, const FormRect& window);
AfterClosingSave AfterCloseSave(FadeState& fade);

// The end of the session ends the process once the window has saved, quietly (a box would
// only hold up the logoff) and without a fade, what FoldRunningStopwatches leaves.
