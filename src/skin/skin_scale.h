#pragma once
#include "image/text_rasterizer.h"
#include "skin/skin_loader.h"

// The display scales a skin is drawn at: 100 % up to the 500 % that Windows offers. Hands are
// only ever enlarged, never shrunk, so their kernel needs no widening.
inline constexpr double kMinScale = 1, kMaxScale = 5;

// A length in face pixels on a monitor at `scale` (its pixels per inch / 96), in device pixels.
int ScaledLength(int length, double scale);

// The skin as a monitor at `scale` shows it: the face, glass and AM/PM images and each frame of
// the button strip resampled once, boxes and positions in device pixels, label fonts at their
// height times the scale and autosized boxes measured again in them, hands turned and scaled
// from their own bitmaps in one pass. At scale 1 the result is the skin as loaded.
void ScaleSkin(const SkinState& design, double scale, TextRasterizer& text, SkinState& device);
