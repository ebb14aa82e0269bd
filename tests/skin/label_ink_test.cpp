#include "skin/label_ink.h"

#include <gtest/gtest.h>

#include "support/box_text_rasterizer.h"
#include "support/filled_bitmap.h"

namespace {

// A label colour 0x00BBGGRR as the opaque pixel text in it leaves on the overlay.
uint32_t Ink(uint32_t bgr) {
  return 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

TLabel BoxAt(int left, int top, int width, const FontSpec& font) {
  TLabel label;
  label.left = left;
  label.top = top;
  label.width = width;
  label.font = font;
  return label;
}

}  // namespace

TEST(LabelInk, CentresTheTextHalvesToEven) {
  struct Case {
    int left, width, fontHeight;
    std::string text;
    int expectedX;
  } cases[] = {
      {57, 68, 10, "12345678", 71},  // a 40-pixel text in a 68-pixel box at 57
      {0, 11, 4, "ab", 4},           // 3.5
      {0, 13, 4, "ab", 4},           // 4.5
      {0, 9, 4, "ab", 2},            // 2.5
      {10, 4, 4, "abcd", 8},         // wider than its box: starts left of it
  };
  BoxTextRasterizer text;
  for (const Case& c : cases) {
    TBitmap32 target = Filled(120, 20, 0);
    const TLabel label = BoxAt(c.left, 3, c.width, {"Digital", c.fontHeight, 0x123456});
    LabelInk ink;
    ink.Update(label, c.text, 0x00FF00, text);
    ink.BlendInto(target, WholeOf(target), 255);
    int first = -1;
    for (int x = 0; x < target.width && first < 0; ++x)
      if (target.At(x, 4) != 0) first = x;
    EXPECT_EQ(first, c.expectedX) << c.left << "+" << c.width << " " << c.text;
    EXPECT_EQ(target.At(c.expectedX, 3), Ink(0x00FF00));  // drawn in the given colour
    EXPECT_EQ(target.At(c.expectedX, 2), 0u);             // from the box top down
  }
}

// The text is measured (once) and drawn (two passes) only when what it shows changes: a
// frame that keeps the label as it was costs no text drawing.
TEST(LabelInk, DrawsAgainOnlyWhenTextFontColourOrBoxChange) {
  BoxTextRasterizer text;
  const TLabel label = BoxAt(10, 2, 40, {"Digital", 8, 0x123456});
  LabelInk ink;
  ASSERT_TRUE(ink.Update(label, "12:00", 0x123456, text));
  EXPECT_EQ(text.measures, 1);
  EXPECT_EQ(text.draws, 2);
  EXPECT_FALSE(ink.Update(label, "12:00", 0x123456, text));
  EXPECT_EQ(text.measures, 1);
  EXPECT_EQ(text.draws, 2);

  // Once a font and ink have drawn, their ink on its own colour is known to show nothing: one pass.
  struct Change {
    const char* what;
    void (*apply)(TLabel&, std::string&, uint32_t&);
    int draws;
  } changes[] = {
      {"text", [](TLabel&, std::string& t, uint32_t&) { t = "12:01"; }, 1},
      {"colour", [](TLabel&, std::string&, uint32_t& c) { c = 0xFFFFFF; }, 2},  // black ink, not white
      {"font name", [](TLabel& l, std::string&, uint32_t&) { l.font.name = "Other"; }, 2},
      {"font height", [](TLabel& l, std::string&, uint32_t&) { l.font.height = 10; }, 2},
      {"box left", [](TLabel& l, std::string&, uint32_t&) { l.left = 11; }, 1},
      {"box top", [](TLabel& l, std::string&, uint32_t&) { l.top = 3; }, 1},
      {"box width", [](TLabel& l, std::string&, uint32_t&) { l.width = 41; }, 1},
  };
  for (const Change& c : changes) {
    TLabel changed = label;
    std::string shown = "12:00";
    uint32_t colour = 0x123456;
    ASSERT_FALSE(ink.Update(label, shown, colour, text));
    c.apply(changed, shown, colour);
    const int measuredBefore = text.measures, drawnBefore = text.draws;
    EXPECT_TRUE(ink.Update(changed, shown, colour, text)) << c.what;
    EXPECT_EQ(text.measures, measuredBefore + 1) << c.what;
    EXPECT_EQ(text.draws, drawnBefore + c.draws) << c.what;
    ink.Update(label, "12:00", 0x123456, text);
  }
  // A new skin may bring another font under the same name.
  ink.Forget();
  EXPECT_TRUE(ink.Update(label, "12:00", 0x123456, text));
}

TEST(LabelInk, BlendsOnlyInsideTheClip) {
  BoxTextRasterizer text;
  const TLabel label = BoxAt(0, 0, 20, {"Digital", 8, 0x00FF00});
  LabelInk ink;
  ink.Update(label, "abcde", 0x00FF00, text);  // 20 pixels wide from x 0
  TBitmap32 target = Filled(30, 10, 0);
  ink.BlendInto(target, PixelRect{4, 2, 9, 5}, 255);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 30; ++x) {
      const bool inside = x >= 4 && x < 9 && y >= 2 && y < 5;
      const bool edge = x % 4 == 3;  // each cell's half-covered column
      if (inside && !edge) EXPECT_EQ(target.At(x, y), Ink(0x00FF00)) << x << "," << y;
      if (!inside) EXPECT_EQ(target.At(x, y), 0u) << x << "," << y;
    }
  }
}
