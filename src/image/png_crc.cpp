#include "image/png_crc.h"

#include <array>

namespace {

std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

}  // namespace

uint32_t PngCrc(const uint8_t* data, size_t size, uint32_t crc) {
  static const std::array<uint32_t, 256> table = MakeTable();
  uint32_t c = ~crc;
  for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return ~c;
}
