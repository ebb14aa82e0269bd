#pragma once
#include <cstdint>

// Blends n premultiplied source pixels over n destination pixels, each as BlendOverPixel does.
// Both blends give the same pixels. The SSE2 one exists in builds for x86, which all
// require SSE2; the portable one serves other processors and is the reference in tests.
using BlendSpan = void (*)(uint32_t* dst, const uint32_t* src, int n, uint8_t constantAlpha);
void BlendOverSpanPortable(uint32_t* dst, const uint32_t* src, int n, uint8_t constantAlpha);
#ifdef ORMEL_SSE2
void BlendOverSpanSse2(uint32_t* dst, const uint32_t* src, int n, uint8_t constantAlpha);
#endif
// The SSE2 blend where the build has it, else the portable one.
BlendSpan FastestBlendSpan();
