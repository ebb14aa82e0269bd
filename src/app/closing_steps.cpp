#include "app/closing_steps.h"

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
