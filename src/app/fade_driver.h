#pragma once
#include <cstdint>

#include "app/settings_placement.h"
#include "image/bitmap32.h"
#include "skin/fade.h"

// The window's side of the fade: what starts it, each step of fadeTimer, and the frame
// update that a running fade holds back.

// The centre of the window's rectangle.
ScreenPoint WindowCentre(const FormRect& window);

// What the fade asks of the clock window.
class FadeHost {
 public:
  virtual ~FadeHost() = default;
  virtual bool WindowVisible() = 0;
  virtual FormRect WindowRect() = 0;
  virtual ScreenPoint CursorPos() = 0;
  virtual void BringToFront() = 0;
  virtual void ShowNormally() = 0;
  virtual void HideWindow() = 0;
  virtual void MoveWindowTo(int32_t left, int32_t top) = 0;
  virtual void StartFadeTimer() = 0;
  virtual void StopFadeTimer() = 0;
  // The zoom bitmap onto the window at (left, top) with the fade's constant alpha; false
  // when the window update failed.
  virtual bool PresentZoom(int32_t left, int32_t top, uint8_t constantAlpha) = 0;
  // Shows the system's text for the failed update; called right after it.
  virtual void ReportUpdateFailure() = 0;
  virtual void ComposeFrame() = 0;
  virtual void PresentFrame() = 0;
  virtual void FaceChanged() = 0;
  // Asks the window to close later, from the message loop.
  virtual void AskToClose() = 0;
};

// Start-up: the window grows in place from 200/255 of its size.
void StartUpFade(FadeState& fade, FadeHost& host);
// The tray click and "Show/Hide": a shown clock shrinks toward the cursor, a hidden one is
// shown and grows from it.
void HideOrShow(FadeState& fade, FadeHost& host);
// A countdown or timer end while hidden: shown normally, in front, fading in.
void RevealForAlarm(FadeState& fade, FadeHost& host);

// One step of fadeTimer on the last composed frame; until the first tick composes one there
// is nothing to scale and the step waits.
void fadeTimerTimer(FadeState& fade, const TBitmap32& frame, TBitmap32& zoom, FadeHost& host);

// The frame update: a hidden window draws nothing, and while a fade runs its next step
// presents the new frame.
void UpdateDisplay(const FadeState& fade, FadeHost& host);
