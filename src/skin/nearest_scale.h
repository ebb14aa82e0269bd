#pragma once
#include <cstdint>

// Nearest-neighbour stretching of `srcSize` pixels over `dstSize`: target pixel i takes the
// source pixel under its centre. 16.16 steps, so no division per pixel.
class NearestAxis {
 public:
  NearestAxis(int srcSize, int dstSize)
      : step_(dstSize > 0 ? (static_cast<uint64_t>(srcSize) << 16) / static_cast<uint64_t>(dstSize) : 0) {}
  int operator[](int i) const { return static_cast<int>((step_ / 2 + i * step_) >> 16); }

 private:
  uint64_t step_;
};

// dst[i] = src[axis[i]] for i in [0, count).
inline void ScaleRowNearest(const uint32_t* src, const NearestAxis& axis, uint32_t* dst, int count) {
  for (int i = 0; i < count; ++i) dst[i] = src[axis[i]];
}
