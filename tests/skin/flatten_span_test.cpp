#include "skin/flatten_span.h"

#include <gtest/gtest.h>

#include <vector>

#include "image/blend.h"
#include "support/tricky_pixels.h"

namespace {

// The flattens this build has beside the portable one, and the composer's own choice.
std::vector<std::pair<const char*, FlattenSpan>> OtherFlattens() {
  std::vector<std::pair<const char*, FlattenSpan>> flattens{{"fastest", FastestFlattenSpan()}};
#ifdef ORMEL_SSE2
  flattens.emplace_back("SSE2", FlattenSpanSse2);
#endif
  return flattens;
}

}  // namespace

// Spans of 1 to 9 pixels from every place of the table, over faces and glass of every kind:
// overlay groups of four all transparent, all opaque and mixed, and groups cut short.
TEST(FlattenSpan, EveryFlattenGivesThePortablePixels) {
  const std::vector<uint32_t> overlay = TrickyPixels(), face = TrickyPixelsShuffled(1),
                              glass = TrickyPixelsShuffled(2);
  constexpr uint32_t kBeyond = 0x12345678;  // the pixel after the span, which must stay
  for (uint8_t c : {0, 1, 128, 254, 255}) {
    // Face and glass alone, as the composer prepares them.
    std::vector<uint32_t> bare(face.size());
    for (size_t i = 0; i < face.size(); ++i)
      bare[i] = BlendOverPixel(glass[i], c == 255 ? face[i] : BlendOverPixel(face[i], 0, c), c);
    for (const auto& [name, flatten] : OtherFlattens()) {
      for (int n = 1; n <= 9; ++n) {
        for (size_t at = 0; at + n <= overlay.size(); ++at) {
          std::vector<uint32_t> expected(n), got(n + 1, kBeyond);
          FlattenSpanPortable({&overlay[at], &face[at], &glass[at], &bare[at], expected.data()}, n, c);
          flatten({&overlay[at], &face[at], &glass[at], &bare[at], got.data()}, n, c);
          for (int i = 0; i < n; ++i) {
            ASSERT_EQ(got[i], expected[i]) << name << ": overlay " << std::hex << overlay[at + i] << ", face "
                                           << face[at + i] << ", glass " << glass[at + i] << std::dec
                                           << " at C=" << int(c) << ", pixel " << i << " of " << n;
          }
          ASSERT_EQ(got[n], kBeyond) << name << " wrote past " << n << " pixels";
        }
      }
    }
  }
}
