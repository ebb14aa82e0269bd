#include "app/frame_update.h"

#include "app/display_texts.h"
#include "skin/standin_frame.h"

void ComposeClockFrame(ClockState& state, TDateTime now, uint64_t uptimeMs, TBitmap32& frame) {
  ComputeDisplayTexts(state, now, uptimeMs);
  DrawStandInFrame(frame, state.hands);
}
