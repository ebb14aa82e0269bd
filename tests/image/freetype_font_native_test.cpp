#include "image/freetype_font_native.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::unique_ptr<FreeTypeFont> SegmentFont() {
  std::ifstream in(std::string(ORMEL_SOURCE_DIR) + "/skins/royale/DSEG7Classic-Regular.ttf", std::ios::binary);
  return FreeTypeFont::Open(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
}

}  // namespace

// The seven-segment font has no hinting of its own: GDI rounds each glyph's scaled advance
// to a pixel (at 13 px an "8" is 10.6 and a ":" 2.6 pixels, so 72, not the 69 of the exact
// sum), and the cell is the font's Windows ascent (1000 units) over its 1000-unit em.
TEST(FreeTypeFont, MeasuresAsGdiDoes) {
  const std::unique_ptr<FreeTypeFont> font = SegmentFont();
  ASSERT_TRUE(font);
  struct Case {
    int em;
    const char* text;
    int width, height;
  } const cases[] = {
      {13, "88:88:88", 72, 13},  // royale's time, as ormel-skin.exe measures it
      {12, "88:88:88", 64, 12},  // the example skin's
      {16, "88:88:88", 84, 16},  // slate's
      {13, "", 0, 13},           // an empty text still has the font's height
  };
  for (const Case& c : cases) {
    const TextExtent e = font->Measure(c.em, c.text);
    EXPECT_EQ(e.width, c.width) << c.em << " px \"" << c.text << "\"";
    EXPECT_EQ(e.height, c.height) << c.em << " px \"" << c.text << "\"";
  }
}

TEST(FreeTypeFont, ReadsTextAsUtf8) {
  const std::unique_ptr<FreeTypeFont> font = SegmentFont();
  ASSERT_TRUE(font);
  // The degree sign is two bytes of UTF-8 but one glyph of the font.
  const int degree = font->Measure(13, "\xC2\xB0").width;
  EXPECT_GT(degree, 0);
  EXPECT_EQ(font->Measure(13, "8\xC2\xB0" "8").width, 2 * font->Measure(13, "8").width + degree);
}

TEST(FreeTypeFont, RefusesWhatIsNoFont) {
  EXPECT_FALSE(FreeTypeFont::Open({}));
  EXPECT_FALSE(FreeTypeFont::Open(std::vector<uint8_t>(64, 0)));
}
