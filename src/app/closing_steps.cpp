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

namespace {

// What every close does before its first save: a hidden clock goes home, so that the centre
// taken here, and with it every save of this close, is the visible one; the stopwatches fold;
// the closing fade shrinks toward where the clock stands (home, when a fade is under way).
void PrepareToClose(ClockState& state, FadeState& fade, ClosingHost& host) {
  const bool visible = host.WindowVisible();
  if (!visible) {
    const FormRect home = ShownRect(host.WindowRect(), fade, false);
    host.MoveWindowTo(home.left, home.top);
  }
  FoldRunningStopwatches(state);
  fade.zoomOrigin = fade.homeCenter = WindowCentre(ShownRect(host.WindowRect(), fade, visible));
}

}  // namespace

void Exit1Click(ClockState& state, FadeState& fade, ClosingHost& host) {
  PrepareToClose(state, fade, host);
  host.SaveSettings(SettingsWriter::WhenRefused::ShowOnce);
  fade.closeAfterFade = true;
  host.AskToClose();
}

void FormClose(ClockState& state, FadeState& fade, ClosingHost& host) {
  // A close that "Exit" or an earlier request did not start (Alt+F4, a close asked by another
  // program) prepares as "Exit" does.
  if (!fade.closeAfterFade) PrepareToClose(state, fade, host);
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
