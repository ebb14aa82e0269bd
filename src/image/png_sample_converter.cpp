#include "image/png_sample_converter.h"

#include "base/ormel_error.h"
#include "image/png_messages.h"

namespace {

inline uint32_t Scale16(uint32_t v) { return (v * 255 + 32767) / 65535; }
inline uint32_t Be16(const uint8_t* p) { return (uint32_t(p[0]) << 8) | p[1]; }
inline uint32_t Grey(uint32_t v) { return (v << 16) | (v << 8) | v; }

// Sample i of a row packed at depth bits (1, 2, 4), leftmost pixel in the high bits.
inline uint32_t PackedSample(const uint8_t* row, size_t i, unsigned depth) {
  const size_t bit = i * depth;
  return (row[bit >> 3] >> (8 - depth - (bit & 7))) & ((1u << depth) - 1);
}

}  // namespace

PngSampleConverter::PngSampleConverter(const TPngImage& image)
    : header_(image.header), paletteAlpha_(image.paletteAlpha),
      paletteSize_(image.palette.size()), hasKey_(image.colorKey.has_value()),
      key_(image.colorKey.value_or(PngColorKey{})) {
  for (size_t i = 0; i < paletteSize_; ++i) {
    const PngRgb& e = image.palette[i];
    paletteColors_[i] = (uint32_t(e.red) << 16) | (uint32_t(e.green) << 8) | e.blue;
  }
}

void PngSampleConverter::ConvertRow(const uint8_t* row, size_t count, uint32_t* colors,
                                    uint8_t* alpha, size_t step) const {
  switch (header_.colorType) {
    case 0: ConvertGrey(row, count, colors, alpha, step); break;
    case 2: ConvertRgb(row, count, colors, alpha, step); break;
    case 3: ConvertPalette(row, count, colors, alpha, step); break;
    case 4: ConvertGreyAlpha(row, count, colors, alpha, step); break;
    default: ConvertRgbAlpha(row, count, colors, alpha, step); break;
  }
}

void PngSampleConverter::ConvertGrey(const uint8_t* row, size_t count, uint32_t* colors,
                                     uint8_t* alpha, size_t step) const {
  const unsigned depth = header_.bitDepth;
  // Without a key no sample matches: keys are at most 16 bits wide.
  const uint32_t key = hasKey_ ? key_.red : 0x10000;
  for (size_t i = 0; i < count; ++i) {
    uint32_t raw, v;
    if (depth == 16) {
      raw = Be16(row + 2 * i);
      v = Scale16(raw);
    } else if (depth == 8) {
      raw = v = row[i];
    } else {
      raw = PackedSample(row, i, depth);
      v = raw * (255 / ((1u << depth) - 1));
    }
    colors[i * step] = Grey(v);
    alpha[i * step] = raw == key ? 0 : 255;
  }
}

void PngSampleConverter::ConvertRgb(const uint8_t* row, size_t count, uint32_t* colors,
                                    uint8_t* alpha, size_t step) const {
  if (header_.bitDepth == 8) {
    for (size_t i = 0; i < count; ++i, row += 3) {
      const uint32_t r = row[0], g = row[1], b = row[2];
      colors[i * step] = (r << 16) | (g << 8) | b;
      alpha[i * step] = hasKey_ && r == key_.red && g == key_.green && b == key_.blue ? 0 : 255;
    }
    return;
  }
  for (size_t i = 0; i < count; ++i, row += 6) {
    const uint32_t r = Be16(row), g = Be16(row + 2), b = Be16(row + 4);
    colors[i * step] = (Scale16(r) << 16) | (Scale16(g) << 8) | Scale16(b);
    alpha[i * step] = hasKey_ && r == key_.red && g == key_.green && b == key_.blue ? 0 : 255;
  }
}

void PngSampleConverter::ConvertPalette(const uint8_t* row, size_t count, uint32_t* colors,
                                        uint8_t* alpha, size_t step) const {
  const unsigned depth = header_.bitDepth;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t index = depth == 8 ? row[i] : PackedSample(row, i, depth);
    if (index >= paletteSize_) throw OrmelError(png_messages::kNoSuchPaletteEntry);
    colors[i * step] = paletteColors_[index];
    alpha[i * step] = paletteAlpha_[index];
  }
}

void PngSampleConverter::ConvertGreyAlpha(const uint8_t* row, size_t count, uint32_t* colors,
                                          uint8_t* alpha, size_t step) const {
  if (header_.bitDepth == 8) {
    for (size_t i = 0; i < count; ++i, row += 2) {
      colors[i * step] = Grey(row[0]);
      alpha[i * step] = row[1];
    }
    return;
  }
  for (size_t i = 0; i < count; ++i, row += 4) {
    colors[i * step] = Grey(Scale16(Be16(row)));
    alpha[i * step] = static_cast<uint8_t>(Scale16(Be16(row + 2)));
  }
}

void PngSampleConverter::ConvertRgbAlpha(const uint8_t* row, size_t count, uint32_t* colors,
                                         uint8_t* alpha, size_t step) const {
  if (header_.bitDepth == 8) {
    for (size_t i = 0; i < count; ++i, row += 4) {
      colors[i * step] = (uint32_t(row[0]) << 16) | (uint32_t(row[1]) << 8) | row[2];
      alpha[i * step] = row[3];
    }
    return;
  }
  for (size_t i = 0; i < count; ++i, row += 8) {
    colors[i * step] =
        (Scale16(Be16(row)) << 16) | (Scale16(Be16(row + 2)) << 8) | Scale16(Be16(row + 4));
    alpha[i * step] = static_cast<uint8_t>(Scale16(Be16(row + 6)));
  }
}
