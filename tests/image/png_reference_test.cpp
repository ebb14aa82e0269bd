// Our decoder against libpng, pixel for pixel, over the generated corpus.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "image/png_decoder.h"

namespace {

struct Rgba {
  int width = 0, height = 0;
  std::vector<uint8_t> bytes;  // straight RGBA, 8 bits per channel
};

struct MemoryReader {
  const std::vector<uint8_t>* data;
  size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t size) {
  auto* r = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (size > r->data->size() - r->pos) png_error(png, "read past the end");
  std::copy_n(r->data->data() + r->pos, size, out);
  r->pos += size;
}

// libpng's own decode to 8-bit RGBA: palettes and low depths expanded, tRNS made alpha,
// 16 bits scaled with rounding, opaque images filled with alpha 255.
Rgba DecodeWithLibpng(const std::vector<uint8_t>& file) {
  Rgba out;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  MemoryReader reader{&file, 0};
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    ADD_FAILURE() << "libpng refused the file";
    return {};
  }
  png_set_read_fn(png, &reader, ReadFromMemory);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out.width = static_cast<int>(png_get_image_width(png, info));
  out.height = static_cast<int>(png_get_image_height(png, info));
  out.bytes.resize(size_t(out.width) * out.height * 4);
  for (int y = 0; y < out.height; ++y) rows.push_back(out.bytes.data() + size_t(y) * out.width * 4);
  png_read_image(png, rows.data());
  png_destroy_read_struct(&png, &info, nullptr);
  return out;
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(PngReference, EveryCorpusFileMatchesLibpngPixelForPixel) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(ORMEL_PNG_CORPUS)) {
    if (entry.path().extension() == ".png") files.push_back(entry.path());
  }
  ASSERT_GT(files.size(), 200u);
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    const std::vector<uint8_t> file = ReadAll(path);
    const Rgba expected = DecodeWithLibpng(file);
    const TPngImage ours = DecodePng(file);
    ASSERT_EQ(ours.Width(), expected.width);
    ASSERT_EQ(ours.Height(), expected.height);
    int mismatches = 0;
    for (size_t i = 0; i < ours.colors.size() && mismatches < 3; ++i) {
      const uint8_t* e = expected.bytes.data() + 4 * i;
      const uint32_t want = (uint32_t(e[0]) << 16) | (uint32_t(e[1]) << 8) | e[2];
      if (ours.colors[i] != want || ours.alpha[i] != e[3]) {
        ++mismatches;
        ADD_FAILURE() << "pixel " << i % ours.Width() << "," << i / ours.Width() << std::hex
                      << ": ours " << ours.colors[i] << "/" << int(ours.alpha[i])
                      << " libpng " << want << "/" << int(e[3]);
      }
    }
  }
}
