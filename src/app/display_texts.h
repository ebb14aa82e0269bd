#pragma once
// What a frame shows of the clock's state: its texts, its hands and the rest of its inputs.
#include <cstdint>
#include <string>

#include "app/clock_state.h"
#include "skin/compose_frame.h"
#include "skin/frame_texts.h"

// Cuts the time text to 8 characters, or gives it one leading "0" when shorter.
std::string FitTimeText(std::string text);

// Works out the frame's texts for the mode.
FrameTexts ComputeDisplayTexts(const ClockState& state, TDateTime now, uint64_t uptimeMs);
// The hands the frame shows: a passed countdown stands at zero.
HandAngles ShownHands(const ClockState& state, TDateTime now);
// What the face shows of the clock's state at `now`, besides the texts and the hands.
FrameInputs FrameInputsFor(const ClockState& state, TDateTime now, bool beepRunning);
