#include "support/libpng_decode.h"

#include <png.h>

#include <algorithm>

namespace {

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

}  // namespace

std::optional<LibpngImage> DecodeWithLibpng(const std::vector<uint8_t>& file) {
  LibpngImage out;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  MemoryReader reader{&file, 0};
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return std::nullopt;
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
  out.rgba.resize(size_t(out.width) * out.height * 4);
  for (int y = 0; y < out.height; ++y) rows.push_back(out.rgba.data() + size_t(y) * out.width * 4);
  png_read_image(png, rows.data());
  png_destroy_read_struct(&png, &info, nullptr);
  return out;
}
