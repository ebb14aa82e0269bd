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

// What every close does before its first save: a hidden clock goes home, so that the centre
// taken here, and with it every save of this close, is the visible one; the stopwatches fold;
// the closing fade shrinks toward where the clock stands (home, when a fade is under way).
std::optional<ScreenPoint> BeforeExitSave(ClockState& state, FadeState& fade, bool visible, const FormRect& window) {
  std::optional<ScreenPoint> home;
  if (!visible) {
    const FormRect r = ShownRect(window, fade, false);
    home = ScreenPoint{r.left, r.top};
  }
  FoldRunningStopwatches(state);
  fade.zoomOrigin = fade.homeCenter = WindowCentre(ShownRect(window, fade, visible));
  return home;
}

AfterClosingSave AfterExitSave(FadeState& fade) {
  fade.closeAfterFade = true;
  return AfterClosingSave::AskToClose;
}

std::optional<ScreenPoint> BeforeCloseSave(ClockState& state, FadeState& fade, bool visible, const FormRect& window) {
  // A close that "Exit" or an earlier request did not start (Alt+F4, a close asked by another
  // program) prepares as "Exit" does.
  if (fade.closeAfterFade) return std::nullopt;
  return BeforeExitSave(state, fade, visible, window);
}

AfterClosingSave AfterCloseSave(FadeState& fade) {
  // Refused for now while the fade runs; the fade's end asks again.
  return BeginClosingFade(fade) ? AfterClosingSave::FreeWindow : AfterClosingSave::StartFadeTimer;
}
