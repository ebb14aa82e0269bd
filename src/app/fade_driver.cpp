#include "app/fade_driver.h"

ScreenPoint WindowCentre(const FormRect& r) { return WindowCentre(r.left, r.top, r.right - r.left, r.bottom - r.top); }

void StartUpFade(FadeState& fade, FadeHost& host) {
  StartUpFade(fade, WindowCentre(host.WindowRect()));
  host.StartFadeTimer();
}

void HideOrShow(FadeState& fade, FadeHost& host) {
  const ScreenPoint cursor = host.CursorPos();
  host.BringToFront();
  if (RequestHideShow(fade, cursor, host.WindowVisible(), WindowCentre(host.WindowRect()))) host.ShowNormally();
  host.StartFadeTimer();
}

void RevealForAlarm(FadeState& fade, FadeHost& host) {
  host.ShowNormally();
  host.BringToFront();
  ShowForAlarm(fade);
  host.StartFadeTimer();
}

void fadeTimerTimer(FadeState& fade, const TBitmap32& frame, TBitmap32& zoom, FadeHost& host) {
  if (frame.Empty()) return;
  const FadeStepResult r = FadeStep(fade, frame, zoom);
  host.MoveWindowTo(r.left, r.top);
  if (!host.PresentZoom(r.left, r.top, r.constantAlpha) && ShouldReportUpdateFailure(fade))
    host.ReportUpdateFailure();
  if (r.stopTimer) {
    host.StopFadeTimer();
    zoom.Free();  // between fades the window shows the frame itself
  }
  if (r.redraw) host.FaceChanged();
  if (r.hideWindow) host.HideWindow();
  if (r.closeAgain) host.AskToClose();
}

void UpdateDisplay(const FadeState& fade, FadeHost& host) {
  if (!host.WindowVisible()) return;
  host.ComposeFrame();
  if (!fade.running) host.PresentFrame();
}
