#include "skin/fade.h"

#include <algorithm>

#include "skin/nearest_scale.h"
#include "skin/round_half_even.h"

namespace {

void StartTimer(FadeState& fade) {
  fade.running = true;
  fade.failureReported = false;
}

// Appearing: alpha by 7; zoom by 3 when growing in place, by 7 when growing from elsewhere.
bool StepAppearing(FadeState& fade) {
  fade.constantAlpha = static_cast<uint8_t>(std::min(fade.constantAlpha + 7, 255));
  const int32_t s = fade.zoomOrigin == fade.homeCenter ? 3 : 7;
  fade.zoom = fade.zoom >= 255 ? 255 : std::min(fade.zoom + s, 255);
  return fade.constantAlpha == 255 && fade.zoom == 255;
}

// Disappearing: alpha by 10; zoom by 3 when closing (the image fades more than it shrinks),
// by 10 otherwise. An alpha of 0 ends the fade with the zoom at 0 too.
bool StepDisappearing(FadeState& fade) {
  if (fade.constantAlpha > 0) {
    fade.constantAlpha = static_cast<uint8_t>(std::max(fade.constantAlpha - 10, 0));
    if (fade.constantAlpha == 0) fade.zoom = 0;
  } else {
    fade.zoom = 0;
  }
  const int32_t s = fade.closeAfterFade ? 3 : 10;
  fade.zoom = fade.zoom > 0 ? std::max(fade.zoom - s, 0) : 0;
  return fade.zoom == 0 || fade.constantAlpha == 0;
}

}  // namespace

ScreenPoint WindowCentre(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left + width / 2, top + height / 2};
}

void StartUpFade(FadeState& fade, ScreenPoint windowCentre) {
  fade.zoomOrigin = windowCentre;
  fade.homeCenter = windowCentre;
  fade.zoom = 200;
  fade.direction = FadeDirection::Appearing;
  StartTimer(fade);
}

bool RequestHideShow(FadeState& fade, ScreenPoint cursor, bool windowVisible,
                     ScreenPoint windowCentre) {
  fade.zoomOrigin = cursor;
  if (windowVisible) {
    fade.homeCenter = windowCentre;
    fade.direction = FadeDirection::Disappearing;
  } else {
    fade.direction = FadeDirection::Appearing;
  }
  StartTimer(fade);
  return !windowVisible;
}

void ShowForAlarm(FadeState& fade) {
  fade.direction = FadeDirection::Appearing;
  StartTimer(fade);
}

bool BeginClosingFade(FadeState& fade) {
  if (fade.direction == FadeDirection::Disappearing) return true;
  fade.direction = FadeDirection::Disappearing;
  fade.constantAlpha = 255;
  fade.closeAfterFade = true;
  StartTimer(fade);
  return false;
}

int32_t ZoomedSize(int32_t size, int32_t zoom, int32_t minimum) {
  const int64_t scaled = RoundHalfEvenDiv(static_cast<int64_t>(size) * zoom, 255);
  return std::max<int32_t>(minimum, std::min<int64_t>(size, scaled));
}

ScreenPoint ZoomedCentre(const FadeState& fade) {
  const int64_t away = 255 - fade.zoom;
  auto axis = [away](int32_t origin, int32_t home) {
    const int64_t num = (static_cast<int64_t>(origin) - home) * away + static_cast<int64_t>(home) * 255;
    return static_cast<int32_t>(RoundHalfEvenDiv(num, 255));
  };
  return {axis(fade.zoomOrigin.x, fade.homeCenter.x), axis(fade.zoomOrigin.y, fade.homeCenter.y)};
}

void ScaleFrameInto(const TBitmap32& frame, TBitmap32& zoom, int32_t w, int32_t h) {
  if (zoom.width != frame.width || zoom.height != frame.height) zoom.SetSize(frame.width, frame.height);
  zoom.Clear(0);
  if (frame.Empty() || w <= 0 || h <= 0) return;
  const NearestAxis columns(frame.width, w), rows(frame.height, h);
  const int32_t cw = std::min(w, zoom.width);
  const int32_t ch = std::min(h, zoom.height);
  for (int32_t y = 0; y < ch; ++y) ScaleRowNearest(frame.Row(rows[y]), columns, zoom.Row(y), cw);
}

FadeStepResult FadeStep(FadeState& fade, const TBitmap32& frame, TBitmap32& zoom) {
  FadeStepResult r;
  const bool ended = fade.direction == FadeDirection::Appearing ? StepAppearing(fade)
                                                                 : StepDisappearing(fade);
  if (ended) {
    fade.running = false;
    r.stopTimer = true;
    if (fade.direction == FadeDirection::Appearing) {
      r.redraw = true;
    } else {
      r.hideWindow = true;
      r.closeAgain = fade.closeAfterFade;
    }
  }
  r.imageWidth = ZoomedSize(frame.width, fade.zoom, fade.minImageSize);
  r.imageHeight = ZoomedSize(frame.height, fade.zoom, fade.minImageSize);
  const ScreenPoint c = ZoomedCentre(fade);
  r.left = c.x - r.imageWidth / 2;
  r.top = c.y - r.imageHeight / 2;
  r.constantAlpha = fade.constantAlpha;
  ScaleFrameInto(frame, zoom, r.imageWidth, r.imageHeight);
  return r;
}

bool ShouldReportUpdateFailure(FadeState& fade) {
  if (fade.failureReported) return false;
  fade.failureReported = true;
  return true;
}
