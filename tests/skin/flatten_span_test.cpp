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
// overlay groups of four all transparent, all opaque and mixed, and groups cut short; each
// also flattened in place, the overlay being the frame, as the composer does.
TEST(FlattenSpan, EveryFlattenGivesThePortablePixels) {
  const std::vector<uint32_t> overlay = TrickyPixels(), face = TrickyPixelsShuffled(1),
                              glass = TrickyPixelsShuffled(2);
  constexpr uint32_t kBeyond = 0x12345678;  // the pixel after the span, which must stay
  for (uint8_t c : {0, 1, 128, 254, 255}) {
    for (const auto& [name, flatten] : OtherFlattens()) {
      for (int n = 1; n <= 9; ++n) {
        for (size_t at = 0; at + n <= overlay.size(); ++at) {
          std::vector<uint32_t> expected(n), got(n + 1, kBeyond);
          FlattenSpanPortable({&overlay[at], &face[at], &glass[at], expected.data()}, n, c);
          flatten({&overlay[at], &face[at], &glass[at], got.data()}, n, c);
          std::vector<uint32_t> inPlace(overlay.begin() + at, overlay.begin() + at + n);
          inPlace.push_back(kBeyond);
          flatten({inPlace.data(), &face[at], &glass[at], inPlace.data()}, n, c);
          for (int i = 0; i < n; ++i) {
            ASSERT_EQ(got[i], expected[i]) << name << ": overlay " << std::hex << overlay[at + i] << ", face "
                                           << face[at + i] << ", glass " << glass[at + i] << std::dec
                                           << " at C=" << int(c) << ", pixel " << i << " of " << n;
            ASSERT_EQ(inPlace[i], expected[i]) << name << " in place, pixel " << i << " of " << n;
          }
          ASSERT_EQ(got[n], kBeyond) << name << " wrote past " << n << " pixels";
          ASSERT_EQ(inPlace[n], kBeyond) << name << " in place wrote past " << n << " pixels";
        }
      }
    }
  }
}

// Where the overlay is transparent the frame is the face under the glass, as blending the
// overlay would leave it.
TEST(FlattenSpan, ATransparentOverlayLeavesFaceUnderGlass) {
  const std::vector<uint32_t> face = TrickyPixelsShuffled(1), glass = TrickyPixelsShuffled(2);
  const std::vector<uint32_t> clear(face.size(), 0);
  for (uint8_t c : {1, 128, 255}) {
    std::vector<uint32_t> got(face.size());
    FlattenSpanPortable({clear.data(), face.data(), glass.data(), got.data()}, static_cast<int>(face.size()), c);
    for (size_t i = 0; i < face.size(); ++i) {
      const uint32_t faceAlone = c == 255 ? face[i] : BlendOverPixel(face[i], 0, c);
      ASSERT_EQ(got[i], BlendOverPixel(glass[i], BlendOverPixel(0, faceAlone, c), c))
          << "pixel " << i << " at C=" << int(c);
    }
  }
}
