#include "image/png_chunks.h"

#include <zlib.h>

#include <cmath>
#include <cstring>

#include "base/ormel_error.h"
#include "image/png_messages.h"

namespace {

uint32_t Be32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
uint16_t Be16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

bool ValidDepth(uint8_t colorType, uint8_t depth) {
  switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2: case 4: case 6: return depth == 8 || depth == 16;
    default: return false;
  }
}

// The keyword ends at the first zero byte; without one the whole chunk is the keyword.
size_t KeywordEnd(const uint8_t* data, size_t size) {
  const void* zero = std::memchr(data, 0, size);
  return zero ? static_cast<const uint8_t*>(zero) - data : size;
}

// Compressed text is small; more than this is treated as hostile.
constexpr size_t kMaxInflatedText = 1 << 20;

std::string InflateText(const uint8_t* data, size_t size) {
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) throw OrmelError(std::string(png_messages::kInvalidCompressedData) + zError(Z_MEM_ERROR));
  std::string out;
  char buffer[4096];
  zs.next_in = const_cast<Bytef*>(data);
  zs.avail_in = static_cast<uInt>(size);
  int result = Z_OK;
  while (result == Z_OK) {
    zs.next_out = reinterpret_cast<Bytef*>(buffer);
    zs.avail_out = sizeof buffer;
    result = inflate(&zs, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - zs.avail_out);
    if (out.size() > kMaxInflatedText || (result == Z_OK && zs.avail_in == 0 && zs.avail_out != 0)) {
      result = Z_DATA_ERROR;  // runaway or truncated text
    }
  }
  inflateEnd(&zs);
  if (result != Z_STREAM_END) throw OrmelError(std::string(png_messages::kInvalidCompressedData) + zError(result));
  return out;
}

}  // namespace

void ReadIhdr(TPngImage& image, const uint8_t* data, size_t size) {
  if (size < 13) throw OrmelError(png_messages::kIhdrCorrupt);
  PngHeader& h = image.header;
  h.width = Be32(data);
  h.height = Be32(data + 4);
  h.bitDepth = data[8];
  h.colorType = data[9];
  h.compression = data[10];
  h.filter = data[11];
  h.interlace = data[12];
  if (h.width > 65535 || h.height > 65535) throw OrmelError(png_messages::kTooLarge);
  if (h.compression != 0) throw OrmelError(png_messages::kUnknownCompression);
  if (h.interlace > 1) throw OrmelError(png_messages::kUnknownInterlace);
  if (h.width == 0 || h.height == 0 || h.filter != 0 || !ValidDepth(h.colorType, h.bitDepth)) {
    throw OrmelError(png_messages::kIhdrCorrupt);
  }
  static_assert(kPngMaxPixels == 67108864, "png_messages::kTooManyPixels states the cap");
  // 65535 × 65535 pixels would need 16 GiB of decoded image; refuse before allocating.
  if (uint64_t(h.width) * h.height > kPngMaxPixels) throw OrmelError(png_messages::kTooManyPixels);
}

void ReadPlte(TPngImage& image, const uint8_t* data, size_t size) {
  if (size % 3 != 0 || size / 3 > 256) throw OrmelError(png_messages::kInvalidPalette);
  image.palette.resize(size / 3);
  for (size_t i = 0; i < image.palette.size(); ++i) {
    image.palette[i] = {data[3 * i], data[3 * i + 1], data[3 * i + 2]};
  }
}

void ReadTrns(TPngImage& image, const uint8_t* data, size_t size) {
  switch (image.header.colorType) {
    case 3:
      if (size > 256) throw OrmelError(png_messages::kInvalidPalette);
      std::memcpy(image.paletteAlpha.data(), data, size);
      break;
    case 0:
      if (size < 2) throw OrmelError(png_messages::kInvalidPalette);
      image.colorKey = PngColorKey{Be16(data), 0, 0};
      break;
    case 2:
      if (size < 6) throw OrmelError(png_messages::kInvalidPalette);
      image.colorKey = PngColorKey{Be16(data), Be16(data + 2), Be16(data + 4)};
      break;
    default:
      break;  // images with an alpha channel have no use for tRNS
  }
}

void ReadGama(TPngImage& image, const uint8_t* data, size_t size) {
  if (size < 4) return;
  image.gamma = Be32(data);
  if (image.gamma == 0) return;
  const double exponent = 1.0 / (image.gamma / 100000.0 * 2.2);
  for (int i = 0; i < 256; ++i) {
    const long v = std::lround(255.0 * std::pow(i / 255.0, exponent));
    image.gammaTable[i] = static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    image.inverseGammaTable[image.gammaTable[i]] = static_cast<uint8_t>(i);
  }
}

void ReadTime(TPngImage& image, const uint8_t* data, size_t size) {
  if (size < 7) return;
  image.time = PngTime{Be16(data), data[2], data[3], data[4], data[5], data[6]};
}

void ReadText(TPngImage& image, const uint8_t* data, size_t size) {
  const size_t end = KeywordEnd(data, size);
  const char* chars = reinterpret_cast<const char*>(data);
  image.texts.push_back({std::string(chars, end),
                         end < size ? std::string(chars + end + 1, size - end - 1) : std::string()});
}

void ReadZtxt(TPngImage& image, const uint8_t* data, size_t size) {
  const size_t end = KeywordEnd(data, size);
  // After the keyword's zero byte: the compression method (0 = zlib), then the stream.
  if (end + 2 > size || data[end + 1] != 0) return;
  image.texts.push_back({std::string(reinterpret_cast<const char*>(data), end),
                         InflateText(data + end + 2, size - end - 2)});
}

void ReadPhys(TPngImage& image, const uint8_t* data, size_t size) {
  if (size < 9) return;
  image.physicalSize = PngPhysicalSize{Be32(data), Be32(data + 4), data[8]};
}
