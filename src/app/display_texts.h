#pragma once
#include <cstdint>
#include <string>

#include "app/clock_state.h"

// The texts of one frame, as the current mode shows them.
struct DisplayTexts {
  std::string title;
  std::string time;  // already cut or padded to 8 characters
  std::string date;
  std::string amPm;
  std::string weekday;
};

// Cuts the time text to 8 characters, or gives it one leading "0" when shorter.
std::string FitTimeText(std::string text);

// Works out the frame's texts for the mode; a passed countdown also zeroes the hands.
DisplayTexts ComputeDisplayTexts(ClockState& state, TDateTime now, uint64_t uptimeMs);
