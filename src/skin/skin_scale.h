#pragma once
#include "base/display_scale.h"
#include "image/text_rasterizer.h"
#include "skin/skin_loader.h"

// The skin as a monitor at `scale` shows it: the face, glass and AM/PM images and each frame of
// the button strip resampled once, boxes and positions in device pixels, label fonts at their
// height times the scale and autosized boxes measured again in them, hands turned and scaled
// from their own bitmaps in one pass. At scale 1 the result is the skin as loaded.
void ScaleSkin(const SkinState& design, double scale, TextRasterizer& text, SkinState& device);
// The skin as loaded, drawn at scale 1 as it is: what ScaleSkin gives at scale 1, in place.
void ReadyToDraw(SkinState& skin);
