#pragma once
#include "app/clock_state.h"
#include "image/bitmap32.h"

// A plain face used until a skin is loaded: a soft disc and three hands.
void DrawStandInFrame(TBitmap32& frame, const HandAngles& hands);
