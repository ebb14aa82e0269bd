#pragma once
#include <cstdint>

#include "app/clock_state.h"
#include "app/settings_placement.h"
#include "app/settings_writer.h"
#include "skin/fade.h"

// Steps shared by every way the clock ends: "Exit", the close request and the end of the session.

// What the closing steps ask of the clock window.
class ClosingHost {
 public:
  virtual ~ClosingHost() = default;
  virtual bool WindowVisible() = 0;
  virtual FormRect WindowRect() = 0;
  virtual void MoveWindowTo(int32_t left, int32_t top) = 0;
  virtual void SaveSettings(SettingsWriter::WhenRefused whenRefused) = 0;
  virtual void StartFadeTimer() = 0;
  // Asks the window to close later, from the message loop: FormClose runs then.
  virtual void AskToClose() = 0;
  // Frees the window, which ends the program.
  virtual void FreeWindow() = 0;
};

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

// "Exit": a hidden clock goes home first, the stopwatches fold, the settings are saved, and the
// close request starts the closing fade toward the window's centre.
void Exit1Click(ClockState& state, FadeState& fade, ClosingHost& host);

// The close request, whatever asks for it: saves what "Exit" saves; the first request starts
// the closing fade and is refused, the one the fade's end sends frees the window.
void FormClose(ClockState& state, FadeState& fade, ClosingHost& host);

// The session ends the process once this returns: the steps of "Exit", without its fade, and
// without showing a refused save, which would only hold up the logoff.
void EndSession(ClockState& state, ClosingHost& host);
