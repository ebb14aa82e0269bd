// One full royale frame (labels, buttons, three hands, glass), the frame of each next
// second as the clock composes it (only what changed), one fade step, and one hand painted
// with our Lanczos-3 rotation (as the build paints it, and with the portable span painter of
// processors other than x86) against pixman's separable-convolution Lanczos-3 affine transform
// of the same hand and angle. The frame benchmarks count what they allocate.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "app/clock_state.h"
#include "app/clock_tick.h"
#include "app/display_texts.h"
#include "skin/compose_frame.h"
#include "skin/fade.h"
#include "skin/rot_layer_paint.h"
#include "skin/rot_layer_paint_span.h"
#include "skin/skin_scale.h"
#include "support/box_text_rasterizer.h"
#include "support/bundled_skin.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Every allocation of the program comes through here, counted; the replaced pair keeps
// to malloc and free, which the compiler's new/delete pairing check cannot see.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

// Allocations per iteration of the timed loop, as a counter of the benchmark.
class AllocationCount {
 public:
  explicit AllocationCount(benchmark::State& st) : st_(st), start_(allocations) {}
  ~AllocationCount() {
    st_.counters["allocs/frame"] =
        benchmark::Counter(static_cast<double>(allocations - start_), benchmark::Counter::kAvgIterations);
  }

 private:
  benchmark::State& st_;
  long start_;
};

class StillClock : public WallClock {
 public:
  TDateTime Now() const override { return 46364.42258; }  // 2026-12-09 10:08:31
};

// The royale skin as the clock holds it after loading, drawn at a display scale (in percent).
struct Royale {
  explicit Royale(int percent = 100) { ScaleSkin(LoadBundledSkin("royale"), percent / 100.0, text, skin); }
  BoxTextRasterizer text;
  SkinState skin;
};

// Everything drawn anew, as after a skin load: the composer keeps only its buffers.
void BM_ComposeRoyaleFrame(benchmark::State& st) {
  Royale r;
  StillClock clock;
  ClockState state(clock);
  SkinSurfaces& s = r.skin.surfaces;
  s.hours.angle = -304;
  s.minutes.angle = -51;
  s.seconds.angle = -186;
  const FrameTexts texts = ComputeDisplayTexts(state, clock.Now(), 0);
  const FrameInputs in;
  FrameComposer composer;
  composer.ComposeFrame(s, r.skin.labels, FaceButtons{r.skin.left, r.skin.right}, r.text, texts, in);
  AllocationCount count(st);
  for (auto _ : st) {
    composer.Forget();
    composer.ComposeFrame(s, r.skin.labels, FaceButtons{r.skin.left, r.skin.right}, r.text, texts, in);
    benchmark::DoNotOptimize(s.frame.pixels.data());
  }
}
BENCHMARK(BM_ComposeRoyaleFrame)->Unit(benchmark::kMicrosecond);

// A clock whose time the benchmark moves.
class SteppedClock : public WallClock {
 public:
  TDateTime Now() const override { return now; }
  TDateTime now = 46364.42258;
};

// Clock mode, one second later each time: the texts, the hands and the frame as the clock
// composes them, warmed over the first hour (every second hand angle has been drawn).
void BM_EachSecondRoyale(benchmark::State& st) {
  Royale r(static_cast<int>(st.range(0)));
  SteppedClock clock;
  ClockState state(clock);
  SkinSurfaces& s = r.skin.surfaces;
  FrameComposer composer;
  FrameTexts texts;
  const FrameInputs in;
  long composing = 0;  // allocations inside the composer alone
  auto nextSecond = [&] {
    clock.now += 1.0 / 86400;
    texts = ComputeDisplayTexts(state, clock.now, 0);
    const HandAngles hands = HandAnglesFrom(clock.now);
    s.hours.angle = hands.hour;
    s.minutes.angle = hands.minute;
    s.seconds.angle = hands.second;
    const long before = allocations;
    const PixelRect changed =
        composer.ComposeFrame(s, r.skin.labels, FaceButtons{r.skin.left, r.skin.right}, r.text, texts, in);
    composing += allocations - before;
    return changed;
  };
  for (int i = 0; i < 3600; ++i) nextSecond();
  composing = 0;
  long area = 0;
  AllocationCount count(st);
  for (auto _ : st) {
    const PixelRect changed = nextSecond();
    area += changed.Width() * changed.Height();
    benchmark::DoNotOptimize(s.frame.pixels.data());
  }
  st.counters["changed px"] = benchmark::Counter(static_cast<double>(area), benchmark::Counter::kAvgIterations);
  st.counters["compose allocs"] = benchmark::Counter(static_cast<double>(composing));
}
// At 100 % and on a display at 200 %.
BENCHMARK(BM_EachSecondRoyale)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_FadeStep(benchmark::State& st) {
  Royale r;
  TBitmap32 zoom;
  for (auto _ : st) {
    st.PauseTiming();
    FadeState fade;
    StartUpFade(fade, ScreenPoint{400, 300});
    fade.zoom = 160;
    st.ResumeTiming();
    benchmark::DoNotOptimize(FadeStep(fade, r.skin.surfaces.frame, zoom));
  }
}
BENCHMARK(BM_FadeStep)->Unit(benchmark::kMicrosecond);

constexpr float kHandAngle = -51;  // ten past: an angle where no kernel reduces to a copy

void PaintMinuteHand(benchmark::State& st, SpanPainter painter) {
  Royale r;
  TRotLayer hand = r.skin.surfaces.minutes;
  hand.angle = kHandAngle;
  TBitmap32 target;
  target.SetSize(192, 192);
  for (auto _ : st) {
    target.Clear(0);
    if (painter == nullptr) {
      PaintRotLayer(hand, target);
    } else {
      PaintRotLayerWith(hand, target, painter);
    }
    benchmark::DoNotOptimize(target.pixels.data());
  }
}

void BM_HandOurs(benchmark::State& st) { PaintMinuteHand(st, nullptr); }
BENCHMARK(BM_HandOurs)->Unit(benchmark::kMicrosecond);

void BM_HandOursPortable(benchmark::State& st) { PaintMinuteHand(st, PaintSpanPortable); }
BENCHMARK(BM_HandOursPortable)->Unit(benchmark::kMicrosecond);

pixman_fixed_t Fixed(double v) { return pixman_double_to_fixed(v); }

void BM_HandPixman(benchmark::State& st) {
  Royale r;
  TRotLayer hand = r.skin.surfaces.minutes;
  hand.angle = kHandAngle;
  TBitmap32& bitmap = hand.bitmap;
  pixman_image_t* src = pixman_image_create_bits(PIXMAN_a8r8g8b8, bitmap.width, bitmap.height,
                                                 bitmap.pixels.data(), bitmap.width * 4);
  // pixman maps destination pixels back into the source, as our painter does.
  const AffineMap inverse = LayerTransform(hand).Inverse();
  pixman_transform_t t;
  pixman_transform_init_identity(&t);
  t.matrix[0][0] = Fixed(inverse.m11);
  t.matrix[0][1] = Fixed(inverse.m12);
  t.matrix[0][2] = Fixed(inverse.dx);
  t.matrix[1][0] = Fixed(inverse.m21);
  t.matrix[1][1] = Fixed(inverse.m22);
  t.matrix[1][2] = Fixed(inverse.dy);
  pixman_image_set_transform(src, &t);
  int params = 0;
  pixman_fixed_t* filter = pixman_filter_create_separable_convolution(
      &params, pixman_int_to_fixed(1), pixman_int_to_fixed(1), PIXMAN_KERNEL_LANCZOS3, PIXMAN_KERNEL_LANCZOS3,
      PIXMAN_KERNEL_IMPULSE, PIXMAN_KERNEL_IMPULSE, 4, 4);
  pixman_image_set_filter(src, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, filter, params);
  pixman_image_set_repeat(src, PIXMAN_REPEAT_NONE);
  TBitmap32 target;
  target.SetSize(192, 192);
  pixman_image_t* dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, 192, 192, target.pixels.data(), 192 * 4);
  // The same box ours touches: the hand's bounding box on the face.
  const PixelBox box = PaintBox(hand, target);
  for (auto _ : st) {
    target.Clear(0);
    pixman_image_composite32(PIXMAN_OP_OVER, src, nullptr, dst, box.left, box.top, 0, 0, box.left, box.top,
                             box.right - box.left, box.bottom - box.top);
    benchmark::DoNotOptimize(target.pixels.data());
  }
  pixman_image_unref(dst);
  pixman_image_unref(src);
  free(filter);
}
BENCHMARK(BM_HandPixman)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
