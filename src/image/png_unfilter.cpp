#include "image/png_unfilter.h"

#include <cstdlib>
#include <string>

#include "base/ormel_error.h"
#include "image/png_messages.h"

namespace {

inline uint8_t Paeth(int a, int b, int c) {
  const int pa = std::abs(b - c);
  const int pb = std::abs(a - c);
  const int pc = std::abs(a + b - 2 * c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

}  // namespace

void UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, size_t bpp) {
  switch (filter) {
    case 0:
      break;
    case 1:
      for (size_t i = bpp; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - bpp]);
      break;
    case 2:
      for (size_t i = 0; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
      break;
    case 3: {
      const size_t lead = bpp < rowBytes ? bpp : rowBytes;
      for (size_t i = 0; i < lead; ++i) row[i] = static_cast<uint8_t>(row[i] + (prior[i] >> 1));
      for (size_t i = bpp; i < rowBytes; ++i) {
        row[i] = static_cast<uint8_t>(row[i] + ((row[i - bpp] + prior[i]) >> 1));
      }
      break;
    }
    case 4: {
      const size_t lead = bpp < rowBytes ? bpp : rowBytes;
      // With no left neighbour Paeth picks the byte above.
      for (size_t i = 0; i < lead; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
      for (size_t i = bpp; i < rowBytes; ++i) {
        row[i] = static_cast<uint8_t>(row[i] + Paeth(row[i - bpp], prior[i], prior[i - bpp]));
      }
      break;
    }
    default:
      // Filter types are part of the compressed row data; an unknown one means it is corrupt.
      throw OrmelError(std::string(png_messages::kInvalidCompressedData) + "invalid filter type");
  }
}
