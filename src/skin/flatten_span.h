#pragma once
#include <cstdint>

// One row of a frame as it is flattened, each pointer at the first pixel of the span: the
// overlay, the face and the glass stretched over it, and the frame, which may be the overlay
// itself (each pixel is read before it is written).
struct FlattenRow {
  const uint32_t* overlay;
  const uint32_t* face;
  const uint32_t* glass;
  uint32_t* frame;
};

// Face, overlay and glass over transparent black at the constant alpha, n pixels. Both
// flattens give the same pixels. The SSE2 one exists in builds for x86, which all require
// SSE2; the portable one serves other processors and is the reference in tests.
using FlattenSpan = void (*)(const FlattenRow& row, int n, uint8_t constantAlpha);
void FlattenSpanPortable(const FlattenRow& row, int n, uint8_t constantAlpha);
#ifdef ORMEL_SSE2
void FlattenSpanSse2(const FlattenRow& row, int n, uint8_t constantAlpha);
#endif
// The SSE2 flatten where the build has it, else the portable one.
FlattenSpan FastestFlattenSpan();
