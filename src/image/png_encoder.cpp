#include "image/png_encoder.h"

#include <zlib.h>

#include <cstring>

#include "base/ormel_error.h"

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 24));
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

void PutChunk(std::vector<uint8_t>& out, const char* name, const std::vector<uint8_t>& data) {
  PutU32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), name, name + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutU32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

uint8_t Unpremultiply(uint8_t c, uint8_t a) {
  if (a == 0) return 0;
  const unsigned v = (c * 255u + a / 2) / a;
  return static_cast<uint8_t>(v > 255 ? 255 : v);
}

}  // namespace

std::vector<uint8_t> EncodePngFromPremultiplied(const TBitmap32& bitmap) {
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(bitmap.height) * (bitmap.width * 4 + 1));
  for (int y = 0; y < bitmap.height; ++y) {
    raw.push_back(0);  // filter type None
    const uint32_t* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.width; ++x) {
      const uint32_t p = row[x];
      const uint8_t a = AlphaOf(p);
      raw.push_back(Unpremultiply(RedOf(p), a));
      raw.push_back(Unpremultiply(GreenOf(p), a));
      raw.push_back(Unpremultiply(BlueOf(p), a));
      raw.push_back(a);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
    throw OrmelError("Could not compress the image.");
  packed.resize(packedSize);

  std::vector<uint8_t> header;
  PutU32(header, static_cast<uint32_t>(bitmap.width));
  PutU32(header, static_cast<uint32_t>(bitmap.height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace

  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> out(kSignature, kSignature + 8);
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}
