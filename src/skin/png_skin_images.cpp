#include "skin/png_skin_images.h"

#include "skin/image_utils.h"

void PngSkinImages::Load(TBitmap32& target, const std::string& path, uint32_t background) {
  LoadSkinImage(target, path, background);
}
