#include "skin/image_utils.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/ormel_error.h"
#include "image/png_file_builder.h"
#include "image/png_format.h"
#include "support/box_text_rasterizer.h"

namespace {

TBitmap32 OnePixel(uint32_t p) {
  TBitmap32 b;
  b.SetSize(1, 1);
  b.pixels[0] = p;
  return b;
}

class LoadSkinImageTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path.string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path dir_ = [] {
    auto d = std::filesystem::temp_directory_path() / ("ormel-image-utils-" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
  PngFormatRegistration png_;
};

// One row of RGBA pixels, given as {r, g, b, a}.
Bytes RgbaRow(const std::vector<std::array<uint8_t, 4>>& pixels) {
  Bytes raw{0};
  for (const auto& p : pixels) raw.insert(raw.end(), p.begin(), p.end());
  return PngFileBuilder().Chunk("IHDR", IhdrData(uint32_t(pixels.size()), 1, 8, 6))
      .Chunk("IDAT", Compress(raw)).End().bytes();
}

}  // namespace

TEST_F(LoadSkinImageTest, PremultipliesOverTheBackground) {
  const std::string path = Write("face.png", RgbaRow({{10, 20, 30, 255}, {90, 90, 90, 0}, {200, 0, 0, 128}}));
  struct Case {
    uint32_t background;  // 0x00BBGGRR
    uint32_t opaque, transparent, half;
  };
  const Case cases[] = {
      // alpha 128, red 200 over black: red becomes 200 × 128/255 × 128/255 ≈ 50
      {0x000000, 0xFF0A141E, 0x00000000, 0x80320000},
      // over white the half pixel takes white in, then everything is premultiplied
      {0xFFFFFF, 0xFF0A141E, 0x00000000, 0x80713F3F},
      {0x808080, 0xFF0A141E, 0x00000000, 0x80522020},
  };
  for (const Case& c : cases) {
    TBitmap32 target;
    LoadSkinImage(target, path, c.background);
    ASSERT_EQ(target.width, 3);
    ASSERT_EQ(target.height, 1);
    EXPECT_EQ(target.At(0, 0), c.opaque) << std::hex << c.background;
    EXPECT_EQ(target.At(1, 0), c.transparent) << std::hex << c.background;
    EXPECT_NEAR(RedOf(target.At(2, 0)), RedOf(c.half), 1) << std::hex << c.background;
    EXPECT_NEAR(GreenOf(target.At(2, 0)), GreenOf(c.half), 1) << std::hex << c.background;
    EXPECT_EQ(AlphaOf(target.At(2, 0)), AlphaOf(c.half));
    EXPECT_EQ(target.drawMode, DrawMode::Blend);
    EXPECT_EQ(target.combineMode, CombineMode::Merge);
  }
}

TEST_F(LoadSkinImageTest, ImagesWithoutAlphaChannelKeepTheirOpacityAndColourKeys) {
  // 2×1 palette image: entry 0 opaque blue, entry 1 made transparent by tRNS.
  const Bytes palette = PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 8, 3))
      .Chunk("PLTE", {0, 0, 255, 9, 9, 9}).Chunk("tRNS", {255, 0})
      .Chunk("IDAT", Compress({0, 0, 1})).End().bytes();
  TBitmap32 target;
  LoadSkinImage(target, Write("keyed.png", palette), 0x808080);
  EXPECT_EQ(target.At(0, 0), 0xFF0000FFu);
  EXPECT_EQ(target.At(1, 0), 0x00000000u);

  LoadSkinImage(target, Write("grey.PNG", GreyPng(3, 2, 0x40)), 0);
  EXPECT_EQ(target.width, 3);
  for (uint32_t p : target.pixels) EXPECT_EQ(p, 0xFF404040u);
}

TEST_F(LoadSkinImageTest, FailuresNameTheProblem) {
  TBitmap32 target;
  EXPECT_THROW(LoadSkinImage(target, Write("broken.png", {1, 2, 3}), 0), OrmelError);
  EXPECT_THROW(LoadSkinImage(target, (dir_ / "absent.png").string(), 0), OrmelError);
  EXPECT_THROW(LoadSkinImage(target, Write("face.bmp", GreyPng(1, 1)), 0), OrmelError);
  EXPECT_THROW(LoadSkinImage(target, Write("face", GreyPng(1, 1)), 0), OrmelError);
}

TEST(ImageFormatRegistration, LastsAsLongAsItsOwner) {
  TBitmap32 target;
  const std::string path = std::string(ORMEL_PNG_CORPUS) + "/ct6_d8_i0_7x5.png";
  {
    PngFormatRegistration png;
    EXPECT_NO_THROW(LoadSkinImage(target, path, 0));
  }
  EXPECT_THROW(LoadSkinImage(target, path, 0), OrmelError);
}

TEST(CopyAlphaPremultiply, TakesSourceAlphaAndTruncates) {
  struct Case {
    uint32_t dst, src, want;
  };
  const Case cases[] = {
      {0x00C86432, 0xFF000000, 0xFFC86432},  // opaque keeps the colour exactly
      {0xFFC86432, 0x00FFFFFF, 0x00000000},  // transparent clears it, whatever dst held
      {0x00C86432, 0x80000000, 0x80643219},  // 200×128/255 = 100.39 → 100, 50×128/255 = 25.1 → 25
      {0x00FFFFFF, 0x01000000, 0x01010101},
      {0x00FEFEFE, 0x7F123456, 0x7F7E7E7E},  // only the source's alpha counts
  };
  for (const Case& c : cases) {
    TBitmap32 dst = OnePixel(c.dst);
    CopyAlphaPremultiply(dst, OnePixel(c.src));
    EXPECT_EQ(dst.pixels[0], c.want) << std::hex << c.dst << " by " << c.src;
  }
}

TEST(AlphaFromBlackWhite, CoverageFromTheTwoPasses) {
  struct Case {
    uint32_t black, white;
    uint8_t alpha;
  };
  const Case cases[] = {
      {0x000000, 0xFFFFFF, 0},    // background on both passes
      {0x000000, 0x000000, 255},  // black ink in a stem
      {0xFFFFFF, 0xFFFFFF, 255},  // white ink in a stem
      {0x000000, 0x808080, 127},  // half-covered edge in black ink: 255 − 384/3
      {0x7F7F7F, 0xFFFFFF, 127},  // the same edge in white ink
      {0x010101, 0x000000, 0},    // each difference wraps: 3 × 255 / 3
      {0x000000, 0xFF0000, 170},  // one channel only: 255 − 255/3
  };
  for (const Case& c : cases) {
    TBitmap32 black = OnePixel(c.black), white = OnePixel(c.white);
    AlphaFromBlackWhite(black, white);
    EXPECT_EQ(AlphaOf(black.pixels[0]), c.alpha) << std::hex << c.black << " / " << c.white;
    EXPECT_EQ(black.pixels[0] & 0xFFFFFF, c.black) << "colour bytes stay";
  }
}

TEST(ContrastColors, DarkInkOnLightColoursAndLightInkOnDark) {
  struct Case {
    uint32_t color;  // 0x00BBGGRR
    uint32_t ink, grey;
  };
  const Case cases[] = {
      {0xFFFFFF, 0x000000, 0x808080},  // 2040 ≥ 1024
      {0x000000, 0xFFFFFF, 0xC0C0C0},
      {0x04CC00, 0x000000, 0x808080},  // exactly 1024: 5 × 204 + 4
      {0x03CC00, 0xFFFFFF, 0xC0C0C0},  // 1023
      {0x0067FF, 0x000000, 0x808080},  // red weighs 2: 510 + 515
      {0xFF6700, 0xFFFFFF, 0xC0C0C0},  // blue weighs 1: 255 + 515
  };
  for (const Case& c : cases) {
    const ContrastPair p = ContrastColors(c.color);
    EXPECT_EQ(p.ink, c.ink) << std::hex << c.color;
    EXPECT_EQ(p.grey, c.grey) << std::hex << c.color;
  }
}

TEST(RenderTextAlpha, FontColourPremultipliedByCoverage) {
  struct Case {
    uint32_t color;     // 0x00BBGGRR
    uint32_t solid;     // expected pixel inside a glyph
  };
  const Case cases[] = {{0x0000FF, 0xFFFF0000}, {0xFFFFFF, 0xFFFFFFFF},
                        {0x000000, 0xFF000000}, {0x96A0C8, 0xFFC8A096}};
  for (const Case& c : cases) {
    BoxTextRasterizer boxes;
    const FontSpec font{"Small Fonts", 8, c.color};
    const int cell = BoxTextRasterizer::CellWidth(font);
    TextPasses passes;
    TBitmap32 text;
    RenderTextAlpha(boxes, "A b", font, boxes.Measure(font, "A b"), passes, text);
    SCOPED_TRACE(c.color);
    EXPECT_EQ(boxes.draws, 2);  // the black and the white pass
    ASSERT_EQ(text.width, 3 * cell + 1);
    ASSERT_EQ(text.height, 9);
    EXPECT_EQ(text.At(0, 0), c.solid);
    EXPECT_EQ(text.At(2 * cell, 7), c.solid);
    const uint32_t edge = text.At(cell - 1, 3);
    EXPECT_NEAR(AlphaOf(edge), 128, 1);
    EXPECT_LE(RedOf(edge), AlphaOf(edge));  // premultiplied
    EXPECT_NEAR(RedOf(edge), RedOf(c.solid) * AlphaOf(edge) / 255, 1);
    EXPECT_EQ(text.At(cell + 1, 3), 0u);       // the space
    EXPECT_EQ(text.At(3 * cell, 3), 0u);       // the extra column
    EXPECT_EQ(text.At(0, 8), 0u);              // the extra row
  }
}

namespace {

// Marks one pixel on whatever it draws on, as a rasterizer would whose ink on a background of
// its own colour still changes it.
class MarkingRasterizer : public BoxTextRasterizer {
 public:
  void Draw(TBitmap32& target, const FontSpec& font, const std::string& text, uint32_t ink) override {
    BoxTextRasterizer::Draw(target, font, text, ink);
    if (!target.Empty()) target.At(0, target.height - 1) ^= 0x010101u;
  }
};

}  // namespace

// Passes kept from text to text skip the pass of ink on its own colour once the rasterizer
// has left it as filled, for that font and ink; each text comes out as with fresh passes.
TEST(RenderTextAlpha, KeptPassesDrawInkOnItsOwnColourOnlyUntilItShowedNothing) {
  struct Step {
    std::string text;
    int height;
    uint32_t color;  // 0x00BBGGRR
    int draws;
  };
  struct Case {
    const char* what;
    bool marking;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"black ink", false, {{"A b", 8, 0xFFFFFF, 2}, {"b A", 8, 0xFFFFFF, 1}, {"AAA", 8, 0x00FFFF, 1}}},
      {"white ink", false, {{"A b", 8, 0x000000, 2}, {"b A", 8, 0x203040, 1}}},
      {"an empty text shows nothing", false, {{"", 8, 0xFFFFFF, 2}, {" ", 8, 0xFFFFFF, 2}, {"A", 8, 0xFFFFFF, 2},
                                              {"A", 8, 0xFFFFFF, 1}}},
      {"another height", false, {{"A", 8, 0xFFFFFF, 2}, {"A", 10, 0xFFFFFF, 2}, {"A", 10, 0xFFFFFF, 1}}},
      {"another ink", false, {{"A", 8, 0xFFFFFF, 2}, {"A", 8, 0x000000, 2}, {"A", 8, 0x000000, 1}}},
      {"ink that changes its own colour", true, {{"A b", 8, 0xFFFFFF, 2}, {"b A", 8, 0xFFFFFF, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    BoxTextRasterizer box;
    MarkingRasterizer marking;
    TextRasterizer& kept = c.marking ? static_cast<TextRasterizer&>(marking) : box;
    int& draws = c.marking ? marking.draws : box.draws;
    TextPasses passes;
    for (const Step& s : c.steps) {
      SCOPED_TRACE(s.text);
      const FontSpec font{"Small Fonts", s.height, s.color};
      TBitmap32 text, fresh;
      draws = 0;
      RenderTextAlpha(kept, s.text, font, kept.Measure(font, s.text), passes, text);
      EXPECT_EQ(draws, s.draws);
      TextPasses freshPasses;
      RenderTextAlpha(kept, s.text, font, kept.Measure(font, s.text), freshPasses, fresh);
      EXPECT_EQ(text.pixels, fresh.pixels);
    }
  }
}
