#include "skin/hand_ink.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/rot_layer_paint.h"
#include "support/filled_bitmap.h"

namespace {

// Whether every pixel that merging changed lies in the row runs the ink reports.
bool RunsHoldChanges(const HandInk& ink, const TBitmap32& before, const TBitmap32& merged) {
  RowSpans runs;
  runs.Reset(before.width, before.height);
  ink.AddRunsTo(runs);
  for (int y = 0; y < before.height; ++y) {
    const RowSpans::Span run = runs.Row(y);
    for (int x = 0; x < before.width; ++x) {
      if (merged.At(x, y) != before.At(x, y) && (x < run.left || x >= run.right)) return false;
    }
  }
  return true;
}

struct HandCase {
  const char* what;
  int width, height;
  float scale;
  int face;
};

// A second hand turning round the face and on: each angle merges exactly as painting it does,
// the first time and when it comes back, and what the kept angles hold stays within the bound.
TEST(HandInk, KeepsWithinItsBytesAndMergesAsPaintingDoes) {
  const HandCase cases[] = {
      {"royale's second hand at 200 %", 5, 80, 2, 384},
      {"a large hand at 300 %", 20, 165, 3, 1100},
  };
  for (const HandCase& c : cases) {
    SCOPED_TRACE(c.what);
    TRotLayer layer;
    layer.bitmap = Filled(c.width, c.height, 0xC0604020);
    layer.bitmap.At(0, 0) = 0;  // a transparent pixel inside the painted run
    layer.bitmapCenter = {c.width / 2.0f, c.height - 10.0f};
    layer.position = {c.face / 2.0f + 0.25f, c.face / 2.0f};
    layer.scale = c.scale;
    const TBitmap32 background = Filled(c.face, c.face, 0x80336699);
    HandScratch scratch;
    HandInk ink(60);
    size_t mostKept = 0;
    for (int second = 0; second < 75; ++second) {
      SCOPED_TRACE(second);
      layer.angle = -6.0f * (second % 60);
      EXPECT_EQ(ink.Update(layer, background, scratch), true);
      mostKept = std::max(mostKept, ink.KeptBytes());
      TBitmap32 merged = background, painted = background;
      ink.MergeInto(merged, WholeOf(merged));
      PaintRotLayer(layer, painted);
      ASSERT_EQ(merged.pixels, painted.pixels);
      ASSERT_TRUE(RunsHoldChanges(ink, background, merged));
      const PixelBox box = PaintBox(layer, background);
      EXPECT_EQ(ink.Area(), (PixelRect{box.left, box.top, box.right, box.bottom}));
      EXPECT_EQ(ink.Update(layer, background, scratch), false);
    }
    EXPECT_LE(mostKept, HandInk::kKeptBytes);
    EXPECT_EQ(scratch.pixels, std::vector<uint32_t>(scratch.pixels.size(), 0u)) << "the scratch is left transparent";
  }
}

// A thin hand keeps its painted runs, not the boxes it turns in: its sixty angles take less
// than half of sixty boxes.
TEST(HandInk, AThinHandKeepsItsRunsNotItsBoxes) {
  TRotLayer layer;
  layer.bitmap = Filled(3, 70, 0xFFFF0000);
  layer.bitmapCenter = {1, 60};
  layer.position = {96, 96};
  const TBitmap32 face = Filled(192, 192, 0);
  HandScratch scratch;
  HandInk ink(60);
  size_t boxBytes = 0;
  for (int second = 0; second < 60; ++second) {
    layer.angle = -6.0f * second;
    ink.Update(layer, face, scratch);
    const PixelBox box = PaintBox(layer, face);
    boxBytes += static_cast<size_t>(box.right - box.left) * (box.bottom - box.top) * sizeof(uint32_t);
  }
  EXPECT_LT(ink.KeptBytes(), boxBytes / 2);
}

// Only the hand's pixels inside the clip are merged.
TEST(HandInk, MergesOnlyInsideTheClip) {
  TRotLayer layer;
  layer.bitmap = Filled(8, 40, 0xFF00FF00);
  layer.bitmapCenter = {4, 30};
  layer.position = {50, 50};
  layer.angle = -30;
  const TBitmap32 face = Filled(100, 100, 0);
  HandScratch scratch;
  HandInk ink(1);
  ink.Update(layer, face, scratch);
  const PixelRect clip{40, 25, 60, 45};
  TBitmap32 merged = Filled(100, 100, 0), painted = Filled(100, 100, 0);
  ink.MergeInto(merged, clip);
  PaintRotLayer(layer, painted);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
      ASSERT_EQ(merged.At(x, y), inside ? painted.At(x, y) : 0u) << x << "," << y;
    }
  }
}

}  // namespace
