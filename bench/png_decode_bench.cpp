// Our PNG decode against libpng's decode to 8-bit RGBA, on the same in-memory files.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstring>
#include <random>
#include <vector>

#include "image/png_decoder.h"
#include "support/libpng_decode.h"

namespace {

// A face-like RGBA image: smooth gradients, a soft disc of alpha, a little noise.
std::vector<uint8_t> MakePng(int size) {
  std::vector<uint8_t> rgba(size_t(size) * size * 4);
  std::mt19937 noise(7);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      uint8_t* p = &rgba[(size_t(y) * size + x) * 4];
      const int dx = x - size / 2, dy = y - size / 2;
      const int r2 = (dx * dx + dy * dy) * 1024 / (size * size / 4 + 1);
      p[0] = uint8_t(x * 255 / size + (noise() & 3));
      p[1] = uint8_t(y * 255 / size);
      p[2] = uint8_t((x + y) * 127 / size);
      p[3] = uint8_t(r2 >= 1024 ? 0 : r2 > 900 ? (1024 - r2) * 2 : 255);
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = size;
  image.height = size;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t bytes = 0;
  png_image_write_to_memory(&image, nullptr, &bytes, 0, rgba.data(), 0, nullptr);
  std::vector<uint8_t> out(bytes);
  png_image_write_to_memory(&image, out.data(), &bytes, 0, rgba.data(), 0, nullptr);
  out.resize(bytes);
  return out;
}

void BM_OurDecode(benchmark::State& state) {
  const std::vector<uint8_t> file = MakePng(int(state.range(0)));
  for (auto _ : state) {
    TPngImage image = DecodePng(file);
    benchmark::DoNotOptimize(image.colors.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void BM_LibpngDecode(benchmark::State& state) {
  const std::vector<uint8_t> file = MakePng(int(state.range(0)));
  for (auto _ : state) {
    std::optional<LibpngImage> image = DecodeWithLibpng(file);  // a fresh image, as ours
    benchmark::DoNotOptimize(image->rgba.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

}  // namespace

BENCHMARK(BM_OurDecode)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpngDecode)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
