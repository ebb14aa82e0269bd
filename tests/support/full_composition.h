#pragma once
// The frame composed the plain way, everything from nothing in the order the face is drawn:
// the reference the clock's incremental composition must match pixel for pixel.
#include "image/text_rasterizer.h"
#include "skin/compose_frame.h"

void ComposeFullFrame(SkinSurfaces& surfaces, const FaceLabels& labels, FaceButtons buttons, TextRasterizer& rasterizer,
                      const FrameTexts& texts, const FrameInputs& in);
