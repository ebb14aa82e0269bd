#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Header values of IHDR.
struct PngHeader {
  uint32_t width = 0;
  uint32_t height = 0;
  uint8_t bitDepth = 0;
  uint8_t colorType = 0;  // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGB + alpha
  uint8_t compression = 0;
  uint8_t filter = 0;
  uint8_t interlace = 0;  // 0 none, 1 Adam7
};

struct PngRgb {
  uint8_t red = 0, green = 0, blue = 0;
};

// tRNS of a greyscale or RGB image: the one sample value that is fully transparent,
// at the image's own bit depth (grey images use red only).
struct PngColorKey {
  uint16_t red = 0, green = 0, blue = 0;
};

struct PngTime {
  uint16_t year = 0;
  uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// tEXt and zTXt (the latter already inflated).
struct PngText {
  std::string keyword;
  std::string text;
};

struct PngPhysicalSize {
  uint32_t pixelsPerUnitX = 0, pixelsPerUnitY = 0;
  uint8_t unit = 0;  // 1 = metre
};

// A chunk as met in the file; only the ancillary chunks we do not read keep their data.
struct PngChunk {
  std::string name;
  uint32_t length = 0;
  std::vector<uint8_t> opaqueData;
};

// A decoded PNG: 8-bit colour and a separate 8-bit alpha plane, samples as stored in the
// file (no gamma applied; see DrawPng for where the gamma table is used).
struct TPngImage {
  PngHeader header;
  std::vector<PngChunk> chunks;
  std::vector<PngRgb> palette;
  std::array<uint8_t, 256> paletteAlpha;  // tRNS of a palette image, 255 where not given
  std::optional<PngColorKey> colorKey;
  uint32_t gamma = 0;  // gAMA value, gamma × 100000; 0 when absent
  std::array<uint8_t, 256> gammaTable;
  std::array<uint8_t, 256> inverseGammaTable;
  std::optional<PngTime> time;
  std::vector<PngText> texts;
  std::optional<PngPhysicalSize> physicalSize;

  // width × height pixels, rows top to bottom: colour 0x00RRGGBB, alpha 255 for images
  // that carry no transparency.
  std::vector<uint32_t> colors;
  std::vector<uint8_t> alpha;

  TPngImage() {
    paletteAlpha.fill(255);
    for (int i = 0; i < 256; ++i) {
      gammaTable[i] = static_cast<uint8_t>(i);
      inverseGammaTable[i] = static_cast<uint8_t>(i);
    }
  }
  int Width() const { return static_cast<int>(header.width); }
  int Height() const { return static_cast<int>(header.height); }
  bool HasAlphaChannel() const { return header.colorType == 4 || header.colorType == 6; }
};
