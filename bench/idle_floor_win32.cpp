// The least an idle clock of our design asks of the platform, for bench/idle_cost.sh to set
// beside the real one: a layered tool window of the face's size, a 100 ms message timer that
// reads the time, and once a second an UpdateLayeredWindowIndirect of a premultiplied frame
// in which only a hand-sized rectangle changed. No skin, no text, no composition.
//   idle_floor.exe WIDTH HEIGHT LEFT TOP [TICK_MS]
// TICK_MS (100 by default) prices the tick: at 1000 the update comes as often, the wake-ups
// a tenth as often.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "image/dib_section_win32.h"

namespace {

constexpr UINT_PTR kTick = 1;
constexpr UINT kDefaultTickInterval = 100;
// About what the hands and the time label change in a second of the real clock.
constexpr int kChangedSide = 88;

struct Floor {
  HWND window = nullptr;
  HDC screen = nullptr;
  HDC memory = nullptr;
  uint32_t* bits = nullptr;
  SIZE size{};
  POINT place{};
  WORD lastSecond = 0xFFFF;
};

Floor floor_;

void Present(bool whole) {
  const RECT dirty{0, 0, whole ? floor_.size.cx : kChangedSide, whole ? floor_.size.cy : kChangedSide};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UPDATELAYEREDWINDOWINFO info{sizeof info, floor_.screen, &floor_.place, &floor_.size, floor_.memory, &source,
                               0, &blend, ULW_ALPHA, &dirty};
  UpdateLayeredWindowIndirect(floor_.window, &info);
}

void Tick() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  if (now.wSecond == floor_.lastSecond) return;
  floor_.lastSecond = now.wSecond;
  // Opaque grey that changes with the second, premultiplied as it must be.
  const uint32_t grey = 0x40u + (now.wSecond & 0x3Fu);
  const uint32_t pixel = 0xFF000000u | grey << 16 | grey << 8 | grey;
  GdiFlush();
  for (int y = 0; y < kChangedSide && y < floor_.size.cy; ++y)
    for (int x = 0; x < kChangedSide && x < floor_.size.cx; ++x) floor_.bits[y * floor_.size.cx + x] = pixel;
  Present(false);
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
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc != 5 && __argc != 6) return 2;
  const int tickInterval = __argc == 6 ? std::atoi(__argv[5]) : kDefaultTickInterval;
  floor_.size = {std::atoi(__argv[1]), std::atoi(__argv[2])};
  floor_.place = {std::atoi(__argv[3]), std::atoi(__argv[4])};
  if (floor_.size.cx <= 0 || floor_.size.cy <= 0 || tickInterval <= 0) return 2;

  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "OrmelIdleFloor";
  RegisterClassA(&wc);
  floor_.window = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, wc.lpszClassName, "idle floor", WS_POPUP,
                                  floor_.place.x, floor_.place.y, floor_.size.cx, floor_.size.cy, nullptr, nullptr,
                                  instance, nullptr);
  if (!floor_.window) return 1;

  floor_.screen = GetDC(nullptr);
  floor_.memory = CreateCompatibleDC(floor_.screen);
  const BitmapHandle section = CreateTopDownDib(floor_.memory, floor_.size.cx, floor_.size.cy, floor_.bits);
  if (!section || !floor_.bits) return 1;
  SelectObject(floor_.memory, section.get());
  for (int i = 0; i < floor_.size.cx * floor_.size.cy; ++i) floor_.bits[i] = 0xFF202020u;

  // Shown and brought to the front as the clock is at start-up.
  ShowWindow(floor_.window, SW_SHOWNORMAL);
  SetForegroundWindow(floor_.window);
  Present(true);
  SetTimer(floor_.window, kTick, static_cast<UINT>(tickInterval), nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
