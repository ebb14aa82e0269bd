#include "image/png_pixel_decoder.h"

#include <algorithm>
#include <vector>

#include "image/png_sample_converter.h"
#include "image/png_unfilter.h"

namespace {

struct Pass {
  uint32_t x0, y0, dx, dy;
};

constexpr Pass kWholeImage[] = {{0, 0, 1, 1}};
constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                           {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

unsigned BitsPerPixel(const PngHeader& h) {
  static const unsigned kChannels[] = {1, 0, 3, 1, 2, 0, 4};
  return kChannels[h.colorType] * h.bitDepth;
}

}  // namespace

void DecodePngPixels(TPngImage& image, PngIdatStream& idat) {
  const PngHeader& h = image.header;
  const size_t width = h.width, height = h.height;
  image.colors.assign(width * height, 0);
  image.alpha.assign(width * height, 255);

  const PngSampleConverter converter(image);
  const unsigned bits = BitsPerPixel(h);
  const size_t bpp = std::max(1u, bits / 8);
  // One filter byte, then the row; both rows are sized for the widest pass.
  const size_t maxRowBytes = (width * bits + 7) / 8;
  std::vector<uint8_t> current(maxRowBytes + 1), prior(maxRowBytes + 1);

  const Pass* begin = h.interlace ? std::begin(kAdam7) : std::begin(kWholeImage);
  const Pass* end = h.interlace ? std::end(kAdam7) : std::end(kWholeImage);
  for (const Pass* pass = begin; pass != end; ++pass) {
    if (pass->x0 >= width || pass->y0 >= height) continue;  // empty passes carry no rows
    const size_t passWidth = (width - pass->x0 + pass->dx - 1) / pass->dx;
    const size_t rowBytes = (passWidth * bits + 7) / 8;
    std::fill(prior.begin(), prior.begin() + rowBytes + 1, 0);
    for (size_t y = pass->y0; y < height; y += pass->dy) {
      idat.Read(current.data(), rowBytes + 1);
      UnfilterRow(current[0], current.data() + 1, prior.data() + 1, rowBytes, bpp);
      const size_t first = y * width + pass->x0;
      converter.ConvertRow(current.data() + 1, passWidth, image.colors.data() + first,
                           image.alpha.data() + first, pass->dx);
      current.swap(prior);
    }
  }
}
