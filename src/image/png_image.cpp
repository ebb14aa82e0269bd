#include "image/png_image.h"

TPngImage::TPngImage() {
  paletteAlpha.fill(255);
  for (int i = 0; i < 256; ++i) {
    gammaTable[i] = static_cast<uint8_t>(i);
    inverseGammaTable[i] = static_cast<uint8_t>(i);
  }
}
