#pragma once
#include <cstdint>

#include "app/clock_state.h"
#include "image/bitmap32.h"

// The frame of one redraw, from the state and the mode's texts (the window and
// the snapshot both draw through here).
void ComposeClockFrame(ClockState& state, TDateTime now, uint64_t uptimeMs, TBitmap32& frame);
