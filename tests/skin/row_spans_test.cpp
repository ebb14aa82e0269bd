#include "skin/row_spans.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<PixelRect> Bands(const RowSpans& spans) {
  std::vector<PixelRect> bands;
  spans.ForEachBand([&](const PixelRect& band) { bands.push_back(band); });
  return bands;
}

}  // namespace

// On a 10 × 6 frame: runs join on their row, what lies off the frame is dropped, and rows
// with the same run are drawn as one band.
TEST(RowSpans, JoinsClipsAndBandsTheChangedRuns) {
  struct Added {
    int y, left, right;
  };
  struct Case {
    const char* what;
    std::vector<Added> runs;
    std::vector<PixelRect> rects;
    std::vector<PixelRect> bands;
  } cases[] = {
      {"nothing changed", {}, {}, {}},
      {"two runs on a row join with the gap between", {{2, 1, 3}, {2, 6, 8}}, {}, {{1, 2, 8, 3}}},
      {"a run inside another", {{2, 1, 8}, {2, 3, 4}}, {}, {{1, 2, 8, 3}}},
      {"an empty run adds nothing", {{2, 5, 5}, {3, 6, 4}}, {}, {}},
      {"off the frame's sides", {{1, -4, 2}, {4, 8, 15}}, {}, {{0, 1, 2, 2}, {8, 4, 10, 5}}},
      {"off the frame's top and bottom", {{-1, 0, 10}, {6, 0, 10}}, {}, {}},
      {"a rectangle half off the frame", {}, {{-3, -2, 4, 2}}, {{0, 0, 4, 2}}},
      {"a hand's runs over a label", {{1, 4, 5}, {2, 5, 6}, {3, 5, 6}}, {{2, 3, 8, 5}},
       {{4, 1, 5, 2}, {5, 2, 6, 3}, {2, 3, 8, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RowSpans spans;
    spans.Reset(10, 6);
    for (const Added& a : c.runs) spans.Add(a.y, a.left, a.right);
    for (const PixelRect& r : c.rects) spans.Add(r);
    EXPECT_EQ(Bands(spans), c.bands);
  }
}

TEST(RowSpans, ResetForgetsTheLastFrame) {
  RowSpans spans;
  spans.Reset(10, 6);
  spans.Add({0, 0, 10, 6});
  spans.Reset(4, 3);
  EXPECT_EQ(spans.Height(), 3);
  EXPECT_EQ(Bands(spans), std::vector<PixelRect>{});
  spans.Add({0, 0, 10, 6});
  EXPECT_EQ(Bands(spans), (std::vector<PixelRect>{{0, 0, 4, 3}}));
}
