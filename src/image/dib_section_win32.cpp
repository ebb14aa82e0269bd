#include "image/dib_section_win32.h"

BitmapHandle CreateTopDownDib(HDC dc, int width, int height, uint32_t*& bits) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* raw = nullptr;
  BitmapHandle section(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &raw, nullptr, 0));
  bits = section ? static_cast<uint32_t*>(raw) : nullptr;
  return section;
}
