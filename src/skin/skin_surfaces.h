#pragma once
#include <string>

#include "image/bitmap32.h"
#include "skin/rot_layer.h"

// Every surface one skin load builds; frames reuse them and never allocate their own.
struct SkinSurfaces {
  TBitmap32 face;
  TBitmap32 buttonStrip;
  TBitmap32 glass;
  TBitmap32 amPm;  // loaded and kept, never drawn
  TRotLayer overlay;  // face-sized as loaded; the drawn skin draws its overlay in the frame
  TRotLayer hours, minutes, seconds;
  TBitmap32 frame;  // composition target
  TBitmap32 zoom;   // fade and zoom target
  std::string chimePath;  // relative to the program folder
};
