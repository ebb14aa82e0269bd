#pragma once
#include <cstdint>

#include "image/bitmap32.h"

// The fade and zoom of the window: every 10 ms step moves the window blend's constant alpha
// and the zoom level, and re-scales the last composed frame toward or from a screen point.
//
// How the window uses it (with app/fade_driver and app/closing_steps):
//   start-up        StartUpFade(fade, WindowCentre(...)), then enable fadeTimer
//   tray Show/Hide  if (RequestHideShow(fade, cursor, visible, WindowCentre(...))) show the window
//   alarm reveal    ShowForAlarm(fade)
//   FormClose       if (!BeginClosingFade(fade)) refuse this close
//   fadeTimerTimer  r = FadeStep(fade, frame, zoom); move the window to (r.left, r.top), which is
//                   also the destination point; UpdateLayeredWindow with the zoom bitmap and
//                   constant alpha r.constantAlpha; on failure report it when
//                   ShouldReportUpdateFailure(fade); then act on r.stopTimer, r.redraw,
//                   r.hideWindow and r.closeAgain in that order.
// While fade.running the frame update composes but does not present.

enum class FadeDirection : uint8_t { Appearing = 0, Disappearing = 1 };

struct ScreenPoint {
  int32_t x = 0, y = 0;
  bool operator==(const ScreenPoint& o) const { return x == o.x && y == o.y; }
};

// The smallest image of the fade, in face pixels.
inline constexpr int32_t kMinFadeImageSize = 16;

struct FadeState {
  FadeDirection direction = FadeDirection::Appearing;
  int32_t zoom = 200;          // 255 = full size
  uint8_t constantAlpha = 0;   // the window blend's constant alpha
  ScreenPoint zoomOrigin;      // the image shrinks toward it and grows from it
  ScreenPoint homeCenter;      // centre of the fully shown window
  bool closeAfterFade = false;
  bool running = false;        // fadeTimer enabled
  bool failureReported = false;  // a failed window update was shown during this fade
  int32_t minImageSize = kMinFadeImageSize;  // in device pixels: the face pixels scaled
};

struct FadeStepResult {
  int32_t left = 0, top = 0;     // window position and destination point
  int32_t imageWidth = 0, imageHeight = 0;  // the scaled image in the zoom bitmap's top-left
  uint8_t constantAlpha = 0;     // present the zoom bitmap with this
  bool stopTimer = false;
  bool redraw = false;           // appearing ended: run a full frame update
  bool hideWindow = false;
  bool closeAgain = false;       // the closing fade ended: close the window (it is freed now)
};

// (left + width div 2, top + height div 2).
ScreenPoint WindowCentre(int32_t left, int32_t top, int32_t width, int32_t height);

void StartUpFade(FadeState& fade, ScreenPoint windowCentre);
// Returns true when the window is hidden and must be shown normally before the fade.
bool RequestHideShow(FadeState& fade, ScreenPoint cursor, bool windowVisible,
                     ScreenPoint windowCentre);
void ShowForAlarm(FadeState& fade);
// Returns whether the close may go ahead (a disappearing fade already ran).
bool BeginClosingFade(FadeState& fade);

// Size of the scaled image: max(minimum, min(size, round(size × zoom / 255))), halves to even.
int32_t ZoomedSize(int32_t size, int32_t zoom, int32_t minimum);
// The image centre: the home centre at zoom 255, the zoom origin at zoom 0.
ScreenPoint ZoomedCentre(const FadeState& fade);

// Clears `zoom` to transparent black and copies `frame` scaled into its top-left w × h
// (nearest neighbour, no blending). `zoom` takes the frame's size.
void ScaleFrameInto(const TBitmap32& frame, TBitmap32& zoom, int32_t w, int32_t h);

// One fade step over the window of the frame's size.
FadeStepResult FadeStep(FadeState& fade, const TBitmap32& frame, TBitmap32& zoom);

// True the first time a window update fails during the current fade.
bool ShouldReportUpdateFailure(FadeState& fade);
