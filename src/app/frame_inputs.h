#pragma once
#include "app/clock_state.h"
#include "skin/compose_frame.h"

// What the face shows of the clock's state at `now`, besides the texts.
FrameInputs FrameInputsFor(const ClockState& state, TDateTime now, bool beepRunning);
