#include "app/frame_inputs.h"

FrameInputs FrameInputsFor(const ClockState& state, TDateTime now, bool beepRunning) {
  FrameInputs in;
  in.titleHot = state.FTitleHot;
  in.beepRunning = beepRunning;
  in.secondEven = DecodeDateTime(now).second % 2 == 0;
  // Only the watch of the mode shown counts: a timer running behind the Stopwatch mode does not.
  in.watchRunning = (state.FClockType == ctStopwatch && state.StopWatch1.Running()) ||
                    (state.FClockType == ctTimer && state.swTimer.Running());
  in.weekdayWithoutHands = state.FClockType == ctClock;
  in.displayArrows = state.FDisplayArrows;
  return in;
}
