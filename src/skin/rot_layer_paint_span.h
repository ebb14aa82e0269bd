#pragma once
#include <cstdint>

#include "image/bitmap32.h"
#include "skin/rot_layer.h"

// One row of a hand's box: the 16.16 hand-bitmap position of its first target pixel, the step
// per pixel, and how many pixels it has.
struct HandSpan {
  int32_t u, v, du, dv;
  int count;
};

// Samples each pixel of the span from the hand and merges it onto `out`. Both painters give
// the same pixels. The SSE2 one exists in builds for x86, which all require SSE2; the portable one
// serves other processors and is the reference in tests.
using SpanPainter = void (*)(const TBitmap32& hand, HandSpan span, uint32_t* out);
void PaintSpanPortable(const TBitmap32& hand, HandSpan span, uint32_t* out);
#ifdef ORMEL_SSE2
void PaintSpanSse2(const TBitmap32& hand, HandSpan span, uint32_t* out);
#endif
// The SSE2 painter where the build has it, else the portable one.
SpanPainter FastestSpanPainter();

// PaintRotLayer with the given span painter.
void PaintRotLayerWith(const TRotLayer& layer, TBitmap32& target, SpanPainter paint);
