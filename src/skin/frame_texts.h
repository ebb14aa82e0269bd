#pragma once
#include <string>

// The texts one frame shows.
struct FrameTexts {
  std::string title;
  std::string time;  // already cut or padded to 8 characters
  std::string date;
  std::string amPm;
  std::string weekday;
};
