#pragma once
#include <cstdint>
#include <string>

#include "app/clock_state.h"
#include "skin/frame_texts.h"

// Cuts the time text to 8 characters, or gives it one leading "0" when shorter.
std::string FitTimeText(std::string text);

// Works out the frame's texts for the mode.
FrameTexts ComputeDisplayTexts(const ClockState& state, TDateTime now, uint64_t uptimeMs);
// The hands the frame shows: a passed countdown stands at zero.
HandAngles ShownHands(const ClockState& state, TDateTime now);
