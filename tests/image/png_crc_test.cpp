#include "image/png_crc.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

// zlib's CRC-32 is the same polynomial; it checks the eight-byte folding at every length
// and alignment, and a CRC continued across pieces as chunk type and data are.
TEST(PngCrc, AgreesWithZlibAtEveryLengthAndAlignment) {
  std::vector<uint8_t> bytes(64);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
  for (size_t offset = 0; offset < 8; ++offset) {
    for (size_t size = 0; offset + size <= bytes.size(); ++size) {
      const uint8_t* p = bytes.data() + offset;
      EXPECT_EQ(PngCrc(p, size, 0), crc32(0, p, static_cast<uInt>(size))) << offset << " " << size;
    }
  }
  const uint32_t whole = PngCrc(bytes.data(), bytes.size(), 0);
  EXPECT_EQ(PngCrc(bytes.data() + 13, bytes.size() - 13, PngCrc(bytes.data(), 13, 0)), whole);
}
