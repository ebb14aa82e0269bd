#pragma once
#include "image/image_loader_registry.h"

// The PNG decoder registered as "PNG" / "Portable Network Graphics" while this lives;
// the program keeps one from start-up to exit.
class PngFormatRegistration {
 public:
  PngFormatRegistration();

 private:
  ScopedImageFormat registration_;
};
