#pragma once
#include <cstdint>
#include <string>

#include "image/bitmap32.h"

// Where the loader gets its images: fills the target from the PNG at `path` over the
// background colour (0x00BBGGRR); the target takes the image's size. Failures throw
// OrmelError with the decoder's message.
class SkinImageSource {
 public:
  virtual ~SkinImageSource() = default;
  virtual void Load(TBitmap32& target, const std::string& path, uint32_t background) = 0;
};
