#include "image/png_decoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "image/png_draw.h"
#include "image/png_file_builder.h"

namespace {

Bytes ReadCorpusFile(const std::string& name) {
  std::ifstream in(std::string(ORMEL_PNG_CORPUS) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes GreyWithGamma(uint32_t gamma, uint8_t value) {
  Bytes g;
  PutBe32(g, gamma);
  return PngFileBuilder().Chunk("IHDR", IhdrData(1, 1, 8, 0)).Chunk("gAMA", g)
      .Chunk("IDAT", Compress({0, value})).End().bytes();
}

}  // namespace

TEST(PngDecoder, KeepsTheAncillaryChunksInFileOrder) {
  const TPngImage image = DecodePng(ReadCorpusFile("ancillary_chunks.png"));
  std::vector<std::string> names;
  for (const PngChunk& c : image.chunks) names.push_back(c.name);
  // cHRM is skipped unread, and so is the IDAT after the image data.
  EXPECT_EQ(names, (std::vector<std::string>{"IHDR", "gAMA", "pHYs", "tEXt", "zTXt", "prVt",
                                             "IDAT", "tIME", "IEND"}));
  EXPECT_EQ(image.chunks[5].opaqueData, (Bytes{'o', 'p', 'a', 'q', 'u', 'e'}));
  EXPECT_EQ(image.gamma, 45455u);
  ASSERT_EQ(image.texts.size(), 2u);
  EXPECT_EQ(image.texts[0].keyword, "Title");
  EXPECT_EQ(image.texts[0].text, "face");
  EXPECT_EQ(image.texts[1].keyword, "Comment");
  EXPECT_EQ(image.texts[1].text, "drawn by hand");
  ASSERT_TRUE(image.time);
  EXPECT_EQ(image.time->year, 2024);
  EXPECT_EQ(image.time->second, 9);
  ASSERT_TRUE(image.physicalSize);
  EXPECT_EQ(image.physicalSize->pixelsPerUnitX, 2835u);
  EXPECT_EQ(image.physicalSize->unit, 1);
}

TEST(PngDecoder, GammaTableAndItsInverse) {
  struct Case {
    uint32_t gamma;
    int in, out;
  };
  const Case cases[] = {
      {100000, 0, 0}, {100000, 255, 255}, {100000, 128, 186}, {100000, 64, 136},
      {45455, 128, 128},  // gamma 1/2.2 on a 2.2 display: unchanged
      {0, 77, 77},        // zero means no gamma at all
  };
  for (const Case& c : cases) {
    const TPngImage image = DecodePng(GreyWithGamma(c.gamma, 0));
    EXPECT_EQ(image.gammaTable[c.in], c.out) << c.gamma << " at " << c.in;
    EXPECT_EQ(image.inverseGammaTable[c.out], c.in) << c.gamma << " at " << c.in;
  }
}

TEST(PngDecoder, SamplesStayRawAndDrawingAppliesGamma) {
  const TPngImage image = DecodePng(GreyWithGamma(100000, 128));
  EXPECT_EQ(image.colors[0], 0x808080u);
  TBitmap32 target;
  target.SetSize(2, 1);
  target.Clear(0x11000000);
  DrawPng(target, image);
  EXPECT_EQ(target.At(0, 0), 0x11BABABAu) << "186 each, alpha byte untouched";
  EXPECT_EQ(target.At(1, 0), 0x11000000u) << "beyond the image";
}

TEST(PngDecoder, AlphaChannelFlagFollowsTheColourType) {
  struct Case {
    const char* file;
    bool hasAlpha;
  };
  const Case cases[] = {{"ct6_d8_i0_7x5.png", true}, {"ct4_d16_i1_7x5.png", true},
                        {"ct3_d4_i0_7x5_trns.png", false}, {"ct2_d8_i0_7x5_key.png", false}};
  for (const Case& c : cases) EXPECT_EQ(DecodePng(ReadCorpusFile(c.file)).HasAlphaChannel(), c.hasAlpha) << c.file;
}
