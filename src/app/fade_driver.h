#pragma once
#include <cstdint>
#include <functional>

#include "app/settings_placement.h"
#include "image/bitmap32.h"
#include "skin/fade.h"

// The window's side of the fade: each step of fadeTimer, and the frame update that a running
// fade holds back. The window starts fades itself (StartUpFade, RequestHideShow, ShowForAlarm).

// The centre of the window's rectangle.
ScreenPoint WindowCentre(const FormRect& window);

// Moves the window to (left, top) and presents the zoom image there with the fade's constant
// alpha; false when the window update failed.
using PresentZoomAt = std::function<bool(int32_t left, int32_t top, uint8_t constantAlpha)>;

// What the window does after a step, in this order.
struct FadeTimerOutcome {
  bool reportFailure = false;  // the system's text for the failed update, once a fade
  bool stopTimer = false;      // the zoom image has been given back: between fades the window shows the frame
  bool redraw = false;
  bool hideWindow = false;
  bool closeAgain = false;     // ask the window to close, from the message loop
};

// One step of fadeTimer on the last composed frame; until the first tick composes one there
// is nothing to scale and the step waits.
FadeTimerOutcome FadeTimerStep(FadeState& fade, const TBitmap32& frame, TBitmap32& zoom, const PresentZoomAt& present);

// The frame update: a hidden window draws nothing, and while a fade runs its next step
// presents the new frame.
enum class FrameUpdate { None, ComposeOnly, ComposeAndPresent };
FrameUpdate FrameUpdateFor(const FadeState& fade, bool windowVisible);
