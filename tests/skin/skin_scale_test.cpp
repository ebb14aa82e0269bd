#include "skin/skin_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "skin/label_autosize.h"
#include "skin/rot_layer_paint.h"
#include "support/box_text_rasterizer.h"
#include "support/filled_bitmap.h"

namespace {

// A 150 x 150 skin with a six-frame strip of 16-pixel squares and autosized labels.
SkinState DesignSkin(TextRasterizer& text) {
  SkinState skin;
  SkinSurfaces& s = skin.surfaces;
  s.face = Filled(150, 150, 0xFF203040);
  s.glass = Filled(150, 150, 0x20202020);
  s.amPm = Filled(120, 120, 0);
  s.buttonStrip = Filled(6 * 16, 16, 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) s.buttonStrip.At(x, y) = 0xFFFF0000;  // frame 0 opaque, the rest clear
  for (TRotLayer* hand : {&s.hours, &s.minutes, &s.seconds}) {
    hand->bitmap = Filled(3, 40, 0xFFFFFFFF);
    hand->bitmapCenter = {1, 35};
    hand->position = {75, 75};
  }
  for (TBitmap32* b : {&s.overlay.bitmap, &s.frame, &s.zoom}) *b = Filled(150, 150, 0);
  FaceLabels& l = skin.labels;
  for (TLabel* label : {&l.lWeekDay, &l.lTime, &l.lTimeBg, &l.lDate, &l.lAmPm}) AutoSizeLabel(*label, text);
  return skin;
}

double Centre(int left, int width) { return left + width / 2.0; }

TEST(ScaleSkin, AtScaleOneTheSkinIsAsLoaded) {
  BoxTextRasterizer text;
  const SkinState design = DesignSkin(text);
  SkinState device;
  ScaleSkin(design, 1, text, device);
  EXPECT_EQ(device.surfaces.face.pixels, design.surfaces.face.pixels);
  EXPECT_EQ(device.surfaces.buttonStrip.pixels, design.surfaces.buttonStrip.pixels);
  EXPECT_EQ(device.labels.lTime.left, design.labels.lTime.left);
  EXPECT_EQ(device.labels.lTime.width, design.labels.lTime.width);
  EXPECT_EQ(device.right.IconNudge, 2);
  EXPECT_EQ(device.surfaces.hours.scale, 1.0f);
}

TEST(ScaleSkin, EverythingInFacePixelsFollowsTheScale) {
  BoxTextRasterizer text;
  const SkinState design = DesignSkin(text);
  for (double scale : {1.25, 1.5, 2.0}) {
    SCOPED_TRACE(scale);
    SkinState device;
    ScaleSkin(design, scale, text, device);
    const SkinSurfaces& s = device.surfaces;
    EXPECT_EQ(s.face.width, std::lround(150 * scale));
    EXPECT_EQ(s.frame.width, s.face.width);
    EXPECT_TRUE(s.overlay.bitmap.Empty()) << "frames draw their overlay in the frame";
    EXPECT_EQ(s.buttonStrip.height, std::lround(16 * scale));
    EXPECT_EQ(s.buttonStrip.width, 6 * s.buttonStrip.height) << "a frame lost or gained";

    const TLabel& title = device.labels.lTitle;
    EXPECT_EQ(title.width, std::lround(design.labels.lTitle.width * scale));
    EXPECT_EQ(title.left, std::lround(design.labels.lTitle.left * scale));
    for (auto [d, v] : {std::pair{&design.labels.lTime, &device.labels.lTime},
                        {&design.labels.lDate, &device.labels.lDate}}) {
      EXPECT_EQ(v->font.height, std::lround(d->font.height * scale));
      EXPECT_EQ(v->width, text.Measure(v->font, v->text).width) << "the box is the sample measured in the scaled font";
      EXPECT_NEAR(Centre(v->left, v->width), Centre(d->left, d->width) * scale, 0.5 + 1e-9);
      EXPECT_EQ(v->top, std::lround(d->top * scale));
    }
    EXPECT_EQ(device.right.left, std::lround(design.right.left * scale));
    EXPECT_EQ(device.right.IconOffset, std::lround(design.right.IconOffset * scale));
    EXPECT_FLOAT_EQ(s.minutes.position.x, static_cast<float>(75 * scale));
    EXPECT_FLOAT_EQ(s.minutes.scale, static_cast<float>(scale));
  }
}

TEST(ScaleSkin, StripFramesDoNotBleedIntoEachOther) {
  BoxTextRasterizer text;
  SkinState device;
  ScaleSkin(DesignSkin(text), 1.5, text, device);
  const TBitmap32& strip = device.surfaces.buttonStrip;
  const int side = strip.height;
  for (int y = 0; y < side; ++y) {
    EXPECT_EQ(strip.At(side - 1, y), 0xFFFF0000u) << "frame 0 keeps its edge";
    EXPECT_EQ(strip.At(side, y), 0u) << "frame 1 picked up frame 0";
  }
}

TEST(ScaleSkin, AHandReachesItsScaledLengthFromItsScaledPivot) {
  BoxTextRasterizer text;
  SkinState device;
  ScaleSkin(DesignSkin(text), 2, text, device);
  TRotLayer& hand = device.surfaces.minutes;  // 3 x 40, pivot 35 px below its top, at (150, 150)
  TBitmap32 target = Filled(300, 300, 0);
  hand.angle = 0;
  PaintRotLayer(hand, target);
  // Upright, the hand spans y = 150 - 2 x 35.5 to 150 + 2 x 4.5, three pixels doubled across.
  EXPECT_GE(AlphaOf(target.At(150, 81)), 250);
  EXPECT_GE(AlphaOf(target.At(150, 157)), 250);
  EXPECT_LE(AlphaOf(target.At(150, 76)), 5);
  EXPECT_LE(AlphaOf(target.At(150, 162)), 5);
  EXPECT_GE(AlphaOf(target.At(152, 120)), 250);
  EXPECT_LE(AlphaOf(target.At(156, 120)), 5);
  // A quarter turn counter-clockwise lays it along the x axis, pointing left.
  target.Clear(0);
  hand.angle = 90;
  PaintRotLayer(hand, target);
  EXPECT_GE(AlphaOf(target.At(81, 150)), 250);
  EXPECT_LE(AlphaOf(target.At(76, 150)), 5);
  EXPECT_LE(AlphaOf(target.At(219, 150)), 5);
}

}  // namespace
