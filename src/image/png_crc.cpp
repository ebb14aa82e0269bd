#include "image/png_crc.h"

#include <array>

namespace {

// Slicing by eight: table[k][n] is the CRC of byte n followed by k zero bytes, so eight
// input bytes fold in with eight lookups and no serial dependency between them.
using CrcTables = std::array<std::array<uint32_t, 256>, 8>;

CrcTables MakeTables() {
  CrcTables t{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[0][n] = c;
  }
  for (uint32_t n = 0; n < 256; ++n) {
    for (int k = 1; k < 8; ++k) t[k][n] = t[0][t[k - 1][n] & 0xFF] ^ (t[k - 1][n] >> 8);
  }
  return t;
}

inline uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

}  // namespace

uint32_t PngCrc(const uint8_t* data, size_t size, uint32_t crc) {
  static const CrcTables t = MakeTables();
  uint32_t c = ~crc;
  for (; size >= 8; size -= 8, data += 8) {
    const uint32_t lo = Le32(data) ^ c, hi = Le32(data + 4);
    c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
        t[3][hi & 0xFF] ^ t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
  }
  for (; size > 0; --size, ++data) c = t[0][(c ^ *data) & 0xFF] ^ (c >> 8);
  return ~c;
}
