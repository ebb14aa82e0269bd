#include "app/fade_driver.h"

ScreenPoint WindowCentre(const FormRect& r) { return WindowCentre(r.left, r.top, r.right - r.left, r.bottom - r.top); }

FadeTimerOutcome FadeTimerStep(FadeState& fade, const TBitmap32& frame, TBitmap32& zoom, const PresentZoomAt& present) {
  FadeTimerOutcome out;
  if (frame.Empty()) return out;
  const FadeStepResult r = FadeStep(fade, frame, zoom);
  out.reportFailure = !present(r.left, r.top, r.constantAlpha) && ShouldReportUpdateFailure(fade);
  if (r.stopTimer) zoom.Free();
  out.stopTimer = r.stopTimer;
  out.redraw = r.redraw;
  out.hideWindow = r.hideWindow;
  out.closeAgain = r.closeAgain;
  return out;
}

FrameUpdate FrameUpdateFor(const FadeState& fade, bool windowVisible) {
  if (!windowVisible) return FrameUpdate::None;
  return fade.running ? FrameUpdate::ComposeOnly : FrameUpdate::ComposeAndPresent;
}
