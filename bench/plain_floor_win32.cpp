// The plainest clock-like window, for bench/idle_cost.sh to set beside the real clock: a
// topmost layered tool window, a 100 ms message timer, and at every tenth tick an 88 x 88
// rectangle of its 32-bit top-down DIB section refilled and handed to
// UpdateLayeredWindowIndirect as the dirty rectangle. It reads no clock and its message loop
// only gets and dispatches.
//   plain_floor.exe WIDTH HEIGHT LEFT TOP [TICK_MS [FONT_FILE FACE PIXELS | --frames A.png B.png]]
// TICK_MS (100 by default) prices the tick: at 1000 the update comes as often, the wake-ups a
// tenth as often. With a font, each update also measures and draws a time text ("00:01:07",
// counted from the updates) in that face, PIXELS high and anti-aliased, into the rectangle:
// what the platform does for any clock that draws its time with GDI, once. With --frames it
// shows two frames of WIDTH x HEIGHT (the clock's snapshots of two seconds in a row) in
// turn, each update handing over the rectangle in which they differ: what presenting the
// clock's own pixels costs the platform, with nothing computed.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <exception>
#include <utility>
#include <vector>

#include "base/handles_win32.h"
#include "image/dib_section_win32.h"
#include "image/png_decoder.h"
#include "image/png_draw.h"
#include "skin/image_utils.h"

namespace {

constexpr UINT_PTR kTick = 1;
constexpr int kDefaultTickInterval = 100;
constexpr int kUpdateInterval = 1000;
// About what the hands and the time label change in a second of the real clock.
constexpr int kChangedSide = 88;

struct Floor {
  HWND window = nullptr;
  HDC screen = nullptr;
  HDC memory = nullptr;
  uint32_t* bits = nullptr;
  SIZE size{};
  POINT place{};
  int ticksPerUpdate = 1;
  int ticks = 0;
  HFONT font = nullptr;  // the time text's, when there is one
  std::vector<uint32_t> frames[2];  // the frames shown in turn, when there are some
  RECT framesDiffer{};
};

Floor floor_;

void Present(const RECT& dirty) {
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UPDATELAYEREDWINDOWINFO info{sizeof info, floor_.screen, &floor_.place, &floor_.size, floor_.memory, &source,
                               0, &blend, ULW_ALPHA, &dirty};
  UpdateLayeredWindowIndirect(floor_.window, &info);
}

// The time text of the update, measured and centred in the rectangle, in black; GDI leaves
// the alpha of the pixels it draws at 0, and the window's pixels are opaque.
void DrawTime(const RECT& dirty, int seconds) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%02d:%02d:%02d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
  const int length = static_cast<int>(std::wcslen(text));
  SIZE extent{};
  GetTextExtentPoint32W(floor_.memory, text, length, &extent);
  TextOutW(floor_.memory, (dirty.right - extent.cx) / 2, (dirty.bottom - extent.cy) / 2, text, length);
  GdiFlush();
  for (int y = 0; y < dirty.bottom; ++y)
    for (int x = 0; x < dirty.right; ++x) floor_.bits[y * floor_.size.cx + x] |= 0xFF000000u;
}

// A frame's premultiplied pixels from a PNG of the floor's size, as the clock reads its skin
// images; empty when it is not one.
std::vector<uint32_t> FramePixels(const char* path) {
  TPngImage png;
  try {
    png = DecodePngFile(path);
  } catch (const std::exception&) {
    return {};
  }
  if (png.Width() != floor_.size.cx || png.Height() != floor_.size.cy) return {};
  TBitmap32 frame;
  frame.SetSize(png.Width(), png.Height());
  frame.Clear(0);
  DrawPng(frame, png);
  CopyPngAlpha(frame, png);
  return std::move(frame.pixels);
}

// The bounds of the pixels in which the two frames differ.
RECT FramesDiffer() {
  RECT r{floor_.size.cx, floor_.size.cy, 0, 0};
  for (int y = 0; y < floor_.size.cy; ++y) {
    for (int x = 0; x < floor_.size.cx; ++x) {
      const size_t i = static_cast<size_t>(y) * floor_.size.cx + x;
      if (floor_.frames[0][i] == floor_.frames[1][i]) continue;
      r = {x < r.left ? x : r.left, y < r.top ? y : r.top, x + 1 > r.right ? x + 1 : r.right,
           y + 1 > r.bottom ? y + 1 : r.bottom};
    }
  }
  return r.left < r.right ? r : RECT{0, 0, 1, 1};
}

void ShowFrame(int which, const RECT& r) {
  GdiFlush();
  const std::vector<uint32_t>& frame = floor_.frames[which];
  for (int y = r.top; y < r.bottom; ++y) {
    const size_t row = static_cast<size_t>(y) * floor_.size.cx;
    std::memcpy(floor_.bits + row + r.left, frame.data() + row + r.left, (r.right - r.left) * sizeof(uint32_t));
  }
  Present(r);
}

void Tick() {
  if (++floor_.ticks % floor_.ticksPerUpdate != 0) return;
  if (!floor_.frames[0].empty()) return ShowFrame(floor_.ticks / floor_.ticksPerUpdate % 2, floor_.framesDiffer);
  // Opaque grey that changes with each update, premultiplied as it must be.
  const uint32_t grey = 0x40u + (static_cast<uint32_t>(floor_.ticks / floor_.ticksPerUpdate) & 0x3Fu);
  const uint32_t pixel = 0xFF000000u | grey << 16 | grey << 8 | grey;
  const RECT dirty{0, 0, kChangedSide < floor_.size.cx ? kChangedSide : floor_.size.cx,
                   kChangedSide < floor_.size.cy ? kChangedSide : floor_.size.cy};
  GdiFlush();
  for (int y = 0; y < dirty.bottom; ++y)
    for (int x = 0; x < dirty.right; ++x) floor_.bits[y * floor_.size.cx + x] = pixel;
  if (floor_.font) DrawTime(dirty, floor_.ticks / floor_.ticksPerUpdate);
  Present(dirty);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && wp == kTick) {
    Tick();
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc != 5 && __argc != 6 && __argc != 9) return 2;
  const int tickInterval = __argc >= 6 ? std::atoi(__argv[5]) : kDefaultTickInterval;
  floor_.size = {std::atoi(__argv[1]), std::atoi(__argv[2])};
  floor_.place = {std::atoi(__argv[3]), std::atoi(__argv[4])};
  if (floor_.size.cx <= 0 || floor_.size.cy <= 0 || tickInterval <= 0) return 2;
  floor_.ticksPerUpdate = tickInterval < kUpdateInterval ? kUpdateInterval / tickInterval : 1;

  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = L"OrmelPlainFloor";
  RegisterClassW(&wc);
  floor_.window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, L"plain floor",
                                  WS_POPUP, floor_.place.x, floor_.place.y, floor_.size.cx, floor_.size.cy, nullptr,
                                  nullptr, instance, nullptr);
  if (!floor_.window) return 1;

  floor_.screen = GetDC(nullptr);
  floor_.memory = CreateCompatibleDC(floor_.screen);
  const BitmapHandle section = CreateTopDownDib(floor_.memory, floor_.size.cx, floor_.size.cy, floor_.bits);
  if (!section || !floor_.bits) return 1;
  SelectObject(floor_.memory, section.get());
  FontHandle font;
  const bool withFrames = __argc == 9 && std::strcmp(__argv[6], "--frames") == 0;
  if (withFrames) {
    floor_.frames[0] = FramePixels(__argv[7]);
    floor_.frames[1] = FramePixels(__argv[8]);
    if (floor_.frames[0].empty() || floor_.frames[1].empty()) return 1;
    floor_.framesDiffer = FramesDiffer();
  } else if (__argc == 9) {
    if (AddFontResourceExA(__argv[6], FR_PRIVATE, nullptr) == 0) return 1;
    font.reset(CreateFontA(-std::atoi(__argv[8]), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, __argv[7]));
    if (!font) return 1;
    floor_.font = font.get();
    SelectObject(floor_.memory, floor_.font);
    SetBkMode(floor_.memory, TRANSPARENT);
  }
  for (int i = 0; i < floor_.size.cx * floor_.size.cy; ++i) floor_.bits[i] = 0xFF202020u;

  ShowWindow(floor_.window, SW_SHOWNORMAL);
  if (withFrames)
    ShowFrame(0, RECT{0, 0, floor_.size.cx, floor_.size.cy});
  else
    Present(RECT{0, 0, floor_.size.cx, floor_.size.cy});
  SetTimer(floor_.window, kTick, static_cast<UINT>(tickInterval), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
