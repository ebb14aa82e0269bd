#pragma once
#include <cstdint>
#include <cstddef>
#include <vector>

// How a bitmap is put onto another: copied as is, or blended.
enum class DrawMode : uint8_t { Opaque, Blend };
// How blended pixels combine: premultiplied blend, or the straight-colour merge rule.
enum class CombineMode : uint8_t { Blend, Merge };
// Sampler used when the bitmap is scaled or rotated.
enum class Sampler : uint8_t { Nearest, Lanczos3 };

// A 32-bit bitmap: rows top to bottom, each pixel 0xAARRGGBB (bytes blue, green, red, alpha).
struct TBitmap32 {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  DrawMode drawMode = DrawMode::Opaque;
  CombineMode combineMode = CombineMode::Blend;
  uint8_t masterAlpha = 255;
  Sampler sampler = Sampler::Nearest;

  // Resizes; the content is undefined afterwards unless Clear is called. Reuses the buffer.
  void SetSize(int w, int h);
  void Clear(uint32_t color);
  // Empty, with its memory given back.
  void Free();
  bool Empty() const { return width <= 0 || height <= 0; }
  uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint32_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
  uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline uint8_t AlphaOf(uint32_t p) { return static_cast<uint8_t>(p >> 24); }
inline uint8_t RedOf(uint32_t p) { return static_cast<uint8_t>(p >> 16); }
inline uint8_t GreenOf(uint32_t p) { return static_cast<uint8_t>(p >> 8); }
inline uint8_t BlueOf(uint32_t p) { return static_cast<uint8_t>(p); }
inline uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}
