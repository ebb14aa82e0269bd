#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "base/handles_win32.h"
#include "image/bitmap32.h"
#include "image/dib_section_win32.h"

// Hands premultiplied frames to UpdateLayeredWindow through one DIB section.
class LayeredPresenter {
 public:
  // Makes a DIB section of the size; empty (bits null) when GDI refuses. Tests inject one.
  using SectionMaker = std::function<BitmapHandle(HDC dc, int width, int height, uint32_t*& bits)>;

  explicit LayeredPresenter(SectionMaker makeSection = CreateTopDownDib);
  ~LayeredPresenter();
  LayeredPresenter(const LayeredPresenter&) = delete;
  LayeredPresenter& operator=(const LayeredPresenter&) = delete;

  // Makes the section hold frames of this size. When GDI refuses a new one, returns false
  // and keeps the section it had, still able to present frames of that size.
  bool Reserve(int width, int height);
  // Copies the bitmap into the section and updates the window at `topLeft` with the blend's
  // constant alpha; false, copying nothing, when no section of the bitmap's size can be made.
  bool Present(HWND window, POINT topLeft, const TBitmap32& image, BLENDFUNCTION blend);

 private:
  SectionMaker makeSection_;
  ScreenDc screen_;
  DcHandle memoryDc_;
  BitmapHandle section_;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;  // always the size of section_
};
