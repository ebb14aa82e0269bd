#pragma once
#include "app/clock_state.h"
#include "app/settings_placement.h"
#include "skin/fade.h"

// Steps shared by every way the clock ends: "Exit" and the end of the session.

// A running stopwatch folds its elapsed time into its total (Stop, then Start), so that the
// saved total holds it: a restore starts counting again from the moment of the restore.
void FoldRunningStopwatches(ClockState& state);

// The window's rectangle as the fully shown clock has it. A fade moves the window along with
// its shrinking image, and a hidden clock stands where it shrank to; either is put back on the
// home centre with its own size, so the saved position is the visible one and starts do not creep.
FormRect ShownRect(const FormRect& window, const FadeState& fade, bool visible);
