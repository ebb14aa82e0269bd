// Label text on the real GDI path: coverage comes out of the black and white passes.
#include "skin/image_utils.h"

#include <gtest/gtest.h>

#include <string>

#include "image/gdi_text_win32.h"

namespace {

struct AlphaCensus {
  int opaque = 0, partial = 0;
  bool borderClear = true;     // the extra right column and bottom row stay empty
  bool premultiplied = true;   // no colour byte above its alpha
};

AlphaCensus Census(const TBitmap32& text) {
  AlphaCensus c;
  for (int y = 0; y < text.height; ++y) {
    for (int x = 0; x < text.width; ++x) {
      const uint32_t p = text.At(x, y);
      const uint8_t a = AlphaOf(p);
      c.opaque += a == 255;
      c.partial += a > 0 && a < 255;
      if ((x == text.width - 1 || y == text.height - 1) && a != 0) c.borderClear = false;
      if (RedOf(p) > a || GreenOf(p) > a || BlueOf(p) > a) c.premultiplied = false;
    }
  }
  return c;
}

}  // namespace

TEST(GdiText, WhiteAndBlackTextCarryCoverageAlpha) {
  GdiTextRasterizer gdi;
  struct Case {
    uint32_t color;  // 0x00BBGGRR
    uint32_t stem;   // an opaque pixel is exactly the font colour
  };
  const Case cases[] = {{0xFFFFFF, 0xFFFFFFFF}, {0x000000, 0xFF000000}, {0x2080FF, 0xFFFF8020}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.color);
    const FontSpec font{"Arial", 32, c.color};
    const TextExtent extent = gdi.Measure(font, "HIH");
    EXPECT_GT(extent.width, 30);
    EXPECT_GE(extent.height, 30);

    TextPasses passes;
    TBitmap32 text;
    RenderTextAlpha(gdi, "HIH", font, extent, passes, text);
    ASSERT_EQ(text.width, extent.width + 1);
    ASSERT_EQ(text.height, extent.height + 1);
    const AlphaCensus census = Census(text);
    EXPECT_GT(census.opaque, 100) << "glyph stems are fully covered";
    EXPECT_GT(census.partial, 10) << "anti-aliased edges are in between";
    EXPECT_TRUE(census.borderClear);
    EXPECT_TRUE(census.premultiplied);
    EXPECT_EQ(AlphaOf(text.At(0, 0)), 0) << "above the cap height is outside";

    bool stemColourExact = true;
    for (uint32_t p : text.pixels) {
      if (AlphaOf(p) == 255 && p != c.stem) stemColourExact = false;
    }
    EXPECT_TRUE(stemColourExact);
  }
}

TEST(GdiText, EmptyTextHasTheFontHeightAndNoInk) {
  GdiTextRasterizer gdi;
  const FontSpec font{"Arial", 20, 0xFFFFFF};
  TextPasses passes;
  TBitmap32 text;
  RenderTextAlpha(gdi, "", font, gdi.Measure(font, ""), passes, text);
  EXPECT_EQ(text.width, 1);
  EXPECT_GE(text.height, 20);
  for (uint32_t p : text.pixels) EXPECT_EQ(p, 0u);
}

// Labels share one drawing surface from label to label: a label drawn after a larger one, or
// over what a longer text left there, comes out as it does on a rasterizer that drew nothing.
TEST(GdiText, ALabelDrawsTheSameWhateverWasDrawnBeforeIt) {
  const FontSpec small{"Arial", 14, 0x40C0FF}, large{"Arial", 40, 0xFFFFFF};
  auto render = [](GdiTextRasterizer& gdi, const std::string& s, const FontSpec& font) {
    TextPasses passes;
    TBitmap32 text;
    RenderTextAlpha(gdi, s, font, gdi.Measure(font, s), passes, text);
    return text;
  };
  GdiTextRasterizer fresh;
  const TBitmap32 alone = render(fresh, "10:08", small);

  GdiTextRasterizer shared;
  const TBitmap32 big = render(shared, "WEDNESDAY 88:88:88", large);
  ASSERT_GT(big.width, alone.width);
  const TBitmap32 after = render(shared, "10:08", small);
  EXPECT_EQ(after.width, alone.width);
  EXPECT_EQ(after.height, alone.height);
  EXPECT_EQ(after.pixels, alone.pixels);
  EXPECT_EQ(render(shared, "WEDNESDAY 88:88:88", large).pixels, big.pixels) << "and the larger one again";
}

// The GDI path keeps to one pass once black ink on black and white on white showed nothing,
// and a time label drawn so comes out as one drawn in both passes.
TEST(GdiText, KeptPassesDrawOnePassAndTheSameText) {
  struct CountingGdi : TextRasterizer {
    GdiTextRasterizer gdi;
    int draws = 0;
    TextExtent Measure(const FontSpec& font, const std::string& text) override { return gdi.Measure(font, text); }
    void Draw(TBitmap32& target, const FontSpec& font, const std::string& text, uint32_t ink) override {
      ++draws;
      gdi.Draw(target, font, text, ink);
    }
  } counting;
  for (uint32_t color : {0x5CC4FFu, 0xFFFFFFu, 0x503A2Au, 0x000000u}) {
    SCOPED_TRACE(color);
    const FontSpec font{"Arial", 13, color};
    TextPasses kept;
    TBitmap32 text, fresh;
    const struct {
      const char* time;
      int draws;
    } steps[] = {{"10:08:01", 2}, {"10:08:02", 1}, {"10:09:17", 1}};
    for (const auto& s : steps) {
      const std::string time = s.time;
      SCOPED_TRACE(time);
      counting.draws = 0;
      RenderTextAlpha(counting, time, font, counting.Measure(font, time), kept, text);
      EXPECT_EQ(counting.draws, s.draws);
      TextPasses freshPasses;
      RenderTextAlpha(counting, time, font, counting.Measure(font, time), freshPasses, fresh);
      EXPECT_EQ(text.pixels, fresh.pixels);
    }
  }
}
