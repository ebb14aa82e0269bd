#pragma once
#include "skin/skin_image_source.h"

// Skin images from PNG files through LoadSkinImage.
class PngSkinImages : public SkinImageSource {
 public:
  void Load(TBitmap32& target, const std::string& path, uint32_t background) override;
};
