#pragma once
#include "image/bitmap32.h"
#include "skin/rot_layer.h"

// Painting a rotated hand layer onto the overlay. Pixel centres sit at integer coordinates in
// both the hand bitmap and the target, so a turn by a multiple of 90° about a whole-pixel
// pivot is an exact copy.

// x' = m11·x + m12·y + dx, y' = m21·x + m22·y + dy.
struct AffineMap {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
  FloatPoint Apply(double x, double y) const;
  AffineMap Inverse() const;
};

// Hand-bitmap pixels to target pixels: translate by minus the bitmap centre, rotate by the
// angle (y points down, so positive angles turn counter-clockwise on screen) and scale,
// translate by the position.
AffineMap LayerTransform(const TRotLayer& layer);

// Target pixels [left, right) × [top, bottom) covered by the transformed bitmap, clipped to
// the target; empty when right <= left or bottom <= top.
struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
};
PixelBox PaintBox(const TRotLayer& layer, const TBitmap32& target);

// Maps each target pixel of the box back into the hand bitmap, samples it with a Lanczos
// kernel of radius 3 (samples outside the bitmap are transparent black) and merges the result
// onto the target with the merge rule. Allocates nothing. Where the processor has SSE2 it
// samples with it, elsewhere portably; the pixels are the same.
void PaintRotLayer(const TRotLayer& layer, TBitmap32& target);
// The pixels of one row of a box that a paint reached, [first, last) from the box's left; none
// when first >= last. Outside them the paint left the row as it was.
struct PaintedRun {
  int first = 0, last = 0;
};
// The same for the pixels of `box` alone, the PaintBox of a target: `pixels` holds the box's
// rows, box-wide, and stands for that part of the target; `rows` (one for each of the box's
// rows) receives the runs reached.
void PaintRotLayerInBox(const TRotLayer& layer, const PixelBox& box, uint32_t* pixels, PaintedRun* rows);
