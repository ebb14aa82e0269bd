#include "app/closing_steps.h"

#include "app/fade_driver.h"

void FoldRunningStopwatches(ClockState& state) {
  for (TStopWatch* sw : {&state.StopWatch1, &state.swTimer}) {
    if (!sw->Running()) continue;
    sw->Stop();
    sw->Start();
  }
}

FormRect ShownRect(const FormRect& window, const FadeState& fade, bool visible) {
  if (visible && fade.zoom == 255) return window;
  const int32_t w = window.right - window.left, h = window.bottom - window.top;
  FormRect r;
  r.left = fade.homeCenter.x - w / 2;
  r.top = fade.homeCenter.y - h / 2;
  r.right = r.left + w;
  r.bottom = r.top + h;
  return r;
}

FormPlacement PlacementToSave(FormPlacement window, bool minimised, const FadeState& fade, bool visible) {
  if (minimised) window.showCmd = kShowMinimized;
  window.normal = ShownRect(window.normal, fade, visible);
  return window;
}

void Exit1Click(ClockState& state, FadeState& fade, ClosingHost& host) {
  // Home before anything else: the centre taken below, and with it every save of this close,
  // is then the visible one.
  if (!host.WindowVisible()) {
    const FormRect home = ShownRect(host.WindowRect(), fade, false);
    host.MoveWindowTo(home.left, home.top);
  }
  FoldRunningStopwatches(state);
  host.SaveSettings(SettingsWriter::WhenRefused::ShowOnce);
  fade.closeAfterFade = true;
  fade.zoomOrigin = fade.homeCenter = WindowCentre(host.WindowRect());
  host.AskToClose();
}

void FormClose(FadeState& fade, ClosingHost& host) {
  host.SaveSettings(SettingsWriter::WhenRefused::ShowOnce);
  if (BeginClosingFade(fade))
    host.FreeWindow();
  else
    host.StartFadeTimer();  // the close is refused for now; the fade's end asks again
}

void EndSession(ClockState& state, ClosingHost& host) {
  FoldRunningStopwatches(state);
  host.SaveSettings(SettingsWriter::WhenRefused::StayQuiet);
}
