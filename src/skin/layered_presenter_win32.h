#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "base/handles_win32.h"
#include "image/bitmap32.h"
#include "image/dib_section_win32.h"
#include "image/pixel_rect.h"

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
  // The clock's frame, of which only `changed` differs from the frame presented before:
  // when the window still shows that one where it stands, only that rectangle is copied and
  // updated. Anything else presented in between (the fade's images) makes it all go again.
  bool PresentFrame(HWND window, POINT topLeft, const TBitmap32& frame, BLENDFUNCTION blend, const PixelRect& changed);

 private:
  // Copies the dirty rectangle of the image into the section and updates the window with it.
  bool Update(HWND window, POINT topLeft, const TBitmap32& image, BLENDFUNCTION blend, const PixelRect& dirty);

  SectionMaker makeSection_;
  ScreenDc screen_;
  DcHandle memoryDc_;
  BitmapHandle section_;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;  // always the size of section_
  bool showsFrame_ = false;     // the window shows the section's frame at framePlace_
  POINT framePlace_{0, 0};
};
