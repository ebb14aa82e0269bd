#include "image/blend_span.h"

#include <gtest/gtest.h>

#include <vector>

#include "image/blend.h"
#include "support/tricky_pixels.h"

namespace {

// The blends this build has beside the portable one, and BlendOverIn's own choice.
std::vector<std::pair<const char*, BlendSpan>> OtherBlends() {
  std::vector<std::pair<const char*, BlendSpan>> blends{{"fastest", FastestBlendSpan()}};
#ifdef ORMEL_SSE2
  blends.emplace_back("SSE2", BlendOverSpanSse2);
#endif
  return blends;
}

}  // namespace

// Spans of 1 to 9 pixels from every place of the table: whole groups of four of every kind,
// and groups cut short at the end of a span.
TEST(BlendOverSpan, EveryBlendGivesThePixelsOfBlendOverPixel) {
  const std::vector<uint32_t> src = TrickyPixels(), under = TrickyPixelsShuffled(5);
  constexpr uint32_t kBeyond = 0x12345678;  // the pixel after the span, which must stay
  for (const auto& [name, blend] : OtherBlends()) {
    for (uint8_t c : {0, 1, 128, 254, 255}) {
      for (int n = 1; n <= 9; ++n) {
        for (size_t at = 0; at + n <= src.size(); ++at) {
          std::vector<uint32_t> dst(under.begin() + at, under.begin() + at + n);
          dst.push_back(kBeyond);
          blend(dst.data(), src.data() + at, n, c);
          for (int i = 0; i < n; ++i) {
            ASSERT_EQ(dst[i], BlendOverPixel(src[at + i], under[at + i], c))
                << name << ": " << std::hex << src[at + i] << " over " << under[at + i] << std::dec << " at C=" << int(c)
                << ", pixel " << i << " of " << n;
          }
          ASSERT_EQ(dst[n], kBeyond) << name << " wrote past " << n << " pixels";
        }
      }
    }
  }
}
